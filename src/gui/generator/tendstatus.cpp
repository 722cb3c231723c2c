#include "gui/generator/tendstatus.h"

#include "core/generator/endstatusshow.h"
#include "core/pictures/unreadablepictures.h"
#include "core/platform/shell.h"
#include "core/text/bytetext.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"
#include "gui/publish/publishwindow.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

constexpr const char *copyNote =
    "Press Publish to send the gallery to your web server over SSH or to a folder, only what "
    "changed. Copying it yourself? Keep the directory structure as it is on your disk: the pages "
    "find their pictures and thumbnails through relative paths.";

constexpr const char *caseNote =
    "Web servers tell upper-case and lower-case letters apart in directory and file names. "
    "Do not change the case of any name after the gallery was created, or its links break. "
    "For names of your own, use only the letters a to z and A to Z, the digits 0 to 9 and \"_\".";

QFrame *TitlePanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName("titlePanel");
    panel->setStyleSheet("#titlePanel { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
                         " stop:0 #1c4f80, stop:1 #6aa6dc); border-radius: 4px; }"
                         "#titlePanel QLabel { color: white; }");
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(14, 10, 14, 10);
    auto *title = new QLabel("Gallery created", panel);
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 6);
    font.setBold(true);
    title->setFont(font);
    layout->addWidget(title);
    layout->addWidget(
        new QLabel("Your gallery is ready for the WorldWideWeb ! Enjoy it...", panel));
    return panel;
}

QPlainTextEdit *Note(const char *name, const char *text, QWidget *parent)
{
    auto *note = new QPlainTextEdit(QString::fromUtf8(text), parent);
    note->setObjectName(name);
    note->setReadOnly(true);
    note->setFixedHeight(84);
    return note;
}

} // namespace

Tendstatus::Tendstatus(Shell &shell, MessageBox &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_shell(shell),
      m_prompts(prompts)
{
    setObjectName("Tendstatus");
    setWindowTitle("Creation status");
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(TitlePanel(this));
    layout->addWidget(UnreadablePanel());

    auto *places = new QGroupBox(this);
    auto *fields = new QVBoxLayout(places);
    d_pages = addField(fields, "d_pages",
                       "Directory of the pages - Hint: Copy the complete content of this "
                       "directory to your domain",
                       m_showPages);
    d_images = addField(fields, "d_images", "Directory of the  original images", m_showImages);
    d_thumbnails =
        addField(fields, "d_thumbnails", "Directory of the thumbnails - [if used in the template]",
                 m_showThumbnails);
    d_firstpage = addField(fields, "d_firstpage", "The first gallery page", m_showFirstPage);
    layout->addWidget(places);

    auto *important = new QGroupBox("I M P O R T A N T", this);
    important->setObjectName("importantPanel");
    auto *notes = new QHBoxLayout(important);
    auto *noteColumn = new QVBoxLayout;
    noteColumn->addWidget(Note("copyNote", copyNote, important));
    noteColumn->addWidget(Note("caseNote", caseNote, important));
    notes->addLayout(noteColumn, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    m_publish = new QPushButton("Publish...", important);
    m_publish->setObjectName("publish");
    m_publish->setToolTip("Send the gallery to your web server or a folder");
    m_publish->setMinimumWidth(90);
    m_publish->hide();
    buttons->addWidget(m_publish);
    auto *ok = new QPushButton("OK", important);
    ok->setObjectName("OK");
    ok->setDefault(true);
    ok->setMinimumWidth(90);
    buttons->addWidget(ok);
    notes->addLayout(buttons);
    layout->addWidget(important);

    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(620);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_showPages, &QPushButton::clicked, this, [this] { showDirectory(d_pages); });
    connect(m_showImages, &QPushButton::clicked, this, [this] { showDirectory(d_images); });
    connect(m_showThumbnails, &QPushButton::clicked, this, [this] { showDirectory(d_thumbnails); });
    connect(m_showFirstPage, &QPushButton::clicked, this, &Tendstatus::showFirstPageClick);
    connect(m_publish, &QPushButton::clicked, this, &Tendstatus::PublishClick);
}

void Tendstatus::setPublishWindow(PublishWindow *window)
{
    m_publishWindow = window;
    m_publish->setVisible(window != nullptr);
}

void Tendstatus::PublishClick()
{
    if (m_publishWindow)
        m_publishWindow->ShowFor(ToEngineText(d_pages->text()));
}

QFrame *Tendstatus::UnreadablePanel()
{
    m_unreadablePanel = new QFrame(this);
    m_unreadablePanel->setObjectName("unreadablePanel");
    m_unreadablePanel->setStyleSheet("#unreadablePanel { background: #fff4e5; border: 1px solid "
                                     "#e3a33b; border-radius: 4px; }"
                                     "#unreadablePanel QLabel { color: #7a2a00; }");
    auto *layout = new QHBoxLayout(m_unreadablePanel);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(10);
    auto *sign = new QLabel(m_unreadablePanel);
    const int signSize = style()->pixelMetric(QStyle::PM_SmallIconSize) * 3 / 2;
    sign->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(signSize));
    layout->addWidget(sign, 0, Qt::AlignTop);
    unreadablePictures = new QLabel(m_unreadablePanel);
    unreadablePictures->setObjectName("unreadablePictures");
    unreadablePictures->setWordWrap(true);
    unreadablePictures->setTextFormat(Qt::PlainText);
    unreadablePictures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = unreadablePictures->font();
    font.setBold(true);
    unreadablePictures->setFont(font);
    m_unreadableHint = new QLabel(m_unreadablePanel);
    m_unreadableHint->setWordWrap(true);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(unreadablePictures);
    texts->addWidget(m_unreadableHint);
    layout->addLayout(texts, 1);
    m_unreadablePanel->hide();
    return m_unreadablePanel;
}

