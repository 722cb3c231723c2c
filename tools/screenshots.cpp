// Takes pictures of the main window, the option windows, the picture-list window and the end
// status window while it makes the sample gallery with web-size pictures, then of the description,
// destination, copy and viewer windows with a picture in each, then of the layout manager and the
// template source editor with a template, then of the publish window before, during and after
// publishing the gallery to a folder and of the window ssh asks about an unknown server in, for the
// README and for reviewing the look of the windows.
// Usage: pagoranto-screenshots PROGRAM_DIR OUTPUT_DIR
#include "core/text/linefile.h"
#include "gui/askpass/askpasswindow.h"
#include "gui/generator/tcreationwindow.h"
#include "gui/generator/tendstatus.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/tbefehlsinfofenster.h"
#include "gui/options/tform1.h"
#include "gui/options/theaderfooterwindow.h"
#include "gui/options/thiddenoptwindow.h"
#include "gui/options/tnavigationsleistewindow.h"
#include "gui/options/tpagenamewindow.h"
#include "gui/options/tquickinfo.h"
#include "gui/options/tthreegalleries.h"
#include "gui/options/tthumbnaileropt.h"
#include "gui/options/ttoolwindow.h"
#include "gui/options/twebtoolwindow.h"
#include "gui/options/wizardpanel.h"
#include "gui/pictures/tcopywin.h"
#include "gui/pictures/tdestinationwin.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/pictures/timagedescription.h"
#include "gui/pictures/tshowfullpicture.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/publish/publishwindow.h"
#include "gui/templates/tlayoutmanager.h"
#include "gui/templates/twinrichedit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <functional>

using namespace pagoranto;
namespace fs = std::filesystem;

namespace {

void Save(QWidget *window, const QString &file)
{
    if (window->grab().save(file))
        std::printf("%s\n", qPrintable(file));
    else
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
}

// Waits with a running event loop, so that the windows paint.
void Settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// A window the program shows modally, shown for the picture and hidden again.
void SaveShown(QWidget *window, const QString &output)
{
    window->show();
    Settle(400);
    Save(window, output + window->objectName() + QStringLiteral(".png"));
    window->hide();
}

// What users' folders hold now and then: a photo cut off while copying, an empty file and one
// that only looks like a picture, so the list and the end window show how they mark them.
void WriteDamagedPictures(const std::string &pictures)
{
    const std::string photo = ReadFileBytes(pictures + "lighthouse.jpg").value_or(std::string());
    WriteFileBytes(pictures + "lighthouse_cut.jpg", photo.substr(0, photo.size() * 55 / 100));
    WriteFileBytes(pictures + "broken_upload.jpg", "<html>Upload failed</html>");
    WriteFileBytes(pictures + "empty_copy.jpg", "");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pagoranto-screenshots PROGRAM_DIR OUTPUT_DIR\n");
        return 2;
    }
    const fs::path programSource = argv[1];
    const QString output = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + '/';
    QDir().mkpath(output);

    // A copy of the program directory, so that its option files stay as they are.
    QTemporaryDir scratch;
    const std::string program = scratch.filePath("program/").toStdString();
    const std::string pictures = scratch.filePath("pictures/").toStdString();
    fs::create_directories(program + "thumbnailer");
    fs::create_directories(pictures);
    fs::copy(programSource / "layouts", program + "layouts", fs::copy_options::recursive);
    for (const char *file : {"info.html", "descriptionempty.txt", "changes.txt"})
        if (fs::exists(programSource / file))
            fs::copy_file(programSource / file, program + file);
    for (const auto &entry : fs::directory_iterator(programSource / "samples"))
        fs::copy_file(entry.path(), pictures + entry.path().filename().string());
    fs::copy(programSource / "samples", program + "samples", fs::copy_options::recursive);
    WriteDamagedPictures(pictures);

    MessageBox::setResponder({});
    TForm1 form(
        {program, fs::absolute(programSource).string() + "/", QString::fromStdString(pictures)},
        InformationTimes{0, 0});
    form.show();
    form.FormActivate();
    auto *list = form.findChild<ThumbnailList *>(QStringLiteral("ListView1"));
    auto *listWindow = form.findChild<Tfilelistwindow *>(QStringLiteral("Tfilelistwindow"));
    auto *endWindow = form.findChild<Tendstatus *>(QStringLiteral("Tendstatus"));
    while (list->thumbnailListBuilding() || list->count() == 0)
        Settle(50);
    FileDialog::setNextFileName(QString::fromStdString(program + "layouts/showcase.html"));
    form.Selectpagelayout1Click();
    form.reloadthumbnailsClick();
    for (int i = 0; i < list->count(); ++i)
        list->setChecked(i, i % 4 != 3);
    Settle(1500);
    Save(&form, output + "main-window.png");
    Save(list, output + "thumbnail-list.png");
    for (const char *name :
         {"Thiddenoptwindow", "Tbefehlsinfo_fenster", "THeaderFooterWindow", "Twebassistentwindow"})
        SaveShown(form.findChild<QDialog *>(QLatin1String(name)), output);

