#include "gui/templates/templateinfopanel.h"

#include "core/templates/templatecompanions.h"
#include "core/text/bytetext.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"
#include "gui/templates/companionfiles.h"
#include "gui/templates/templatemessages.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pagoranto {

TemplateInfoPanel::TemplateInfoPanel(MessageBox &prompts, std::string fallbackDescriptionFile,
                                     QWidget *parent)
    : QWidget(parent), m_prompts(prompts),
      m_fallbackDescriptionFile(std::move(fallbackDescriptionFile))
{
    setObjectName(QStringLiteral("Panel1"));
    auto *description = new QGroupBox(QStringLiteral("Description of the layout"), this);
    Memo1 = new QPlainTextEdit(description);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        if (Memo1->toPlainText().size() > qsizetype(maxDescriptionCharacters)) {
            Memo1->setPlainText(Memo1->toPlainText().left(qsizetype(maxDescriptionCharacters)));
            Memo1->moveCursor(QTextCursor::End);
        }
    });
    auto *save = new QPushButton(QStringLiteral("Save changed description"), description);
    auto *close =
        new QPushButton(QStringLiteral("Close template description unsaved"), description);
    connect(save, &QPushButton::clicked, this, &TemplateInfoPanel::SaveDescription);
    connect(close, &QPushButton::clicked, this, &TemplateInfoPanel::closeRequested);
    auto *descriptionButtons = new QHBoxLayout;
    descriptionButtons->addWidget(save);
    descriptionButtons->addWidget(close);
    auto *descriptionColumn = new QVBoxLayout(description);
    descriptionColumn->addWidget(Memo1, 1);
    descriptionColumn->addLayout(descriptionButtons);

    auto *needed = new QGroupBox(QStringLiteral("Needed files of the layout"), this);
    neededfiles = new QListWidget(needed);
    neededfiles->setObjectName(QStringLiteral("neededfiles"));
    neededfiles->setSortingEnabled(true);
    auto *add = new QPushButton(QStringLiteral("Add files"), needed);
    auto *remove = new QPushButton(QStringLiteral("Remove marked file"), needed);
    auto *clear = new QPushButton(QStringLiteral("Clear list"), needed);
    connect(add, &QPushButton::clicked, this, &TemplateInfoPanel::AddFiles);
    connect(remove, &QPushButton::clicked, this, &TemplateInfoPanel::RemoveMarkedFile);
    connect(clear, &QPushButton::clicked, this, &TemplateInfoPanel::ClearList);
    auto *neededButtons = new QHBoxLayout;
    neededButtons->addWidget(add);
    neededButtons->addWidget(remove);
    neededButtons->addWidget(clear);
    auto *neededColumn = new QVBoxLayout(needed);
    neededColumn->addWidget(neededfiles, 1);
    neededColumn->addLayout(neededButtons);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(description, 3);
    layout->addWidget(needed, 2);
}

void TemplateInfoPanel::LoadTemplateFiles(const std::filesystem::path &templatePath)
{
    m_templatePath = templatePath;
    const DecodedText description =
        LoadTemplateDescription(templatePath, m_fallbackDescriptionFile);
    m_descriptionEncoding = description.encoding;
    Memo1->setPlainText(ToQString(description.text));
    neededfiles->clear();
    for (const std::string &entry : LoadNeededFiles(NeededFilesListPath(templatePath)))
        AddNeededFileEntry(neededfiles, entry);
}

void TemplateInfoPanel::SaveDescription()
{
    if (SaveDescriptionMemo(m_prompts, m_templatePath, Memo1->toPlainText(), m_descriptionEncoding))
        emit closeRequested();
}

void TemplateInfoPanel::AddFiles()
{
    const QString templateDirectory = QString::fromStdString(m_templatePath.parent_path().string());
    const QString file = FileDialog::getOpenFileName(
        this, QStringLiteral("Add files to the list of needed files"), templateDirectory,
        QStringLiteral("All files (*);;jpg files (*.jpg *.jpe *jpeg);;gif files (*.gif);;html "
                       "files (*.html *.htm)"));
    if (file.isEmpty())
        return;
    if (!LiesInTemplateDirectory(m_templatePath, ToEngineText(file))) {
        m_prompts.showError("Problem", templatemessages::otherDirectory);
        return;
    }
    AddNeededFileEntry(neededfiles, QFile::encodeName(QFileInfo(file).fileName()).toStdString());
    SaveNeededFiles();
}

void TemplateInfoPanel::RemoveMarkedFile()
{
    // The current row stays after its mark is taken away; only a mark says which to remove.
    if (QListWidgetItem *item = neededfiles->currentItem(); item && item->isSelected()) {
        delete item;
        SaveNeededFiles();
    }
}

void TemplateInfoPanel::ClearList()
{
    if (m_prompts.show("info",
                       "Do you really want to clear the list of the needed files ?\rIf not, click "
                       "on CANCEL.",
                       PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    neededfiles->clear();
    SaveNeededFiles();
}

void TemplateInfoPanel::SaveNeededFiles()
{
    pagoranto::SaveNeededFiles(m_templatePath, NeededFileEntries(neededfiles));
}

} // namespace pagoranto
