#include "gui/templates/twinrichedit.h"

#include "core/options/externalbrowser.h"
#include "core/templates/templateeditor.h"
#include "core/text/bytetext.h"
#include "core/text/linefile.h"
#include "gui/platform/colourdialog.h"
#include "gui/platform/encodedsave.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"
#include "gui/platform/reentry.h"
#include "gui/templates/templatehighlighter.h"

#include <QCloseEvent>
#include <QDate>
#include <QFileInfo>
#include <QFocusEvent>
#include <QMenuBar>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

namespace pagoranto {

namespace {

constexpr std::string_view saveErrorText =
    "Unable to save the template !\rMaybe you've tried to save on a write protected media or\rthe "
    "template is write protected.";
constexpr std::string_view saveAsErrorText =
    "Unable to save the template !\rMaybe you've tried to save on a write protected media or\rthe "
    "template is already existing and write protected.";
constexpr std::string_view contentChangedText =
    "Content changed !\rDo you like to save the actual content, before you go back ?";

} // namespace

Twinrichedit::Twinrichedit(MessageBox &prompts, Shell &shell, const AdditionalOptions &additional,
                           std::string programDirectory, QString layoutsDirectory, QWidget *parent)
    : QDialog(parent), m_prompts(prompts), m_shell(shell), m_additional(additional),
      m_programDirectory(std::move(programDirectory)),
      m_layoutsDirectory(std::move(layoutsDirectory))
{
    setObjectName(QStringLiteral("Twinrichedit"));
    setWindowTitle(QStringLiteral("Template source editor"));
    setMinimumSize(400, 400);
    setMaximumSize(1024, 768);
    resize(800, 600);

    Panel1 = new QLabel(QStringLiteral("Filename:"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    RichEdit1->setFont(font);
    new TemplateHighlighter(RichEdit1->document());
    RichEdit1->installEventFilter(this);
    connect(RichEdit1->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) {
                m_changePosition = position;
                m_changeAdded = added;
            });
    connect(RichEdit1, &QPlainTextEdit::textChanged, this, [this] {
        KeepWithinLimit(m_changePosition, m_changeAdded);
        m_changeAdded = 0;
        if (!m_loading)
            m_editorModified = true;
        ShowLineCount();
    });
    Panel2 = new QLabel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::StyledPanel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    CreateActions();
    layout->addWidget(Panel1);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(Panel2);
    SetInsertControlsEnabled(false);
}

void Twinrichedit::CreateActions()
{
    auto *menus = new QMenuBar(this);
    auto *tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout()->setMenuBar(menus);
    static_cast<QVBoxLayout *>(layout())->addWidget(tools);

    const auto action = [this](const char *caption, const char *name, QKeySequence keys,
                               std::function<void()> run) {
        auto *entry = new QAction(QString::fromUtf8(caption), this);
        entry->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty())
            entry->setShortcut(keys);
        connect(entry, &QAction::triggered, this, run);
        return entry;
    };
    QAction *FileSave1 = action("&Save", "FileSave1", QKeySequence(Qt::CTRL | Qt::Key_S),
                                [this] { FileSave1Execute(); });
    QAction *Saveas1 = action("Save &as ...", "Saveas1", {}, [this] { Saveas1Click(); });
    QAction *FileExit1 = action("E&xit", "FileExit1", {}, [this] { FileExit1Execute(); });
    QMenu *file = menus->addMenu(QStringLiteral("&File"));
    file->addActions({FileSave1, Saveas1});
    file->addSeparator();
    file->addAction(FileExit1);

    QMenu *edit = menus->addMenu(QStringLiteral("&Edit"));
    edit->addAction(
        action("&Undo", "EditUndo1", QKeySequence::Undo, [this] { RichEdit1->undo(); }));
    edit->addSeparator();
    edit->addAction(action("Cu&t", "EditCut1", QKeySequence::Cut, [this] { RichEdit1->cut(); }));
    edit->addAction(
        action("&Copy", "EditCopy1", QKeySequence::Copy, [this] { RichEdit1->copy(); }));
    edit->addAction(
        action("&Paste", "EditPaste1", QKeySequence::Paste, [this] { RichEdit1->paste(); }));

    struct Entry {
        const char *caption;
        const char *menuName;
        const char *buttonName;
        const char *buttonCaption;
        std::function<void()> run;
        bool needsFocus;
    };
    const auto insert = [this](const char *text) {
        return [this, text] { InsertText(QString::fromLatin1(text)); };
    };
    const Entry entries[] = {
        {"Insert author tag", "Inserauthortag1", "ToolButton7", "Author",
         insert("<!--metaauthor-->"), true},
        {"Insert comment tag", "Insercommenttag1", "ToolButton9", "Comment",
         insert("<!--comment-->"), true},
        {"Insert keyword tag", "Inserkeywordtag1", "ToolButton10", "Keywords",
         insert("<!--metakeywords-->"), true},
        {"Insert title tag", "Inserauthortag2", "ToolButton11", "Title", insert("<!--title-->"),
         true},
        {"Insert template name as comment", "Inserttemplatenameascomment1", "ToolButton19", "Name",
         [this] { InsertTemplateNameComment(); }, true},
        {"Insert actual date as comment", "Insertactualdateascomment1", "ToolButton22", "Date",
         [this] { InsertDateComment(); }, true},
        {"Delete empty lines", "Deleteemptylines1", "ToolButton17", "Empty lines",
         [this] { Deleteemptylines1Click(); }, true},
        {"Preview template in default browser", "Previewtemplateindefaultbrowser1", "ToolButton24",
         "Preview", [this] { Previewtemplateindefaultbrowser1Click(); }, false},
        {"Get a html color", "Getahtmlcolorforthetemplate1", "ToolButton25", "Colour",
         [this] { Getahtmlcolorforthetemplate1Click(); }, false},
    };
    QMenu *insertMenu = menus->addMenu(QStringLiteral("&Insert"));
    auto *saveButton = new QToolButton(tools);
    saveButton->setObjectName(QStringLiteral("ToolButtonSave"));
    saveButton->setDefaultAction(FileSave1);
    tools->addWidget(saveButton);
    tools->addSeparator();
    int digit = 1;
    for (const Entry &entry : entries) {
        QAction *menuEntry =
            action(entry.caption, entry.menuName,
                   QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + digit++)), entry.run);
        insertMenu->addAction(menuEntry);
        auto *button = new QToolButton(tools);
        button->setObjectName(QString::fromLatin1(entry.buttonName));
        button->setText(QString::fromLatin1(entry.buttonCaption));
        button->setToolTip(QString::fromLatin1(entry.caption));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, entry.run);
        tools->addWidget(button);
        if (entry.needsFocus) {
            m_focusActions.push_back(menuEntry);
            m_focusButtons.push_back(button);
        }
    }
    // The author tag's own action, which the tool button and the menu entry share elsewhere.
    QAction *Insertauthortag =
        action("Insert author tag", "Insertauthortag", {}, insert("<!--metaauthor-->"));
    addAction(Insertauthortag);
    m_focusActions.push_back(Insertauthortag);
}

