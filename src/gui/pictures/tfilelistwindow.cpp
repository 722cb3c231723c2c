#include "gui/pictures/tfilelistwindow.h"

#include "core/pictures/filelistedit.h"
#include "core/pictures/fitpiclist.h"
#include "core/pictures/picturelistmoves.h"
#include "core/pictures/picturenameorder.h"
#include "core/pictures/sortinglist.h"
#include "core/text/bytetext.h"
#include "gui/pictures/filelistpreview.h"
#include "gui/pictures/tfilelistedit.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"
#include "gui/ui/namedwidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pagoranto {

namespace {

constexpr std::string_view noFilesText =
    "No files found in list !\r\rSelect a sorting list or click on \"Cancel gallery creation\"\r"
    "and mark your \".jpg\"-pictures";
constexpr std::string_view cancelQuestion =
    "If you don't want to save your ordered picture list then\rclick on \"NO\". If you like to "
    "save the list before abborting\rthe gallery creation then click on \"YES\"";
constexpr std::string_view nothingToEditText =
    "There's nothing to edit !\rAll files that are found in the actual directory, are already in "
    "your list !";
constexpr std::string_view nothingToSaveText =
    "There's no actual order to save,\r\nbecause the image list is empty.\r\n"
    "Click on \"Edit file list\" for adding images to the\r\n"
    "list or doubleclick on a found sorting list.";
constexpr std::string_view plannedPageText = "This is a page that is going to be created:\r";
constexpr std::string_view fillStateText =
    "If the hint \"Not enough\" is shown, then there are\rnot enough pictures to fill you "
    "selected template.\rIf you click on \"Fit piclist to template, the last picture\rin the "
    "picture list will be repeated until the count of\rpictures fit your selected template.";
constexpr std::string_view saveFailedText = "*ERROR* Unable to save the sorting list\r";

QString DisplayName(const std::string &name)
{
    return ToQString(ToUtf8(name));
}

QToolButton *MoveButton(const QString &symbol, const char *caption, const char *name,
                        QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(symbol);
    button->setToolTip(QLatin1String(caption));
    button->setAccessibleName(QLatin1String(caption));
    button->setMinimumSize(32, 28);
    return button;
}

void LightLed(QLabel *led, bool lit)
{
    led->setProperty("lit", lit);
    led->setStyleSheet(lit ? QStringLiteral("background: #2ecc40; border-radius: 6px;")
                           : QStringLiteral("background: #555; border-radius: 6px;"));
}

bool SameDirectory(const std::filesystem::path &a, const std::filesystem::path &b)
{
    std::error_code error;
    const auto canonicalA = std::filesystem::weakly_canonical(a, error);
    if (error)
        return false;
    const auto canonicalB = std::filesystem::weakly_canonical(b, error);
    return !error && canonicalA == canonicalB;
}

} // namespace

Tfilelistwindow::Tfilelistwindow(MessageBox &prompts, QWidget *parent)
    : QDialog(parent), m_prompts(prompts)
{
    setObjectName(QStringLiteral("Tfilelistwindow"));
    setWindowTitle(
        QStringLiteral("Picture list and extended informations about your selected template"));
    setModal(true);

    // The single-page run disables this instead of the dialog, so that the run's message
    // boxes, which are children of the dialog, stay usable.
    content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    tabs = new QTabWidget(content);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(makePictureListTab(), QStringLiteral("Picture list"));
    tabs->addTab(makeInformationTab(), QStringLiteral("Gallery information"));
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(tabs, 1);
    contentLayout->addWidget(makeRunButtons());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(content);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Tfilelistwindow::Timer1Timer);

    m_edit = new Tfilelistedit(this);
    setTemplateAnalysis(LayoutAnalysis{});
    ShowPlan(PagePlan{});
    showList(-1);
    setLastSortingListName({});
}

