#pragma once

#include "core/publish/publisher.h"
#include "gui/platform/qtevents.h"

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace pagoranto {

class MessageBox;

// What the publish window needs from the program.
struct PublishSetup {
    std::string settingsDirectory; // where the destinations are remembered
    // The program ssh asks for passwords and unknown servers through; when it is missing ssh
    // cannot ask, and such a publish fails with a message instead of waiting.
    std::string askpassProgram;
    std::string remoteShell = "ssh";
    std::vector<std::string> extraRsyncArguments; // tests slow the transfer down with these
};

// Sends a gallery folder to its web server or another folder: the destination remembered for that
// folder, the progress while it goes, Stop, and the result in plain words.
class PublishWindow : public QDialog, private PublishView {
    Q_OBJECT

public:
    PublishWindow(PublishSetup setup, MessageBox &prompts, QWidget *parent = nullptr);

    // Fills the window for the gallery folder and shows it modally.
    int ShowFor(const std::string &galleryFolder);
    // Fills the window for the gallery folder: its remembered destination and an empty result.
    void Prepare(const std::string &galleryFolder);
    // Publishes with what the window shows; returns when the publish has ended.
    void PublishClick();
    void StopClick();
    void ChooseFolderClick();
    bool publishing() const { return m_publishing; }
    const std::string &galleryFolder() const { return m_galleryFolder; }

    QLineEdit *gallery = nullptr;
    QLineEdit *destination = nullptr;
    QPushButton *chooseFolder = nullptr;
    QCheckBox *removeStale = nullptr;
    QPushButton *publishButton = nullptr;
    QPushButton *stopButton = nullptr;
    QPushButton *closeButton = nullptr;
    QProgressBar *progressBar = nullptr;
    QLabel *statusLine = nullptr;
    QLabel *filesSent = nullptr;
    QLabel *bytesSent = nullptr;
    QLabel *currentFile = nullptr;
    QLabel *resultLine = nullptr;

protected:
    void reject() override;

private:
    void ShowPublishStatus(std::string_view status) override;
    void ShowPublishProgress(const PublishProgress &progress) override;
    bool PublishStopRequested() override { return m_stopRequested; }
    bool ConfirmStaleRemoval(const std::vector<std::string> &files) override;

    QWidget *CreateProgressPanel();
    void ShowCounts(const PublishProgress &progress);
    void ShowResult(const PublishResult &result, const std::string &extra);
    void SetControlsForPublishing(bool publishing);
    PublishRequest Request() const;

    PublishSetup m_setup;
    MessageBox &m_prompts;
    QtEvents m_events;
    std::string m_galleryFolder;
    bool m_publishing = false;
    bool m_stopRequested = false;
};

// A byte count as people read it: "980 bytes", "4.2 MB".
QString ReadableBytes(std::uint64_t bytes);

} // namespace pagoranto