void Twinrichedit::SetInsertControlsEnabled(bool enabled)
{
    for (QAction *entry : m_focusActions)
        entry->setEnabled(enabled);
    for (QToolButton *button : m_focusButtons)
        button->setEnabled(enabled);
}

bool Twinrichedit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RichEdit1) {
        if (event->type() == QEvent::FocusIn)
            SetInsertControlsEnabled(true);
        // Opening a menu lends the focus only for a moment; its entries must stay usable.
        else if (event->type() == QEvent::FocusOut &&
                 static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            SetInsertControlsEnabled(false);
    }
    return QDialog::eventFilter(watched, event);
}

void Twinrichedit::KeepWithinLimit(int position, int added)
{
    // The limit is the typist's: a template loaded whole stays whole.
    if (m_loading || added <= 0)
        return;
    const int excess =
        RichEdit1->document()->characterCount() - 1 - int(maxTemplateEditorCharacters);
    if (excess <= 0)
        return;
    const int cut = std::min(excess, added);
    QTextCursor cursor(RichEdit1->document());
    cursor.setPosition(position + added - cut);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void Twinrichedit::ShowLineCount()
{
    const int lines = RichEdit1->document()->isEmpty() ? 0 : RichEdit1->blockCount();
    Panel2->setText(QString::number(lines) + QStringLiteral(" lines"));
}

void Twinrichedit::OpenTemplate(const QString &templateFile)
{
    m_currentTemplateFile = templateFile;
    m_templateNameForComment = templateFile;
    m_savedAsFile.clear();
    m_loading = true;
    RichEdit1->clear();
    Panel1->setText(QStringLiteral("Filename:") + templateFile);
    // A template that cannot be read starts a new file, which is UTF-8.
    const DecodedText decoded =
        DecodeFileText(ReadFileBytes(ToEngineText(templateFile)).value_or(std::string()));
    m_encoding = decoded.encoding;
    QStringList lines;
    for (const std::string &line : SplitLines(decoded.text))
        lines.push_back(ToQString(line));
    RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
    m_loading = false;
    m_editorModified = false;
    ShowLineCount();
}

int Twinrichedit::EditTemplate(const QString &templateFile)
{
    OpenTemplate(templateFile);
    return exec();
}

std::string Twinrichedit::TextLines() const
{
    ByteLines lines;
    for (QTextBlock block = RichEdit1->document()->begin(); block.isValid(); block = block.next())
        lines.push_back(ToEngineText(block.text()));
    if (RichEdit1->document()->isEmpty())
        lines.clear();
    return JoinLinesCrLf(lines);
}

Twinrichedit::WriteResult Twinrichedit::WriteTo(const QString &file)
{
    const std::optional<TextToSave> text = TextForSaving(m_prompts, file, TextLines(), m_encoding);
    if (!text)
        return WriteResult::declined;
    if (!WriteFileBytes(ToEngineText(file), text->bytes))
        return WriteResult::failed;
    m_encoding = text->encoding;
    return WriteResult::written;
}

bool Twinrichedit::SaveToCurrentFile()
{
    const WriteResult result = WriteTo(m_currentTemplateFile);
    if (result == WriteResult::failed)
        m_prompts.show("Save error", saveErrorText, PromptButtons::Ok);
    if (result != WriteResult::written)
        return false;
    m_editorModified = false;
    return true;
}

void Twinrichedit::FileSave1Execute()
{
    SaveToCurrentFile();
}

void Twinrichedit::Saveas1Click()
{
    const QString file = FileDialog::getSaveFileName(
        this, QStringLiteral("Save template as"), m_layoutsDirectory,
        QStringLiteral("Html files (*.html *.htm);;All files (*)"), QStringLiteral("html"));
    if (file.isEmpty())
        return;
    const WriteResult result = WriteTo(file);
    if (result == WriteResult::failed)
        m_prompts.show("Save error", saveAsErrorText, PromptButtons::Ok);
    if (result != WriteResult::written)
        return;
    m_editorModified = false;
    Panel1->setText(QStringLiteral("Filename:") + file);
    m_savedAsFile = file;
    m_currentTemplateFile = file;
}

void Twinrichedit::Leave()
{
    if (m_leaving)
        return;
    m_leaving = true;
    if (m_editorModified &&
        m_prompts.show("Info", contentChangedText, PromptButtons::YesNo) == PromptAnswer::Yes) {
        // A save that failed or was declined keeps the window open, so the changes are not
        // lost with it.
        if (!SaveToCurrentFile()) {
            m_leaving = false;
            return;
        }
    }
    Panel2->clear();
    QDialog::done(QDialog::Accepted);
    m_leaving = false;
}

void Twinrichedit::FileExit1Execute()
{
    Leave();
}

void Twinrichedit::reject()
{
    Leave();
}

void Twinrichedit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The editor opens to be typed in.
    RichEdit1->setFocus();
}

