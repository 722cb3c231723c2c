// Starts the desktop program as main() does and plays one scenario through its own prompt and
// file-dialog wrappers, so that start-up and a whole run meet real window-system events:
//   desktopprobe startup PROGRAM_DIR INSTALL_DIR PICTURE_DIR
//   desktopprobe gallery PROGRAM_DIR INSTALL_DIR PICTURE_DIR LAYOUT
// Exit status: 0 the scenario ended as expected, 1 it ended wrongly, 2 it hung.
#include "gui/generator/tendstatus.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/startup.h"
#include "gui/options/tform1.h"
#include "gui/options/tinfofenster.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/support/qtchildren.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace pagoranto;
using pagoranto::testing::Child;

namespace {

constexpr int hangAfterMs = 90000;

[[noreturn]] void Fail(int status, const char *why)
{
    std::fprintf(stderr, "desktopprobe: %s\n", why);
    std::fflush(stderr);
    std::_Exit(status);
}

// Calls step on every pass of the event loop, nested loops included, until it returns true.
void EveryPass(QObject *owner, std::function<bool()> step)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, step = std::move(step)] {
        // Stopped first: the step may run a nested loop, where the timer would fire again.
        timer->stop();
        if (step())
            timer->deleteLater();
        else
            timer->start();
    });
    timer->start();
}

// The start is over when the options are read, the first list is built and the information
// window has gone.
bool StartedUp(TForm1 &form, bool firstBuildFinished)
{
    return form.optionsLoaded() && firstBuildFinished &&
           !Child<Tinfofenster>(&form, "Tinfofenster")->isVisible() && form.isActiveWindow();
}

void Quit(TForm1 &form)
{
    MessageBox::queueAnswer(PromptAnswer::Yes);
    if (!form.close())
        Fail(1, "the main window refused to close");
}

void MakeGallery(TForm1 &form, const QString &layout)
{
    ThumbnailList *list = Child<ThumbnailList>(&form, "ListView1");
    if (list->count() == 0)
        Fail(1, "the thumbnail list is empty");
    list->SelectAllPictures();
    FileDialog::setNextFileName(layout);
    form.Selectpagelayout1Click();
    Child<QCheckBox>(&form, "createthumbnails")->setChecked(form.thumbnailerIsPresent());
    EveryPass(&form, [&form] {
        if (!Child<Tfilelistwindow>(&form, "Tfilelistwindow")->isVisible())
            return false;
        Child<Tfilelistwindow>(&form, "Tfilelistwindow")->startButton->click();
        return true;
    });
    EveryPass(&form, [&form] {
        if (!Child<Tendstatus>(&form, "Tendstatus")->isVisible())
            return false;
        Child<Tendstatus>(&form, "Tendstatus")->accept();
        return true;
    });
    Child<QPushButton>(&form, "Button3")->click();
    if (form.run().outcome() != RunOutcome::Completed)
        Fail(1, "the gallery run did not complete");
}

} // namespace

int main(int argc, char **argv)
{
    PrepareApplication();
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString scenario = arguments.value(1);
    if (arguments.size() < 5 || (scenario == QStringLiteral("gallery") && arguments.size() < 6))
        Fail(1, "usage: desktopprobe startup|gallery PROGRAM_DIR INSTALL_DIR PICTURE_DIR [LAYOUT]");

    StartupPaths paths;
    paths.programDirectory = DirectoryWithSlash(arguments.at(2)).toStdString();
    paths.installDirectory = DirectoryWithSlash(arguments.at(3)).toStdString();
    paths.pictureDir = DirectoryWithSlash(arguments.at(4));
    // Every box is answered with its first button, and recorded.
    MessageBox::setResponder({});
    QTimer::singleShot(hangAfterMs, [] { Fail(2, "hung"); });

    TForm1 form(paths, InformationTimes{2000, 0});
    bool firstBuildFinished = false;
    QObject::connect(Child<ThumbnailList>(&form, "ListView1"), &ThumbnailList::buildFinished, &form,
                     [&firstBuildFinished] { firstBuildFinished = true; });
    form.show();
    EveryPass(&form, [&] {
        if (!StartedUp(form, firstBuildFinished))
            return false;
        // Leave the nested loop of this pass before the scenario starts its own.
        QTimer::singleShot(0, &form, [&] {
            if (scenario == QStringLiteral("gallery"))
                MakeGallery(form, arguments.at(5));
            Quit(form);
        });
        return true;
    });
    return app.exec();
}