QWidget *Tfilelistwindow::makePictureListTab()
{
    auto *tab = new QWidget;

    auto *listBox = new QGroupBox(QStringLiteral("Pictures in page order"), tab);
    Dateiliste = new QListWidget(listBox);
    Dateiliste->setObjectName(QStringLiteral("Dateiliste"));
    Dateiliste->setSelectionMode(QAbstractItemView::SingleSelection);
    Dateiliste->setUniformItemSizes(true);
    Dateiliste->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    Dateiliste->setMinimumWidth(220);
    Dateiliste->setContextMenuPolicy(Qt::ActionsContextMenu);
    deleteSelectedAction = new QAction(QStringLiteral("Delete selected item"), Dateiliste);
    deleteSelectedAction->setObjectName(QStringLiteral("deleteSelectedAction"));
    Dateiliste->addAction(deleteSelectedAction);

    locationColumn = new QWidget(listBox);
    locationColumn->setObjectName(QStringLiteral("locationColumn"));
    locationColumn->setFixedWidth(locationColumn->fontMetrics().horizontalAdvance("  #P0000") + 6);
    for (int k = 0; k < locationColumnRows; ++k) {
        locationLabels[k] = new QLabel(QStringLiteral(" "), locationColumn);
        locationLabels[k]->setObjectName(QStringLiteral("location%1").arg(k));
    }

    previousPositionButton =
        MoveButton(QStringLiteral("\u2191"), "Marked item to previous position",
                   "previousPositionButton", listBox);
    nextPositionButton = MoveButton(QStringLiteral("\u2193"), "Marked item to next position",
                                    "nextPositionButton", listBox);
    firstPositionButton = MoveButton(QStringLiteral("\u21d1"), "Marked item to first position",
                                     "firstPositionButton", listBox);
    lastPositionButton = MoveButton(QStringLiteral("\u21d3"), "Marked item to last position",
                                    "lastPositionButton", listBox);
    auto *moves = new QVBoxLayout;
    moves->addWidget(firstPositionButton);
    moves->addWidget(previousPositionButton);
    moves->addWidget(nextPositionButton);
    moves->addWidget(lastPositionButton);
    moves->addStretch();

    autosortBox = new QCheckBox(QStringLiteral("Autosort pictures"), listBox);
    autosortBox->setObjectName(QStringLiteral("autosortBox"));
    pictureCountLabel = NamedLabel("pictureCountLabel", listBox);
    label15 = NamedLabel("label15", listBox);
    label15->setCursor(Qt::PointingHandCursor);
    label15->setToolTip(QStringLiteral("Click for an explanation"));
    label15->installEventFilter(this);

    auto *listRow = new QHBoxLayout;
    listRow->setSpacing(2);
    listRow->addWidget(locationColumn);
    listRow->addWidget(Dateiliste, 1);
    listRow->addLayout(moves);
    auto *summary = new QHBoxLayout;
    summary->addWidget(pictureCountLabel);
    summary->addStretch();
    summary->addWidget(label15);
    auto *listLayout = new QVBoxLayout(listBox);
    listLayout->addLayout(listRow, 1);
    listLayout->addLayout(summary);
    listLayout->addWidget(autosortBox);

    auto *previewBox = new QGroupBox(QStringLiteral("Preview"), tab);
    preview = new FileListPreview(previewBox);
    preview->setObjectName(QStringLiteral("preview"));
    auto *previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(preview, 0, Qt::AlignCenter);

    auto *editBox = new QGroupBox(QStringLiteral("Picture list"), tab);
    removeButton = NamedButton(QStringLiteral("Remove sel. item"), "removeButton", editBox);
    editFileListButton =
        NamedButton(QStringLiteral("Edit file list"), "editFileListButton", editBox);
    fitPiclistButton =
        NamedButton(QStringLiteral("Fit piclist to template"), "fitPiclistButton", editBox);
    saveSortingButton =
        NamedButton(QStringLiteral("Save actual sorting order"), "saveSortingButton", editBox);
    auto *editLayout = new QGridLayout(editBox);
    editLayout->addWidget(removeButton, 0, 0);
    editLayout->addWidget(editFileListButton, 0, 1);
    editLayout->addWidget(fitPiclistButton, 1, 0);
    editLayout->addWidget(saveSortingButton, 1, 1);

    auto *sortingBox = new QGroupBox(QStringLiteral("Found sorting lists"), tab);
    ListBox2 = new QListWidget(sortingBox);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setToolTip(QStringLiteral("Doubleclick to load a sorting list"));
    lastsortinglist = NamedButton(QString(), "lastsortinglist", sortingBox);
    auto *lastRow = new QHBoxLayout;
    lastRow->addWidget(new QLabel(QStringLiteral("Last:"), sortingBox));
    lastRow->addWidget(lastsortinglist, 1);
    auto *sortingLayout = new QVBoxLayout(sortingBox);
    sortingLayout->addWidget(ListBox2);
    sortingLayout->addLayout(lastRow);

    auto *pagesBox = new QGroupBox(QStringLiteral("Pages that are going to be created"), tab);
    pagelist = new QListWidget(pagesBox);
    pagelist->setObjectName(QStringLiteral("pagelist"));
    auto *pagesLayout = new QVBoxLayout(pagesBox);
    pagesLayout->addWidget(pagelist);

    auto *right = new QGridLayout;
    right->addWidget(previewBox, 0, 0, 1, 2);
    right->addWidget(editBox, 1, 0, 1, 2);
    right->addWidget(sortingBox, 2, 0);
    right->addWidget(pagesBox, 2, 1);
    right->setRowStretch(2, 1);

    auto *layout = new QHBoxLayout(tab);
    layout->addWidget(listBox, 1);
    layout->addLayout(right);

    connect(Dateiliste, &QListWidget::currentRowChanged, this, &Tfilelistwindow::DateilisteClick);
    connect(previousPositionButton, &QToolButton::clicked, this,
            [this] { moveSelected(MoveToPreviousPosition); });
    connect(nextPositionButton, &QToolButton::clicked, this,
            [this] { moveSelected(MoveToNextPosition); });
    connect(firstPositionButton, &QToolButton::clicked, this,
            [this] { moveSelected(MoveToFirstPosition); });
    connect(lastPositionButton, &QToolButton::clicked, this,
            [this] { moveSelected(MoveToLastPosition); });
    connect(autosortBox, &QCheckBox::clicked, this, &Tfilelistwindow::autosortClick);
    connect(removeButton, &QPushButton::clicked, this, &Tfilelistwindow::removeSelectedClick);
    connect(deleteSelectedAction, &QAction::triggered, this, &Tfilelistwindow::removeSelectedClick);
    connect(editFileListButton, &QPushButton::clicked, this, &Tfilelistwindow::editFileListClick);
    connect(fitPiclistButton, &QPushButton::clicked, this, &Tfilelistwindow::fitPiclistClick);
    connect(saveSortingButton, &QPushButton::clicked, this,
            &Tfilelistwindow::saveSortingOrderClick);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &Tfilelistwindow::ListBox2DblClick);
    connect(lastsortinglist, &QPushButton::clicked, this, &Tfilelistwindow::lastsortinglistClick);
    connect(pagelist, &QListWidget::itemDoubleClicked, this, &Tfilelistwindow::pagelistDblClick);
    return tab;
}

