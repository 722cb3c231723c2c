#include "gui/pictures/directorychooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace pagoranto {

QString WithTrailingSlash(const QString &dir)
{
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

DirectoryChooser::DirectoryChooser(const char *driveName, const char *treeName, QWidget *parent)
    : QWidget(parent)
{
    drive = new QComboBox(this);
    drive->setObjectName(QString::fromLatin1(driveName));
    drive->addItem(QStringLiteral("/"));
    const QString home = WithTrailingSlash(QDir::homePath());
    if (home != QStringLiteral("/"))
        drive->addItem(home);

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QStringLiteral("/"));
    tree = new QTreeView(this);
    tree->setObjectName(QString::fromLatin1(treeName));
    tree->setModel(m_model);
    tree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        tree->hideColumn(column);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drive);
    layout->addWidget(tree, 1);

    connect(drive, &QComboBox::activated, this, [this](int index) {
        const QString root = drive->itemText(index);
        ShowInTree(root);
        Apply(root);
    });
    // The model reads directories in the background: the chosen one can be scrolled to only
    // once its parents are read.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &path) {
        if (!m_reveal || !QDir::cleanPath(m_directory).startsWith(path))
            return;
        if (QDir::cleanPath(m_directory) == QDir::cleanPath(path))
            m_reveal = false;
        // After the view has laid out the rows that just arrived.
        QTimer::singleShot(0, this, &DirectoryChooser::Reveal);
    });
    connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &index) {
                if (m_syncing || !index.isValid())
                    return;
                m_reveal = false;
                Apply(WithTrailingSlash(m_model->filePath(index)));
            });
}

void DirectoryChooser::setDirectory(const QString &dir)
{
    const QString slashed = WithTrailingSlash(dir);
    const QString home = WithTrailingSlash(QDir::homePath());
    const int driveIndex = drive->findText(
        slashed.startsWith(home) && drive->count() > 1 ? home : QStringLiteral("/"));
    if (driveIndex >= 0)
        drive->setCurrentIndex(driveIndex);
    m_reveal = true;
    ShowInTree(slashed);
    Apply(slashed);
}

void DirectoryChooser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A hidden view has no size to scroll in.
    QTimer::singleShot(0, this, &DirectoryChooser::Reveal);
    QTimer::singleShot(250, this, &DirectoryChooser::Reveal);
}

void DirectoryChooser::Reveal()
{
    const QModelIndex index = m_model->index(QDir::cleanPath(m_directory));
    if (!index.isValid())
        return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        tree->expand(parent);
    // Rows that arrived since the last paint are not laid out yet.
    tree->doItemsLayout();
    m_syncing = true;
    tree->setCurrentIndex(index);
    m_syncing = false;
    tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void DirectoryChooser::ShowInTree(const QString &dir)
{
    m_syncing = true;
    const QString root = drive->currentText();
    tree->setRootIndex(m_model->index(root == QStringLiteral("/") ? root : QDir::cleanPath(root)));
    const QModelIndex index = m_model->index(QDir::cleanPath(dir));
    if (index.isValid()) {
        tree->setCurrentIndex(index);
        tree->scrollTo(index);
    }
    m_syncing = false;
}

void DirectoryChooser::Apply(const QString &dir)
{
    if (dir == m_directory)
        return;
    m_directory = dir;
    emit directoryChanged(dir);
}

} // namespace pagoranto
