#include "shell/FileDialog.h"

#include "db/DatabaseFiles.h"

#include <QAbstractFileIconProvider>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>

namespace shell {

namespace {

// Icons and type names from a file's name and directory entry only. The file
// system model asks these from its gatherer thread for every entry it lists.
class NameOnlyIconProvider : public QAbstractFileIconProvider {
public:
    NameOnlyIconProvider()
        : folder_(QAbstractFileIconProvider::icon(Folder)), file_(QAbstractFileIconProvider::icon(File)),
          drive_(QAbstractFileIconProvider::icon(Drive))
    {
        setOptions(DontUseCustomDirectoryIcons);
    }

    QIcon icon(IconType type) const override
    {
        return type == Folder ? folder_ : type == Drive ? drive_ : file_;
    }

    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return drive_;
        return info.isDir() ? folder_ : file_;
    }

    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return QStringLiteral("Folder");
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? QStringLiteral("File") : suffix.toUpper() + QStringLiteral(" File");
    }

private:
    QIcon folder_, file_, drive_;
};

// Hides database companions, and the open database itself when saving.
class DatabaseFileFilter : public QSortFilterProxyModel {
public:
    DatabaseFileFilter(bool hideOpenDatabase, QObject* parent) : QSortFilterProxyModel(parent), hideOpenDatabase_(hideOpenDatabase) {}

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files)
            return true;
        const QModelIndex index = files->index(row, 0, parent);
        if (files->isDir(index))
            return true;
        const QString path = files->filePath(index);
        if (db::IsDatabaseCompanionName(path))
            return false;
        return !(hideOpenDatabase_ && db::IsOpenDatabaseFile(path));
    }

private:
    bool hideOpenDatabase_;
};

// The program writes filters as "description|pattern|description|pattern";
// the file dialog wants "description (pattern);;...".
QString dialogFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = parts[i + 1];
        out << (description.contains(QLatin1Char('(')) ? description : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return out.join(QStringLiteral(";;"));
}

} // namespace

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const QString& title, const QString& filter, bool forSaving,
                                            const QString& directory)
{
    auto dialog = std::make_unique<QFileDialog>(parent, title, directory, dialogFilter(filter));
    // The platform's own dialog runs code we cannot keep from reading files.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontUseCustomDirectoryIcons);
    // One for the program, never freed: the model's gatherer thread may still
    // ask it while a dialog is being torn down.
    static NameOnlyIconProvider* const icons = new NameOnlyIconProvider;
    dialog->setIconProvider(icons);
    dialog->setProxyModel(new DatabaseFileFilter(forSaving, dialog.get()));
    dialog->setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return dialog;
}

QString DatabaseFileRefusal(const QString& path)
{
    return QStringLiteral("%1 belongs to the station's database and cannot be written to. Please choose another file name.")
        .arg(QFileInfo(path).fileName());
}

} // namespace shell