QWidget *Tfilelistwindow::makeInformationTab()
{
    auto *tab = new QWidget;

    auto *planBox = new QGroupBox(QStringLiteral("Page plan"), tab);
    Label4 = NamedLabel("Label4", planBox);
    Label12 = NamedLabel("Label12", planBox);
    Label5 = NamedLabel("Label5", planBox);
    auto *planLayout = new QVBoxLayout(planBox);
    planLayout->addWidget(Label4);
    planLayout->addWidget(Label12);
    planLayout->addWidget(Label5);

    auto *countsBox = new QGroupBox(QStringLiteral("Commands in your template"), tab);
    picCountLabel = NamedLabel("picCountLabel", countsBox);
    tpicCountLabel = NamedLabel("tpicCountLabel", countsBox);
    totalLabel = NamedLabel("totalLabel", countsBox);
    auto *countsLayout = new QFormLayout(countsBox);
    countsLayout->addRow(QStringLiteral("$PIC$"), picCountLabel);
    countsLayout->addRow(QStringLiteral("$TPIC$"), tpicCountLabel);
    countsLayout->addRow(QStringLiteral("All commands"), totalLabel);

    auto *markersBox = new QGroupBox(QStringLiteral("Hidden commands"), tab);
    auto *markersLayout = new QFormLayout(markersBox);
    for (std::size_t i = 0; i < hiddenMarkers.size(); ++i) {
        markerLeds[i] = new QLabel(markersBox);
        markerLeds[i]->setObjectName(QStringLiteral("MyLed%1").arg(i + 1));
        markerLeds[i]->setFixedSize(12, 12);
        markersLayout->addRow(markerLeds[i],
                              new QLabel(ToQString(hiddenMarkers[i]).toHtmlEscaped(), markersBox));
    }

    auto *usedBox = new QGroupBox(QStringLiteral("Hidden commands in use"), tab);
    auto *usedLayout = new QFormLayout(usedBox);
    const char *usedCaptions[] = {"comment", "author", "keywords", "title", "target"};
    for (std::size_t i = 0; i < useLeds.size(); ++i) {
        useLeds[i] = new QLabel(usedBox);
        useLeds[i]->setObjectName(QStringLiteral("MyLed%1").arg(i + 6));
        useLeds[i]->setFixedSize(12, 12);
        LightLed(useLeds[i], false);
        usedLayout->addRow(useLeds[i], new QLabel(QString::fromLatin1(usedCaptions[i]), usedBox));
    }

    auto *layout = new QGridLayout(tab);
    layout->addWidget(planBox, 0, 0, 1, 3);
    layout->addWidget(countsBox, 1, 0);
    layout->addWidget(markersBox, 1, 1);
    layout->addWidget(usedBox, 1, 2);
    layout->setRowStretch(2, 1);
    return tab;
}

