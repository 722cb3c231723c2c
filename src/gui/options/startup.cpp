#include "gui/options/startup.h"

#include <QCoreApplication>
#include <QDir>

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
    paths.programDirectory =
        DirectoryWithSlash(QCoreApplication::applicationDirPath()).toStdString();
    paths.installDirectory = paths.programDirectory;
    if (arguments.size() > 1)
        paths.pictureDir = DirectoryWithSlash(arguments.at(1));
    return paths;
}

} // namespace pagoranto
