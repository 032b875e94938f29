#include "server/EmbeddedServer.h"

#include "server/EmbeddedBackend.h"

namespace server {

std::unique_ptr<db::Connection> OpenEmbedded(const QString& path, const EmbeddedOptions& options)
{
    return std::make_unique<db::Connection>(std::make_unique<EmbeddedBackend>(path, options));
}

EmbeddedBackend* AsEmbedded(db::Connection& connection)
{
    return dynamic_cast<EmbeddedBackend*>(&connection.backend());
}

QString TranslateOnly(db::Connection& connection, const QString& tsql)
{
    EmbeddedBackend* backend = AsEmbedded(connection);
    if (!backend)
        return tsql; // the hospital's server takes the text as it is
    return backend->translate(tsql);
}

} // namespace server