QWidget *Tfilelistwindow::makeRunButtons()
{
    auto *box = new QGroupBox(QStringLiteral("Gallery creation"), content);

    thumbnailsBox = new QCheckBox(QStringLiteral("Thumbnails"), box);
    thumbnailsBox->setObjectName(QStringLiteral("thumbnailsBox"));
    htmlcompressBox = new QCheckBox(QStringLiteral("Htmlcompress"), box);
    htmlcompressBox->setObjectName(QStringLiteral("htmlcompressBox"));
    thumbnailConfigButton =
        NamedButton(QStringLiteral("Thumbnail config"), "thumbnailConfigButton", box);

    templateButton = new QToolButton(box);
    templateButton->setObjectName(QStringLiteral("templateButton"));
    templateButton->setText(QStringLiteral("Template"));
    templateButton->setToolTip(QStringLiteral("Choose another template in the layout manager"));
    SpeedButton1 = new QToolButton(box);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("Create 1 page"));
    SpeedButton1->setToolTip(QStringLiteral("Create 1 page"));

    startButton = NamedButton(QStringLiteral("Start gallery creation"), "startButton", box);
    startButton->setDefault(true);
    cancelButton = NamedButton(QStringLiteral("Cancel gallery creation"), "cancelButton", box);

    auto *layout = new QHBoxLayout(box);
    layout->addWidget(thumbnailsBox);
    layout->addWidget(htmlcompressBox);
    layout->addWidget(thumbnailConfigButton);
    layout->addSpacing(12);
    layout->addWidget(templateButton);
    layout->addWidget(SpeedButton1);
    layout->addStretch();
    layout->addWidget(startButton);
    layout->addWidget(cancelButton);

    connect(thumbnailsBox, &QCheckBox::clicked, this, [this](bool checked) {
        if (m_context.thumbnailsToggled)
            m_context.thumbnailsToggled(checked);
    });
    connect(htmlcompressBox, &QCheckBox::clicked, this, [this](bool checked) {
        if (m_context.htmlcompressToggled)
            m_context.htmlcompressToggled(checked);
    });
    connect(thumbnailConfigButton, &QPushButton::clicked, this,
            &Tfilelistwindow::thumbnailConfigRequested);
    connect(templateButton, &QToolButton::clicked, this,
            &Tfilelistwindow::templateSelectionRequested);
    connect(SpeedButton1, &QToolButton::clicked, this, &Tfilelistwindow::SpeedButton1Click);
    connect(startButton, &QPushButton::clicked, this, &Tfilelistwindow::startClick);
    connect(cancelButton, &QPushButton::clicked, this, &Tfilelistwindow::cancelClick);
    return box;
}

void Tfilelistwindow::setContext(PictureListContext context)
{
    m_context = std::move(context);
}

void Tfilelistwindow::setTemplateAnalysis(const LayoutAnalysis &analysis)
{
    picCountLabel->setText(QString::number(analysis.picCount()));
    tpicCountLabel->setText(QString::number(analysis.tpicCount()));
    totalLabel->setText(QString::number(analysis.total));
    for (std::size_t i = 0; i < markerLeds.size(); ++i)
        LightLed(markerLeds[i], analysis.markerFound[i]);
}