    // The option windows, each named after its class.
    const auto photograph = [&](QDialog *window, const std::function<void()> &prepare) {
        window->show();
        if (prepare)
            prepare();
        Settle(700);
        Save(window, output + window->objectName() + ".png");
        window->hide();
    };
    auto *thumbnailOptions = form.findChild<TThumbnailerOpt *>(QStringLiteral("TThumbnailerOpt"));
    photograph(thumbnailOptions,
               [thumbnailOptions] { thumbnailOptions->CheckBox2->setChecked(true); });
    photograph(
        form.findChild<Tnavigationsleistewindow *>(QStringLiteral("Tnavigationsleistewindow")), {});
    photograph(form.findChild<TQuickinfo *>(QStringLiteral("TQuickinfo")), {});
    photograph(form.findChild<Tthreegalleries *>(QStringLiteral("Tthreegalleries")), {});
    auto *webtools = form.findChild<Twebtool_window *>(QStringLiteral("Twebtool_window"));
    photograph(webtools, [webtools] {
        webtools->setPaths({"/usr/bin/bluefish", "/usr/bin/kate", ""});
    });
    auto *tools = form.findChild<Ttoolwindow *>(QStringLiteral("Ttoolwindow"));
    photograph(tools, [tools] { tools->setPaths({"/usr/bin/gimp", "", ""}); });
    auto *pageNames = form.findChild<Tpagenamewindow *>(QStringLiteral("Tpagenamewindow"));
    photograph(pageNames, [pageNames] {
        pageNames->Edit1->setText(QStringLiteral("album_$nd$"));
        pageNames->Button1Click();
    });

    // Web-size pictures: the control on its tab, the wizard's line and where the copies go.
    auto *special = form.findChild<SpecialOptionsPanel *>(QStringLiteral("Panel11"));
    special->webSize->WebSizePictures->setChecked(true);
    special->webSize->CommitBox(QStringLiteral("640 x 480"));
    form.SelectTab(TForm1::OptionTab::specialOptions);
    Settle(500);
    Save(&form, output + "web-size-options.png");
    Save(form.findChild<WizardPanel *>(QStringLiteral("Panel21")), output + "web-size-wizard.png");
    form.ToolButton3Click();
    Settle(500);
    Save(&form, output + "web-size-directory-levels.png");
    form.reloadthumbnailsClick();

    auto *creationWindow = form.findChild<TCreationWindow *>(QStringLiteral("TCreationWindow"));
    QTimer webSizeProgress;
    QObject::connect(&webSizeProgress, &QTimer::timeout, [&] {
        if (creationWindow->progressLine().isEmpty())
            return;
        webSizeProgress.stop();
        Save(creationWindow, output + "web-size-progress.png");
    });
    webSizeProgress.start(0);

    QTimer pictureList;
    QObject::connect(&pictureList, &QTimer::timeout, [&] {
        if (!listWindow->isVisible())
            return;
        pictureList.stop();
        Settle(500);
        Save(listWindow, output + "picture-list.png");
        listWindow->startButton->click();
    });
    pictureList.start(20);
    QString galleryFolder;
    QTimer endStatus;
    QObject::connect(&endStatus, &QTimer::timeout, [&] {
        if (!endWindow->isVisible())
            return;
        endStatus.stop();
        galleryFolder = endWindow->d_pages->text();
        Settle(500);
        Save(endWindow, output + "end-status.png");
        endWindow->accept();
    });
    endStatus.start(20);
    form.Button3Click();
    Settle(300);

