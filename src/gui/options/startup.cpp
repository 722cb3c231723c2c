#include "gui/options/startup.h"

#include "core/platform/settingsdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pagoranto {

void PrepareApplication()
{
    // The embedded browser shares its OpenGL context with the windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QString DirectoryWithSlash(const QString &directory)
{
    const QString absolute = QDir(directory).absolutePath();
    return absolute.endsWith(QLatin1Char('/')) ? absolute : absolute + QLatin1Char('/');
}

StartupPaths StartupPathsFromArguments(const QStringList &arguments)
{
    StartupPaths paths;
    paths.installDirectory =
        DirectoryWithSlash(QCoreApplication::applicationDirPath()).toStdString();
    paths.programDirectory =
        SettingsDirectory(paths.installDirectory, UserFoldersFromEnvironment());
    if (arguments.size() > 1) {
        // A photo dropped on the launcher opens its folder.
        const QFileInfo given(arguments.at(1));
        paths.pictureDir =
            DirectoryWithSlash(given.isFile() ? given.absolutePath() : given.absoluteFilePath());
    }
    return paths;
}

} // namespace pagoranto