void Tfilelistwindow::setHiddenCommandLights(const HiddenOptions &options)
{
    const bool used[] = {options.usecommentcommand, options.useauthorcommand,
                         options.usekeywordscommand, options.usepagecommand,
                         options.usetargetcommand};
    for (std::size_t i = 0; i < useLeds.size(); ++i)
        LightLed(useLeds[i], used[i]);
}

PictureListResult Tfilelistwindow::ShowForRun(std::vector<std::string> &creationList,
                                              const PagePlan &plan,
                                              const std::vector<std::string> &sortingLists,
                                              const QString &pictureDir, bool thumbnails,
                                              bool htmlcompress)
{
    if (m_shownForRun)
        return PictureListResult::Cancel;
    m_shownForRun = true;
    m_list = &creationList;
    m_pictureDir = ToEngineText(pictureDir);
    if (!m_pictureDir.empty() && m_pictureDir.back() != '/')
        m_pictureDir += '/';
    m_sortingLists = sortingLists;
    showSortingLists();
    thumbnailsBox->setChecked(thumbnails);
    htmlcompressBox->setChecked(htmlcompress);
    if (autosortBox->isChecked())
        SortPictureNames(list());
    ShowPlan(plan);
    showList(list().empty() ? -1 : 0);
    content->setEnabled(true);
    tabs->setCurrentIndex(0);
    Timer1->start();

    QWidget *const promptParent = m_prompts.parentWindow();
    m_prompts.setParentWindow(this);
    const int result = exec();
    m_prompts.setParentWindow(promptParent);
    Timer1->stop();
    m_shownForRun = false;

    // The run's list may not outlive the run; between runs the window shows a list of its own.
    if (m_betweenRuns) {
        m_list = m_betweenRuns;
    } else {
        m_ownList = creationList;
        m_list = &m_ownList;
    }
    showList(-1);
    return result == QDialog::Accepted ? PictureListResult::Ok : PictureListResult::Cancel;
}

void Tfilelistwindow::ShowPlan(const PagePlan &plan)
{
    m_plan = plan;
    Label4->setText(ToQString(plan.tpicFoundText));
    Label12->setText(ToQString(plan.picFoundText));
    Label5->setText(ToQString(plan.creatingPagesText));
    label15->setText(ToQString(plan.verdictText));
    fitPiclistButton->setEnabled(plan.fitPiclistEnabled);
    pagelist->clear();
    for (const std::string &name : plan.pageNameList)
        pagelist->addItem(DisplayName(name));
    Timer1Timer();
}

void Tfilelistwindow::ShowPictureCount(std::size_t count)
{
    pictureCountLabel->setText(QString::number(count) + QStringLiteral(" pictures"));
}

void Tfilelistwindow::RefreshPlan()
{
    if (m_context.makePlan)
        ShowPlan(m_context.makePlan(static_cast<int>(list().size())));
    ShowPictureCount(list().size());
}

void Tfilelistwindow::setCreationList(std::vector<std::string> *list)
{
    m_betweenRuns = list;
    if (m_shownForRun)
        return;
    m_list = list ? list : &m_ownList;
    showList(-1);
}

std::vector<std::string> &Tfilelistwindow::list()
{
    return *m_list;
}

void Tfilelistwindow::showList(int selectRow)
{
    const std::vector<std::string> &names = list();
    const int count = static_cast<int>(names.size());
    {
        // Rows are updated in place, so the list keeps its scroll position across moves.
        const QSignalBlocker blocker(Dateiliste);
        while (Dateiliste->count() > count)
            delete Dateiliste->takeItem(Dateiliste->count() - 1);
        for (int i = 0; i < count; ++i) {
            const QString text = DisplayName(names[i]);
            if (i < Dateiliste->count()) {
                if (Dateiliste->item(i)->text() != text)
                    Dateiliste->item(i)->setText(text);
            } else {
                Dateiliste->addItem(text);
            }
        }
        if (selectRow >= 0 && selectRow < count) {
            Dateiliste->setCurrentRow(selectRow);
        } else {
            Dateiliste->setCurrentRow(-1);
            Dateiliste->clearSelection();
        }
    }
    DateilisteClick(Dateiliste->currentRow());
    ShowPictureCount(names.size());
    Timer1Timer();
}

