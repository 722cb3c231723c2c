#pragma once

#include "core/options/websizeoptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace pagoranto {

// Whether pages show web-size copies of large photos, the box they fit and their folder.
class WebSizeControls : public QWidget {
    Q_OBJECT
public:
    explicit WebSizeControls(WebSizeOptions &options, QWidget *parent = nullptr);

    void ShowOptions();
    // Takes a box from the list or as typed; anything else is refused and the box kept.
    void CommitBox(const QString &text);

    QCheckBox *WebSizePictures;
    QComboBox *webSizeBox;
    QLabel *webdirLabel;
    QLineEdit *webdir;
    QLabel *boxRefused;

signals:
    void optionsChanged();

private:
    void EnableDetails(bool on);
    QString BoxText() const;

    WebSizeOptions &m_options;
};

} // namespace pagoranto