QLineEdit *Tendstatus::addField(QVBoxLayout *layout, const char *name, const QString &label,
                                QPushButton *&show)
{
    layout->addWidget(new QLabel(label, this));
    auto *row = new QHBoxLayout;
    auto *field = new QLineEdit(this);
    field->setObjectName(name);
    field->setReadOnly(true);
    row->addWidget(field, 1);
    show = new QPushButton("Show", this);
    show->setObjectName(QString("show_") + name);
    row->addWidget(show);
    layout->addLayout(row);
    return field;
}

int Tendstatus::ShowEndStatus(const EndStatus &status, BrowserStart choice)
{
    m_browserChoice = choice;
    d_pages->setText(ToQString(status.d_pages));
    d_images->setText(ToQString(status.d_images));
    d_thumbnails->setText(ToQString(status.d_thumbnails));
    d_firstpage->setText(ToQString(status.d_firstpage));
    showUnreadablePictures(status.unreadablePictures);
    enableShowButtons();

    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    return exec();
}

void Tendstatus::showUnreadablePictures(const std::vector<std::string> &pictures)
{
    unreadablePictures->setText(ToQString(ToUtf8(UnreadablePicturesText(pictures))));
    m_unreadableHint->setText(
        pictures.size() == 1
            ? QStringLiteral("The gallery cannot show it: check the file or leave it out.")
            : QStringLiteral("The gallery cannot show them: check the files or leave them out."));
    // The line names only a few; the whole list is at hand all the same.
    QStringList names;
    for (const std::string &picture : pictures)
        names.append(ToQString(ToUtf8(picture)));
    unreadablePictures->setToolTip(names.join('\n'));
    m_unreadablePanel->setVisible(!pictures.empty());
}

void Tendstatus::enableShowButtons()
{
    const auto exists = [](const QLineEdit *field) {
        return EndStatusPathExists(ToEngineText(field->text()));
    };
    m_showPages->setEnabled(exists(d_pages));
    m_showImages->setEnabled(exists(d_images));
    m_showThumbnails->setEnabled(exists(d_thumbnails));
    m_showFirstPage->setEnabled(exists(d_firstpage));
    m_publish->setEnabled(exists(d_pages));
}

void Tendstatus::showDirectory(const QLineEdit *field)
{
    ShowEndStatusFolder(m_shell, m_prompts, ToEngineText(field->text()));
}

void Tendstatus::showFirstPageClick()
{
    // The message belongs in front of this modal window, not behind it.
    QWidget *previousParent = m_prompts.parentWindow();
    m_prompts.setParentWindow(this);
    ShowFirstGalleryPage(m_shell, m_prompts, m_browserChoice, ToEngineText(d_firstpage->text()));
    m_prompts.setParentWindow(previousParent);
}

} // namespace pagoranto