void Tfilelistwindow::listChanged(int selectRow)
{
    if (autosortBox->isChecked()) {
        const std::string selected =
            selectRow >= 0 && std::size_t(selectRow) < list().size() ? list()[selectRow] : "";
        SortPictureNames(list());
        if (selectRow >= 0) {
            const auto found = std::find(list().begin(), list().end(), selected);
            selectRow = found == list().end() ? -1 : int(found - list().begin());
        }
    }
    showList(selectRow);
    RefreshPlan();
}

void Tfilelistwindow::DateilisteClick(int row)
{
    const bool selected = row >= 0 && std::size_t(row) < list().size();
    removeButton->setEnabled(selected);
    deleteSelectedAction->setEnabled(selected);
    if (selected)
        preview->showPicture(m_pictureDir + list()[row]);
    else
        preview->clearPicture();
}

void Tfilelistwindow::moveSelected(int (*moveRow)(std::vector<std::string> &, int))
{
    const int row = Dateiliste->currentRow();
    if (row < 0 || autosortBox->isChecked())
        return;
    const int newRow = moveRow(list(), row);
    if (newRow != row)
        showList(newRow);
    Dateiliste->setFocus();
}

void Tfilelistwindow::autosortClick(bool checked)
{
    // A sorted list has no order of its own to move entries in.
    for (QToolButton *button :
         {previousPositionButton, nextPositionButton, firstPositionButton, lastPositionButton})
        button->setEnabled(!checked);
    if (checked)
        listChanged(Dateiliste->currentRow());
}

void Tfilelistwindow::removeSelectedClick()
{
    const int row = Dateiliste->currentRow();
    if (row < 0 || std::size_t(row) >= list().size())
        return;
    list().erase(list().begin() + row);
    listChanged(-1);
}

void Tfilelistwindow::editFileListClick()
{
    const std::vector<std::string> captions =
        m_context.thumbnailCaptions ? m_context.thumbnailCaptions() : std::vector<std::string>{};
    std::vector<std::string> candidates = EditFileListCandidates(captions, list());
    const int row = Dateiliste->currentRow();
    if (candidates.empty()) {
        m_prompts.show("info", nothingToEditText, PromptButtons::Ok);
    } else if (auto added = m_edit->Edit(std::move(candidates), m_pictureDir)) {
        list().insert(list().end(), added->begin(), added->end());
    }
    listChanged(row);
}

void Tfilelistwindow::fitPiclistClick()
{
    if (!m_plan.fitPiclistEnabled)
        return;
    FitPiclistToTemplate(list(), m_plan.picturesPerPage);
    listChanged(Dateiliste->currentRow());
}

void Tfilelistwindow::saveSortingOrderClick()
{
    if (list().empty()) {
        m_prompts.show("Info", nothingToSaveText, PromptButtons::Ok);
        return;
    }
    const QString fileName = FileDialog::getSaveFileName(
        this, QStringLiteral("Save actual sorting order in picture directory"),
        ToQString(m_pictureDir), QStringLiteral("Sorting files (*.qvlist)"),
        QStringLiteral("qvlist"));
    if (fileName.isEmpty())
        return;
    const std::filesystem::path file(ToEngineText(fileName));
    // The user keeps the list to come back to it; a list that was not written must not look
    // saved.
    if (!SaveSortingList(file, list())) {
        m_prompts.show("Save error", std::string(saveFailedText) + ToEngineText(fileName),
                       PromptButtons::Ok);
        return;
    }
    const std::string name = file.filename().string();
    setLastSortingListName(name);
    if (m_context.sortingListSaved)
        m_context.sortingListSaved();
    const bool listed =
        std::find(m_sortingLists.begin(), m_sortingLists.end(), name) != m_sortingLists.end();
    if (!listed && SameDirectory(file.parent_path(), m_pictureDir)) {
        m_sortingLists.push_back(name);
        showSortingLists();
    }
}

