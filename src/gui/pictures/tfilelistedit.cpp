#include "gui/pictures/tfilelistedit.h"

#include "core/text/bytetext.h"
#include "gui/pictures/filelistpreview.h"
#include "gui/platform/qttext.h"
#include "gui/ui/namedwidgets.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

std::vector<int> SelectedRows(const QListWidget *list)
{
    std::vector<int> rows;
    for (const QListWidgetItem *item : list->selectedItems())
        rows.push_back(list->row(item));
    return rows;
}

void Fill(QListWidget *list, const std::vector<std::string> &names)
{
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string &name : names)
        list->addItem(ToQString(ToUtf8(name)));
}

QString CountText(std::size_t count)
{
    return QString::number(count) + QStringLiteral(" pictures");
}

QPushButton *TransferButton(const QString &caption, const char *name, QWidget *parent)
{
    QPushButton *button = NamedButton(caption, name, parent);
    button->setFixedWidth(48);
    return button;
}

} // namespace

Tfilelistedit::Tfilelistedit(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfilelistedit"));
    setWindowTitle(QStringLiteral("Add \".jpg\" pictures to the list"));
    setModal(true);

    auto *restBox = new QGroupBox(QStringLiteral("The rest of your jpg-pictures"), this);
    restList = new QListWidget(restBox);
    restList->setObjectName(QStringLiteral("restList"));
    restList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    restCount = new QLabel(restBox);
    restCount->setObjectName(QStringLiteral("restCount"));
    auto *restLayout = new QVBoxLayout(restBox);
    restLayout->addWidget(restList);
    restLayout->addWidget(restCount);

    auto *addBox = new QGroupBox(QStringLiteral("Pictures to be added"), this);
    addList = new QListWidget(addBox);
    addList->setObjectName(QStringLiteral("addList"));
    addList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    addCount = new QLabel(addBox);
    addCount->setObjectName(QStringLiteral("addCount"));
    auto *addLayout = new QVBoxLayout(addBox);
    addLayout->addWidget(addList);
    addLayout->addWidget(addCount);

    addSelectedButton = TransferButton(QStringLiteral(">"), "addSelectedButton", this);
    addAllButton = TransferButton(QStringLiteral(">>"), "addAllButton", this);
    takeBackButton = TransferButton(QStringLiteral("<"), "takeBackButton", this);
    takeBackAllButton = TransferButton(QStringLiteral("<<"), "takeBackAllButton", this);
    auto *transferLayout = new QVBoxLayout;
    transferLayout->addStretch();
    for (QPushButton *button : {addSelectedButton, addAllButton, takeBackButton, takeBackAllButton})
        transferLayout->addWidget(button);
    transferLayout->addStretch();

    preview = new FileListPreview(this);
    preview->setObjectName(QStringLiteral("preview"));
    note = new QLabel(
        QStringLiteral("The new pictures are about to be added at the end of the existing list !"),
        this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(QDialogButtonBox::Ok);
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *lists = new QHBoxLayout;
    lists->addWidget(restBox, 1);
    lists->addLayout(transferLayout);
    lists->addWidget(addBox, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(preview);
    side->addWidget(note);
    side->addStretch();
    lists->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(buttons);

    connect(addSelectedButton, &QPushButton::clicked, this, &Tfilelistedit::addSelectedClick);
    connect(addAllButton, &QPushButton::clicked, this, &Tfilelistedit::addAllClick);
    connect(takeBackButton, &QPushButton::clicked, this, &Tfilelistedit::takeBackClick);
    connect(takeBackAllButton, &QPushButton::clicked, this, &Tfilelistedit::takeBackAllClick);
    connect(restList, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { previewItem(item, m_lists.rest); });
    connect(addList, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { previewItem(item, m_lists.toAdd); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<std::vector<std::string>> Tfilelistedit::Edit(std::vector<std::string> candidates,
                                                            const std::string &pictureDir)
{
    m_lists = StartFileListEdit(std::move(candidates));
    m_pictureDir = pictureDir;
    preview->clearPicture();
    showLists();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_lists.toAdd;
}

void Tfilelistedit::addSelectedClick()
{
    MoveSelectedToAdd(m_lists, SelectedRows(restList));
    showLists();
}

void Tfilelistedit::addAllClick()
{
    MoveAllToAdd(m_lists);
    showLists();
}

void Tfilelistedit::takeBackClick()
{
    MoveSelectedBack(m_lists, SelectedRows(addList));
    showLists();
}

void Tfilelistedit::takeBackAllClick()
{
    MoveAllBack(m_lists);
    showLists();
}

void Tfilelistedit::showLists()
{
    Fill(restList, m_lists.rest);
    Fill(addList, m_lists.toAdd);
    restCount->setText(CountText(m_lists.rest.size()));
    addCount->setText(CountText(m_lists.toAdd.size()));
    addSelectedButton->setEnabled(m_lists.canAdd());
    addAllButton->setEnabled(m_lists.canAdd());
    takeBackButton->setEnabled(m_lists.canTakeBack());
    takeBackAllButton->setEnabled(m_lists.canTakeBack());
}

void Tfilelistedit::previewItem(QListWidgetItem *item, const std::vector<std::string> &names)
{
    const int row = item ? item->listWidget()->row(item) : -1;
    if (row >= 0 && std::size_t(row) < names.size())
        preview->showPicture(m_pictureDir + names[row]);
}

} // namespace pagoranto
