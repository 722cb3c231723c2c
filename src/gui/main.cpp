// pagoranto: the desktop program. An optional argument names the picture directory shown first.
#include "core/platform/allocatortuning.h"
#include "gui/options/startup.h"
#include "gui/options/startuptimes.h"
#include "gui/options/tform1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    pagoranto::ReturnLargeBuffersToSystem();
    pagoranto::PrepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagoranto"));

    pagoranto::TForm1 form(pagoranto::StartupPathsFromArguments(QCoreApplication::arguments()));
    // Set to the launch time (`date +%s%N`) by the start-up benchmark.
    if (qEnvironmentVariableIsSet("PAGORANTO_STARTUP_TIMING"))
        new pagoranto::StartupTimes(form, qEnvironmentVariable("PAGORANTO_STARTUP_TIMING"));
    form.show();
    return app.exec();
}
