#include "gui/options/linktextspanel.h"

#include "core/generator/recursionguard.h"
#include "core/options/additionaloptionsfile.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"
#include "gui/ui/fieldlimits.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

const QString commandConfigFilter = QStringLiteral("Command Config Datas (*.ccd)");

} // namespace

LinkTextsPanel::LinkTextsPanel(LinkTexts &texts, MessageBox &prompts,
                               QString commandConfigDirectory, QWidget *parent)
    : QWidget(parent), m_texts(texts), m_prompts(prompts),
      m_commandConfigDirectory(std::move(commandConfigDirectory))
{
    setObjectName(QStringLiteral("Panel8"));
    auto *links = new QGroupBox(QStringLiteral("Link texts of the navigation"), this);
    auto *linkForm = new QFormLayout(links);
    previous_label = AddTextField("previous_label", linkTextFields::previous_label,
                                  m_texts.previous_label, "$previous$");
    Next_label =
        AddTextField("Next_label", linkTextFields::Next_label, m_texts.Next_label, "$next$");
    first_label =
        AddTextField("first_label", linkTextFields::first_label, m_texts.first_label, "$first$");
    Last_label =
        AddTextField("Last_label", linkTextFields::Last_label, m_texts.Last_label, "$last$");
    linkForm->addRow(QStringLiteral("$PREVIOUS$"), previous_label);
    linkForm->addRow(QStringLiteral("$NEXT$"), Next_label);
    linkForm->addRow(QStringLiteral("$FIRST$"), first_label);
    linkForm->addRow(QStringLiteral("$LAST$"), Last_label);

    auto *more = new QGroupBox(QStringLiteral("Free text and homepage link"), this);
    auto *moreForm = new QFormLayout(more);
    freetext = AddTextField("freetext", linkTextFields::freetext, m_texts.freetext, "$freetext$");
    Linkchecker = new QCheckBox(
        QStringLiteral("Include the free text as it is [must be activated if you want to use "
                       "html tags]"),
        this);
    Linkchecker->setObjectName(QStringLiteral("Linkchecker"));
    connect(Linkchecker, &QCheckBox::toggled, this, [this](bool on) { m_texts.Linkchecker = on; });
    homepage_label = AddTextField("homepage_label", linkTextFields::homepage_label,
                                  m_texts.homepage_label, nullptr);
    homepage_label_text = AddTextField("homepage_label_text", linkTextFields::homepage_label_text,
                                       m_texts.homepage_label_text, nullptr);
    moreForm->addRow(QStringLiteral("$FREETEXT$"), freetext);
    moreForm->addRow(QString(), Linkchecker);
    moreForm->addRow(QStringLiteral("$HOME$ target"), homepage_label);
    moreForm->addRow(QStringLiteral("$HOME$ text"), homepage_label_text);

    BitBtn3 = new QToolButton(this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setText(QStringLiteral("Load"));
    BitBtn3->setToolTip(QStringLiteral("Load command config datas"));
    BitBtn4 = new QToolButton(this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setText(QStringLiteral("Save"));
    BitBtn4->setToolTip(QStringLiteral("Save command config datas"));
    Label54 = new QLabel(this);
    Label54->setObjectName(QStringLiteral("Label54"));
    connect(BitBtn3, &QToolButton::clicked, this, &LinkTextsPanel::BitBtn3Click);
    connect(BitBtn4, &QToolButton::clicked, this, &LinkTextsPanel::BitBtn4Click);
    auto *configRow = new QHBoxLayout;
    configRow->addWidget(BitBtn3);
    configRow->addWidget(BitBtn4);
    configRow->addWidget(Label54, 1);

    auto *columns = new QHBoxLayout;
    columns->addWidget(links);
    columns->addWidget(more);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(configRow);
    layout->addStretch();
    ShowLinkTexts();
}

QLineEdit *LinkTextsPanel::AddTextField(const char *name, const TextField &limits,
                                        std::string &field, const char *guardedCommand)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    ApplyFieldLimits(edit, limits);
    connect(edit, &QLineEdit::textChanged, this,
            [this, edit, &field, guardedCommand](const QString &text) {
                field = ToEngineText(text);
                if (!guardedCommand)
                    return;
                const GuardedText guarded = GuardRecursiveText(field, guardedCommand, m_prompts);
                if (guarded.changed) {
                    field = guarded.text;
                    edit->setText(ToQString(field));
                }
            });
    return edit;
}

void LinkTextsPanel::ShowLinkTexts()
{
    const LinkTexts shown = m_texts;
    previous_label->setText(ToQString(shown.previous_label));
    Next_label->setText(ToQString(shown.Next_label));
    first_label->setText(ToQString(shown.first_label));
    Last_label->setText(ToQString(shown.Last_label));
    freetext->setText(ToQString(shown.freetext));
    homepage_label->setText(ToQString(shown.homepage_label));
    homepage_label_text->setText(ToQString(shown.homepage_label_text));
    Linkchecker->setChecked(shown.Linkchecker);
}

void LinkTextsPanel::BitBtn3Click()
{
    const QString file =
        FileDialog::getOpenFileName(this, QStringLiteral("LOAD command config datas"),
                                    m_commandConfigDirectory, commandConfigFilter);
    if (file.isEmpty())
        return;
    LoadCommandConfigData(file.toStdString(), m_texts);
    ShowLinkTexts();
    Label54->setText(QFileInfo(file).fileName());
}

void LinkTextsPanel::BitBtn4Click()
{
    const QString file = FileDialog::getSaveFileName(
        this, QStringLiteral("SAVE command config datas"), m_commandConfigDirectory,
        commandConfigFilter, QStringLiteral("ccd"));
    if (file.isEmpty())
        return;
    if (!SaveCommandConfigData(file.toStdString(), m_texts))
        m_prompts.show("Save error",
                       "Unable to save the command config datas !\r" + file.toStdString(),
                       PromptButtons::Ok);
    Label54->setText(QFileInfo(file).fileName());
}

} // namespace pagoranto
