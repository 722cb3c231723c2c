#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace pagoranto {

// A drive box ("/" and the home directory) over a directory tree, for the windows that choose
// a directory of their own.
class DirectoryChooser : public QWidget {
    Q_OBJECT
public:
    // The controls get the object names driveName and treeName.
    DirectoryChooser(const char *driveName, const char *treeName, QWidget *parent = nullptr);

    // The chosen directory, ending in "/".
    QString directory() const { return m_directory; }
    // Shows dir in the tree; emits directoryChanged() when it differs.
    void setDirectory(const QString &dir);

    QComboBox *drive;
    QTreeView *tree;

signals:
    void directoryChanged(const QString &dir);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowInTree(const QString &dir);
    void Reveal();
    void Apply(const QString &dir);

    QFileSystemModel *m_model;
    QString m_directory;
    bool m_syncing = false;
    bool m_reveal = false; // scroll to the directory set from outside once it is read
};

QString WithTrailingSlash(const QString &dir);

} // namespace pagoranto