void Twinrichedit::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Leave();
}

void Twinrichedit::InsertText(const QString &text)
{
    RichEdit1->insertPlainText(text);
}

void Twinrichedit::InsertTemplateNameComment()
{
    InsertText(ToQString(
        TemplateNameComment(ToEngineText(m_savedAsFile), ToEngineText(m_templateNameForComment))));
}

void Twinrichedit::InsertDateComment()
{
    const QDate today = QDate::currentDate();
    InsertText(ToQString(DateComment(today.year(), today.month(), today.day())));
}

void Twinrichedit::Deleteemptylines1Click()
{
    if (m_prompts.show("Question", "Do you want to delete all empty lines in your template ?",
                       PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    QTextDocument *document = RichEdit1->document();
    QTextCursor cursor(document);
    for (int index = 0; index < document->blockCount() && !document->isEmpty();) {
        const QTextBlock block = document->findBlockByNumber(index);
        if (IsEmptyTemplateLine(ToEngineText(block.text()))) {
            cursor.setPosition(block.position());
            // The line and its line break: the following one, or for the last line the one
            // before it.
            if (block.next().isValid()) {
                cursor.setPosition(block.next().position(), QTextCursor::KeepAnchor);
            } else if (block.previous().isValid()) {
                cursor.setPosition(block.previous().position() + block.previous().length() - 1);
                cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            } else {
                cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            }
            cursor.removeSelectedText();
        } else {
            ++index;
        }
        if (!ProcessMessagesFor(this))
            return;
    }
}

void Twinrichedit::Previewtemplateindefaultbrowser1Click()
{
    const std::string preview = m_programDirectory + "temp.html";
    // The preview shows the template as saved; only when its encoding cannot hold the text
    // does it show it as UTF-8, without asking about a file of its own.
    const std::string text = TextLines();
    const EncodedText encoded = EncodeText(text, m_encoding);
    const std::string templateDirectory =
        m_currentTemplateFile.isEmpty()
            ? std::string()
            : ToEngineText(QFileInfo(m_currentTemplateFile).absolutePath());
    WriteFileBytes(
        preview, PreviewWithBase(encoded.unheld.empty() ? encoded.bytes : text, templateDirectory));
    if (m_additional.browserStart == BrowserStart::none) {
        m_prompts.show(selectBrowserTitle, selectBrowserText, PromptButtons::Ok);
        return;
    }
    if (!ShowInExternalBrowser(m_shell, m_additional.browserStart, preview))
        m_prompts.show(noBrowserStartedTitle, NoBrowserStartedText(preview), PromptButtons::Ok);
}

void Twinrichedit::Getahtmlcolorforthetemplate1Click()
{
    const QColor colour =
        ColourDialog::getColour(this, Qt::white, QStringLiteral("Get a html color"));
    if (!colour.isValid())
        return;
    InsertText(ToQString(HtmlColourValue(colour.red(), colour.green(), colour.blue())));
}

} // namespace pagoranto
