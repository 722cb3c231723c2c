#include "gui/platform/filedialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace pagoranto {

namespace {

// Qt's own dialog refuses a directory that is not there yet with a warning of its own.
class NewDirectoryDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !QFileInfo::exists(chosen.constFirst())) {
            done(QDialog::Accepted);
            return;
        }
        QFileDialog::accept();
    }
};

std::optional<QString> &nextFileName()
{
    static std::optional<QString> next;
    return next;
}

} // namespace

void FileDialog::setNextFileName(const QString &fileName)
{
    nextFileName() = fileName;
}

std::optional<QString> FileDialog::takeNextFileName()
{
    std::optional<QString> next = nextFileName();
    nextFileName().reset();
    return next;
}

QString FileDialog::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter)
{
    if (auto next = takeNextFileName())
        return *next;
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString FileDialog::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter, const QString &defaultSuffix)
{
    if (auto next = takeNextFileName())
        return *next;
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString FileDialog::getOpenProgramName(QWidget *parent, const QString &caption, const QString &dir)
{
    if (auto next = takeNextFileName())
        return *next;
    QFileDialog dialog(parent, caption, dir, QStringLiteral("Programs (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The desktop's own dialog ignores the executable filter.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString FileDialog::getExistingDirectory(QWidget *parent, const QString &caption,
                                         const QString &dir)
{
    if (auto next = takeNextFileName())
        return *next;
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

QString FileDialog::getDirectoryMaybeNew(QWidget *parent, const QString &caption,
                                         const QString &dir)
{
    if (auto next = takeNextFileName())
        return *next;
    NewDirectoryDialog dialog(parent, caption, dir);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace pagoranto