void Tfilelistwindow::loadSortingList(const std::string &name, bool rememberName)
{
    const SortingListResult loaded = LoadSortingList(m_pictureDir + name);
    // A list that cannot be read leaves the current order alone rather than emptying it.
    if (!loaded.opened) {
        m_prompts.show("ERROR", loaded.error, PromptButtons::Ok);
        return;
    }
    list() = loaded.names;
    if (!loaded.ok)
        m_prompts.show("ERROR", loaded.error, PromptButtons::Ok);
    if (rememberName)
        setLastSortingListName(name);
    if (m_context.markListedPictures)
        m_context.markListedPictures(list());
    if (autosortBox->isChecked())
        SortPictureNames(list());
    showList(list().empty() ? -1 : 0);
    RefreshPlan();
}

void Tfilelistwindow::ListBox2DblClick()
{
    const int row = ListBox2->currentRow();
    if (row >= 0 && std::size_t(row) < m_sortingLists.size())
        loadSortingList(m_sortingLists[row], true);
}

void Tfilelistwindow::lastsortinglistClick()
{
    if (!m_lastName.empty())
        loadSortingList(m_lastName, false);
}

void Tfilelistwindow::pagelistDblClick()
{
    const int row = pagelist->currentRow();
    if (row >= 0 && std::size_t(row) < m_plan.pageNameList.size())
        m_prompts.show("Info", std::string(plannedPageText) + m_plan.pageNameList[row],
                       PromptButtons::Ok);
}

void Tfilelistwindow::label15Click()
{
    m_prompts.show("INFO", fillStateText, PromptButtons::Ok);
}

bool Tfilelistwindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == label15 && event->type() == QEvent::MouseButtonRelease) {
        label15Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tfilelistwindow::Timer1Timer()
{
    const QModelIndex topIndex = Dateiliste->indexAt(QPoint(1, 1));
    const int top = topIndex.isValid() ? topIndex.row() : 0;
    const auto labels =
        PictureLocationLabels(top, static_cast<int>(list().size()), m_plan.picturesPerPage);
    const int rowHeight = std::max(Dateiliste->count() > 0 ? Dateiliste->sizeHintForRow(0)
                                                           : Dateiliste->fontMetrics().height(),
                                   1);
    int firstTop = Dateiliste->viewport()->mapTo(this, QPoint(0, 0)).y() -
                   locationColumn->mapTo(this, QPoint(0, 0)).y();
    if (topIndex.isValid())
        firstTop += Dateiliste->visualItemRect(Dateiliste->item(top)).top();
    for (int k = 0; k < locationColumnRows; ++k) {
        locationLabels[k]->setText(ToQString(labels[k]));
        locationLabels[k]->setGeometry(0, firstTop + k * rowHeight, locationColumn->width(),
                                       rowHeight);
    }
}

void Tfilelistwindow::SpeedButton1Click()
{
    if (!m_context.singlePageRun || m_singlePageRunning)
        return;
    m_singlePageRunning = true;
    const int row = Dateiliste->currentRow();
    content->setEnabled(false);
    m_context.singlePageRun();
    content->setEnabled(true);
    m_singlePageRunning = false;
    if (m_shownForRun)
        m_prompts.setParentWindow(this);
    // The run may have moved the page counter and so the page names.
    showList(std::min(row, static_cast<int>(list().size()) - 1));
    RefreshPlan();
}

void Tfilelistwindow::startClick()
{
    if (m_context.clearSinglePageRun)
        m_context.clearSinglePageRun();
    if (list().empty()) {
        m_prompts.show("ERROR", noFilesText, PromptButtons::Ok);
        return;
    }
    Timer1->stop();
    done(QDialog::Accepted);
}

void Tfilelistwindow::cancelClick()
{
    if (m_prompts.show("info", cancelQuestion, PromptButtons::YesNo) != PromptAnswer::No)
        return;
    // A single-page run before must not turn the cancelled run into one.
    if (m_context.clearSinglePageRun)
        m_context.clearSinglePageRun();
    Timer1->stop();
    done(QDialog::Rejected);
}

void Tfilelistwindow::reject()
{
    if (!m_singlePageRunning)
        cancelClick();
}

void Tfilelistwindow::showSortingLists()
{
    ListBox2->clear();
    for (const std::string &name : m_sortingLists)
        ListBox2->addItem(DisplayName(name));
}

void Tfilelistwindow::setLastSortingListName(const std::string &name)
{
    m_lastName = name;
    m_lastSortingListName = DisplayName(name);
    lastsortinglist->setText(m_lastSortingListName);
    lastsortinglist->setEnabled(!name.empty());
}

} // namespace pagoranto