    // The same gallery again over the pages of a longer earlier one, answered through real
    // message boxes: the question about those pages is photographed.
    for (int page = 40; page <= 45; ++page)
        WriteFileBytes(pictures + "page00" + std::to_string(page) + ".html", "<p>earlier</p>");
    MessageBox::clearScript();
    bool shooting = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (shooting)
            return;
        if (listWindow->isVisible()) {
            listWindow->startButton->click();
            return;
        }
        if (endWindow->isVisible()) {
            endWindow->accept();
            return;
        }
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box->text().contains(QStringLiteral("earlier gallery"))) {
            shooting = true;
            Settle(400);
            Save(box, output + "old-pages-question.png");
            shooting = false;
            box->button(QMessageBox::No)->click();
        } else {
            QAbstractButton *ok = box->button(QMessageBox::Ok);
            (ok ? ok : box->button(QMessageBox::Yes))->click();
        }
    });
    answer.start(50);
    form.Button3Click();
    answer.stop();
    MessageBox::setResponder({});
    Settle(300);

    // The picture windows, each with a picture in it, shown without their modal loops.
    const QString pictureDir = QString::fromStdString(pictures);
    const std::vector<std::string> ticked = list->CollectCheckedPictures();
    const auto shoot = [&](QDialog *window, QSize size, const std::function<void()> &loaded) {
        window->resize(size);
        window->show();
        Settle(300);
        loaded();
        Settle(500);
        Save(window, output + window->objectName() + ".png");
        window->hide();
    };

    auto *description = form.findChild<Timagedescription *>(QStringLiteral("Timagedescription"));
    description->Prepare(QStringLiteral("*.jpg"), pictureDir, ticked);
    shoot(description, QSize(1200, 800), [&] {
        description->ChoosePicture(list->caption(2));
        description->WaitForPicture();
    });

    auto *destination = form.findChild<Tdestinationwin *>(QStringLiteral("Tdestinationwin"));
    destination->setDirectory(pictureDir);
    shoot(destination, QSize(900, 560), [] {});

    auto *copy = form.findChild<Tcopywin *>(QStringLiteral("Tcopywin"));
    fs::create_directories(pictures + "copies");
    copy->setDestination(pictureDir + QStringLiteral("copies/"));
    copy->Prepare(ticked, pictureDir);
    copy->RadioButton2->click();
    copy->resizeImages->click();
    shoot(copy, QSize(1250, 640), [&] {
        copy->startCopy->click();
        copy->WaitForCopy();
    });

    auto *panel = form.findChild<ThumbnailPanel *>(QStringLiteral("thumbnail"));
    auto *viewer = form.findChild<Tshowfullpicture *>(QStringLiteral("Tshowfullpicture"));
    panel->ShowPreview(2);
    shoot(viewer, QSize(1100, 800), [&] { viewer->WaitForPicture(); });

    // The layout manager previewing a template, and the template in the source editor.
    const QString showcase = QString::fromStdString(program + "layouts/showcase.html");
    auto *manager = form.findChild<TLayoutmanager *>(QStringLiteral("TLayoutmanager"));
    manager->show();
    manager->setTemplateDir(QString::fromStdString(program + "layouts/"));
    manager->SelectTemplate(QStringLiteral("showcase.html"));
    Settle(2500);
    Save(manager, output + manager->objectName() + ".png");
    manager->hide();
    auto *editor = form.findChild<Twinrichedit *>(QStringLiteral("Twinrichedit"));
    editor->OpenTemplate(showcase);
    shoot(editor, QSize(900, 650), [] {});

    // Publishing the gallery to a folder: the window as it opens, a slowed-down transfer caught
    // in the middle, and the window after a complete publish.
    const QString server = scratch.filePath("server");
    auto *publish = form.findChild<PublishWindow *>(QStringLiteral("PublishWindow"));
    publish->Prepare(galleryFolder.toStdString());
    publish->destination->setText(server);
    SaveShown(publish, output + "publish-idle-");
    PublishSetup slow;
    slow.settingsDirectory = program;
    slow.extraRsyncArguments = {"--bwlimit=150"};
    PublishWindow slowPublish(slow, form.prompts());
    slowPublish.Prepare(galleryFolder.toStdString());
    slowPublish.destination->setText(server);
    slowPublish.show();
    QTimer during;
    QObject::connect(&during, &QTimer::timeout, [&] {
        if (slowPublish.filesSent->text().toInt() < 2)
            return;
        during.stop();
        Save(&slowPublish, output + "publish-progress.png");
        slowPublish.StopClick();
    });
    during.start(50);
    slowPublish.PublishClick();
    slowPublish.hide();
    publish->show();
    publish->PublishClick();
    Settle(300);
    Save(publish, output + "publish-done.png");
    publish->hide();

    AskpassWindow askpass(
        QStringLiteral("The authenticity of host 'photos.example.org (192.0.2.7)' can't be "
                       "established.\nED25519 key fingerprint is "
                       "SHA256:u2G8rDfd+Tt0lQ/8PHc3kq1Vv0Zp9cXn1c0b2H3d4eE.\nThis key is not "
                       "known by any other names.\nAre you sure you want to continue connecting "
                       "(yes/no/[fingerprint])? "),
        QString());
    SaveShown(&askpass, output + "askpass-host-key-");
    AskpassWindow password(QStringLiteral("anna@photos.example.org's password: "), QString());
    SaveShown(&password, output + "askpass-password-");
    return 0;
}
