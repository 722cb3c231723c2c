#pragma once

#include <QString>
#include <QWidget>
#include <optional>

namespace pagoranto {

// Every file dialog of the program. Tests set the next answer instead of opening a dialog:
// a file name, or an empty text for Cancel.
class FileDialog {
public:
    static QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter);
    static QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter, const QString &defaultSuffix);
    // Offers programs only: directories and files that may be executed.
    static QString getOpenProgramName(QWidget *parent, const QString &caption, const QString &dir);
    static QString getExistingDirectory(QWidget *parent, const QString &caption,
                                        const QString &dir);
    // Also takes a typed-in name of a directory that does not exist yet; the caller offers to
    // create it.
    static QString getDirectoryMaybeNew(QWidget *parent, const QString &caption,
                                        const QString &dir);

    static void setNextFileName(const QString &fileName);

private:
    static std::optional<QString> takeNextFileName();
};

} // namespace pagoranto
