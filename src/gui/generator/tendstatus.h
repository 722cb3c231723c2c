#pragma once

#include "core/generator/endstatus.h"
#include "core/options/additionaloptions.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

class QFrame;
class QLabel;
class QVBoxLayout;

namespace pagoranto {

class MessageBox;
class PublishWindow;
class Shell;

// The end of a finished run: where the pages, pictures and thumbnails are, the first page, and
// a way to open each of them.
class Tendstatus : public QDialog {
    Q_OBJECT

public:
    Tendstatus(Shell &shell, MessageBox &prompts, QWidget *parent = nullptr);

    // Fills the fields and shows the window modally; Accepted for "OK", Rejected for the
    // close box.
    int ShowEndStatus(const EndStatus &status, BrowserStart choice);
    // The window "Publish" opens for the pages' folder; without one the button is hidden.
    void setPublishWindow(PublishWindow *window);
    void PublishClick();

    QLineEdit *d_pages = nullptr;
    QLineEdit *d_images = nullptr;
    QLineEdit *d_thumbnails = nullptr;
    QLineEdit *d_firstpage = nullptr;
    // The pictures of the run that could not be read; hidden when there are none.
    QLabel *unreadablePictures = nullptr;

private:
    QLineEdit *addField(QVBoxLayout *layout, const char *name, const QString &label,
                        QPushButton *&show);
    QFrame *UnreadablePanel();
    void showUnreadablePictures(const std::vector<std::string> &pictures);
    void enableShowButtons();
    void showDirectory(const QLineEdit *field);
    void showFirstPageClick();

    Shell &m_shell;
    MessageBox &m_prompts;
    BrowserStart m_browserChoice = BrowserStart::defaultBrowser;
    QPushButton *m_showPages = nullptr;
    QPushButton *m_showImages = nullptr;
    QPushButton *m_showThumbnails = nullptr;
    QPushButton *m_showFirstPage = nullptr;
    QPushButton *m_publish = nullptr;
    PublishWindow *m_publishWindow = nullptr;
    QFrame *m_unreadablePanel = nullptr;
    QLabel *m_unreadableHint = nullptr;
};

} // namespace pagoranto
