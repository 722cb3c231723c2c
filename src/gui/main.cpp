// pagoranto: the desktop program. An optional argument names the picture directory shown first.
#include "gui/options/tform1.h"

#include <QApplication>
#include <QDir>

namespace {

QString DirectoryWithSlash(const QString &directory)
{
    const QString absolute = QDir(directory).absolutePath();
    return absolute.endsWith(QLatin1Char('/')) ? absolute : absolute + QLatin1Char('/');
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagoranto"));

    pagoranto::StartupPaths paths;
    paths.programDirectory = DirectoryWithSlash(QCoreApplication::applicationDirPath()).toStdString();
    paths.installDirectory = paths.programDirectory;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        paths.pictureDir = DirectoryWithSlash(arguments.at(1));

    pagoranto::TForm1 form(paths);
    form.show();
    return app.exec();
}
