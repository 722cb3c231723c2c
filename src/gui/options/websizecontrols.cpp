#include "gui/options/websizecontrols.h"

#include "core/options/websizebox.h"
#include "gui/pictures/tcopywin.h"
#include "gui/platform/qttext.h"
#include "gui/ui/fieldlimits.h"

#include <QGridLayout>

namespace pagoranto {

namespace {

const QString boxTip = QStringLiteral(
    "Pages show a copy of each photo larger than this box, made into the folder beside the "
    "thumbnails; the photos stay as they are");

} // namespace

WebSizeControls::WebSizeControls(WebSizeOptions &options, QWidget *parent)
    : QWidget(parent), m_options(options)
{
    setObjectName(QStringLiteral("webSizeControls"));
    WebSizePictures = new QCheckBox(QStringLiteral("Web-size pictures"), this);
    WebSizePictures->setObjectName(QStringLiteral("WebSizePictures"));
    WebSizePictures->setToolTip(boxTip);

    webSizeBox = new QComboBox(this);
    webSizeBox->setObjectName(QStringLiteral("webSizeBox"));
    webSizeBox->setEditable(true);
    webSizeBox->setInsertPolicy(QComboBox::NoInsert);
    webSizeBox->setToolTip(boxTip +
                           QStringLiteral(".\nChoose a size or type width x height, each from "
                                          "16 to 10000."));
    webSizeBox->addItem(ToQString(WebSizeBoxText(
        {webSizeFields::WebSizeWidth.initial, webSizeFields::WebSizeHeight.initial})));
    for (const CopySize &size : copySizes)
        webSizeBox->addItem(ToQString(WebSizeBoxText({size.width, size.height})));

    webdirLabel = new QLabel(QStringLiteral("Folder"), this);
    webdir = new QLineEdit(this);
    webdir->setObjectName(QStringLiteral("webdir"));
    ApplyFieldLimits(webdir, webSizeFields::webdir);
    webdir->setToolTip(QStringLiteral("The folder of the web-size copies, made beside the "
                                      "thumbnails: letters, digits, \"-\" and \"_\""));
    webdirLabel->setBuddy(webdir);

    boxRefused = new QLabel(this);
    boxRefused->setObjectName(QStringLiteral("boxRefused"));
    boxRefused->setWordWrap(true);
    boxRefused->setStyleSheet(QStringLiteral("color: #b00000;"));
    boxRefused->hide();

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(WebSizePictures, 0, 0);
    grid->addWidget(webSizeBox, 0, 1);
    grid->addWidget(webdirLabel, 1, 0, Qt::AlignRight);
    grid->addWidget(webdir, 1, 1);
    grid->addWidget(boxRefused, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(WebSizePictures, &QCheckBox::toggled, this, [this](bool on) {
        m_options.WebSizePictures = on;
        EnableDetails(on);
        emit optionsChanged();
    });
    connect(webSizeBox, &QComboBox::textActivated, this, &WebSizeControls::CommitBox);
    connect(webSizeBox->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { CommitBox(webSizeBox->currentText()); });
    connect(webSizeBox->lineEdit(), &QLineEdit::textEdited, boxRefused, &QLabel::hide);
    connect(webdir, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_options.webdir = ToEngineText(text);
        emit optionsChanged();
    });
    ShowOptions();
}

void WebSizeControls::ShowOptions()
{
    const WebSizeOptions shown = m_options;
    WebSizePictures->setChecked(shown.WebSizePictures);
    webSizeBox->setEditText(BoxText());
    webdir->setText(ToQString(shown.webdir));
    boxRefused->hide();
    EnableDetails(shown.WebSizePictures);
}

void WebSizeControls::CommitBox(const QString &text)
{
    // Return reaches us twice, the second time with the box shown again after a refusal.
    if (text == BoxText())
        return;
    const std::optional<PixelSize> box = ParseWebSizeBox(ToEngineText(text));
    if (!box) {
        boxRefused->setText(QStringLiteral("\"%1\" is no size: type width x height, each from 16 "
                                           "to 10000. The box stays %2.")
                                .arg(text, BoxText()));
        boxRefused->show();
        webSizeBox->setEditText(BoxText());
        return;
    }
    boxRefused->hide();
    const bool changed =
        box->width != m_options.WebSizeWidth || box->height != m_options.WebSizeHeight;
    m_options.WebSizeWidth = box->width;
    m_options.WebSizeHeight = box->height;
    webSizeBox->setEditText(BoxText());
    if (changed)
        emit optionsChanged();
}

void WebSizeControls::EnableDetails(bool on)
{
    for (QWidget *detail : std::initializer_list<QWidget *>{webSizeBox, webdirLabel, webdir})
        detail->setEnabled(on);
}

QString WebSizeControls::BoxText() const
{
    return ToQString(WebSizeBoxText({m_options.WebSizeWidth, m_options.WebSizeHeight}));
}

} // namespace pagoranto
