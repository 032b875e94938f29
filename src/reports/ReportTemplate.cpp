#include "reports/ReportTemplate.h"

#include <vector>

namespace reports {

namespace km = kainjow::mustache;

namespace values {

TemplateData Object()
{
    return TemplateData(TemplateData::type::object);
}

TemplateData List()
{
    return TemplateData(TemplateData::type::list);
}

void Set(TemplateData& object, const QString& name, const QString& text)
{
    // An empty value counts as false in {{#Name}}...{{/Name}} (and prints as
    // nothing), so that a layout can leave out a line with nothing in it.
    if (text.isEmpty())
        object[name.toLower().toStdString()] = TemplateData(false);
    else
        object[name.toLower().toStdString()] = TemplateData(text.toStdString());
}

void Set(TemplateData& object, const QString& name, bool flag)
{
    object[name.toLower().toStdString()] = TemplateData(flag);
}

void Set(TemplateData& object, const QString& name, TemplateData&& value)
{
    object[name.toLower().toStdString()] = std::move(value);
}

void Append(TemplateData& list, TemplateData&& item)
{
    list.push_back(item);
}

} // namespace values

namespace {

std::string lower(const std::string& name)
{
    std::string out = name;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The lookup rules of mustache (innermost scope first, dotted names walk into
// objects) with names compared in lower case.
class CaseInsensitiveContext : public km::basic_context<std::string> {
public:
    void push(const TemplateData* data) override { items_.insert(items_.begin(), data); }
    void pop() override { items_.erase(items_.begin()); }

    const TemplateData* get(const std::string& rawName) const override
    {
        if (rawName == ".")
            return items_.front();
        const std::string name = lower(rawName);
        if (name.find('.') == std::string::npos) {
            for (const TemplateData* item : items_)
                if (const TemplateData* var = item->get(name))
                    return var;
            return nullptr;
        }
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t dot; (dot = name.find('.', start)) != std::string::npos; start = dot + 1)
            parts.push_back(name.substr(start, dot - start));
        parts.push_back(name.substr(start));
        for (const TemplateData* item : items_) {
            const TemplateData* var = item;
            for (const std::string& part : parts) {
                var = var->get(part);
                if (!var)
                    break;
            }
            if (var)
                return var;
        }
        return nullptr;
    }

    const TemplateData* get_partial(const std::string& name) const override { return get(name); }

private:
    std::vector<const TemplateData*> items_;
};

} // namespace

ReportTemplate::ReportTemplate(const QString& text, Output output) : text_(text)
{
    literal_ = !text.contains(QLatin1String("{{"));
    mustache_ = std::make_shared<km::mustache>(text.toStdString());
    if (output == Output::PlainText)
        mustache_->set_custom_escape([](const std::string& s) { return s; });
}

QString ReportTemplate::Check(const QString& text)
{
    const km::mustache probe(text.toStdString());
    return probe.is_valid() ? QString() : QString::fromStdString(probe.error_message());
}

QString ReportTemplate::render(std::initializer_list<const TemplateData*> scopes) const
{
    if (!mustache_)
        return QString();
    if (literal_)
        return text_;
    CaseInsensitiveContext context;
    for (const TemplateData* scope : scopes)
        if (scope)
            context.push(scope);
    return QString::fromStdString(mustache_->render(context));
}

} // namespace reports
