#include "gui/publish/publishwindow.h"

#include "core/publish/publishtarget.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/platform/qttext.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <unistd.h>

namespace pagoranto {

namespace {

// The confirmation names this many of the files to remove; the rest are counted.
constexpr std::size_t namedStaleFiles = 12;

QLabel *ValueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString StaleRemovalQuestion(std::vector<std::string> files)
{
    std::sort(files.begin(), files.end());
    QString text = files.size() == 1
                       ? QStringLiteral("The server has 1 file that the gallery no longer has:\r")
                       : QStringLiteral("The server has %1 files that the gallery no longer has:\r")
                             .arg(files.size());
    for (std::size_t i = 0; i < files.size() && i < namedStaleFiles; ++i)
        text += QStringLiteral("\r    ") + ToQString(files[i]);
    if (files.size() > namedStaleFiles)
        text += QStringLiteral("\r    ... and %1 more").arg(files.size() - namedStaleFiles);
    text += QStringLiteral("\r\rRemove them from the server?");
    return text;
}

} // namespace

QString ReadableBytes(std::uint64_t bytes)
{
    if (bytes < 1000)
        return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
    const char *units[] = {"kB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes);
    int unit = -1;
    while (value >= 1000 && unit < 3) {
        value /= 1000;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(units[unit]));
}

PublishWindow::PublishWindow(PublishSetup setup, MessageBox &prompts, QWidget *parent)
    : QDialog(parent), m_setup(std::move(setup)), m_prompts(prompts)
{
    setObjectName(QStringLiteral("PublishWindow"));
    setWindowTitle(QStringLiteral("Publish the gallery"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);

    auto *where = new QGroupBox(QStringLiteral("Where to"), this);
    auto *form = new QFormLayout(where);
    gallery = new QLineEdit(where);
    gallery->setObjectName(QStringLiteral("gallery"));
    gallery->setReadOnly(true);
    form->addRow(QStringLiteral("Gallery folder:"), gallery);
    destination = new QLineEdit(where);
    destination->setObjectName(QStringLiteral("destination"));
    destination->setPlaceholderText(QStringLiteral("user@host:folder or /a/mounted/folder"));
    chooseFolder = new QPushButton(QStringLiteral("Folder..."), where);
    chooseFolder->setObjectName(QStringLiteral("chooseFolder"));
    auto *destinationRow = new QHBoxLayout;
    destinationRow->addWidget(destination, 1);
    destinationRow->addWidget(chooseFolder);
    form->addRow(QStringLiteral("Destination:"), destinationRow);
    auto *hint = new QLabel(
        QStringLiteral("A web server over SSH as user@host:folder (your SSH keys are used; a "
                       "password is asked for and not kept), or a local or mounted folder. Only "
                       "the pages and the files they show are sent, and only what changed."),
        where);
    hint->setWordWrap(true);
    form->addRow(QString(), hint);
    removeStale = new QCheckBox(
        QStringLiteral("Remove files on the server that the gallery no longer has"), where);
    removeStale->setObjectName(QStringLiteral("removeStale"));
    form->addRow(QString(), removeStale);
    layout->addWidget(where);
    layout->addWidget(CreateProgressPanel());

    resultLine = ValueLabel("resultLine", this);
    resultLine->setWordWrap(true);
    resultLine->hide();
    layout->addWidget(resultLine);

    auto *buttons = new QHBoxLayout;
    publishButton = new QPushButton(QStringLiteral("Publish"), this);
    publishButton->setObjectName(QStringLiteral("publishButton"));
    publishButton->setDefault(true);
    stopButton = new QPushButton(QStringLiteral("Stop"), this);
    stopButton->setObjectName(QStringLiteral("stopButton"));
    stopButton->setEnabled(false);
    closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    buttons->addStretch();
    buttons->addWidget(publishButton);
    buttons->addWidget(stopButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    setMinimumWidth(640);

    connect(publishButton, &QPushButton::clicked, this, &PublishWindow::PublishClick);
    connect(stopButton, &QPushButton::clicked, this, &PublishWindow::StopClick);
    connect(closeButton, &QPushButton::clicked, this, &PublishWindow::reject);
    connect(chooseFolder, &QPushButton::clicked, this, &PublishWindow::ChooseFolderClick);
}

QWidget *PublishWindow::CreateProgressPanel()
{
    auto *panel = new QGroupBox(QStringLiteral("Progress"), this);
    auto *column = new QVBoxLayout(panel);
    statusLine = ValueLabel("statusLine", panel);
    column->addWidget(statusLine);
    progressBar = new QProgressBar(panel);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setRange(0, 1);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    column->addWidget(progressBar);
    auto *counts = new QFormLayout;
    filesSent = ValueLabel("filesSent", panel);
    bytesSent = ValueLabel("bytesSent", panel);
    currentFile = ValueLabel("currentFile", panel);
    currentFile->setWordWrap(true);
    counts->addRow(QStringLiteral("Files sent:"), filesSent);
    counts->addRow(QStringLiteral("Data sent:"), bytesSent);
    counts->addRow(QStringLiteral("Current file:"), currentFile);
    column->addLayout(counts);
    return panel;
}

int PublishWindow::ShowFor(const std::string &galleryFolder)
{
    if (m_publishing)
        return QDialog::Rejected;
    Prepare(galleryFolder);
    return exec();
}

void PublishWindow::Prepare(const std::string &galleryFolder)
{
    m_galleryFolder = galleryFolder;
    gallery->setText(ToQString(galleryFolder));
    const PublishTarget target =
        LoadPublishTarget(m_setup.settingsDirectory, galleryFolder).value_or(PublishTarget{});
    destination->setText(ToQString(target.destination));
    removeStale->setChecked(target.removeStale);
    statusLine->setText(QStringLiteral("Not published in this session yet."));
    ShowCounts({});
    progressBar->setRange(0, 1);
    progressBar->setValue(0);
    resultLine->clear();
    resultLine->hide();
    destination->setFocus();
}

PublishRequest PublishWindow::Request() const
{
    PublishRequest request;
    request.galleryFolder = m_galleryFolder;
    request.target.destination = ToEngineText(destination->text().trimmed());
    request.target.removeStale = removeStale->isChecked();
    const bool canAsk =
        !m_setup.askpassProgram.empty() && ::access(m_setup.askpassProgram.c_str(), X_OK) == 0;
    request.prompting = canAsk ? PublishPrompting::askpass : PublishPrompting::none;
    request.askpassProgram = m_setup.askpassProgram;
    request.remoteShell = m_setup.remoteShell;
    request.extraRsyncArguments = m_setup.extraRsyncArguments;
    return request;
}

void PublishWindow::PublishClick()
{
    if (m_publishing)
        return;
    m_publishing = true;
    m_stopRequested = false;
    SetControlsForPublishing(true);
    resultLine->hide();
    ShowCounts({});
    statusLine->setText(QStringLiteral("Starting"));
    progressBar->setRange(0, 0); // busy: how much will change is known only at the end

    const PublishRequest request = Request();
    QWidget *previousParent = m_prompts.parentWindow();
    m_prompts.setParentWindow(this);
    const PublishResult result = Publish(request, *this, m_events);
    m_prompts.setParentWindow(previousParent);

    std::string extra;
    if (result.failure != PublishFailure::badDestination &&
        !SavePublishTarget(m_setup.settingsDirectory, m_galleryFolder, request.target))
        extra = "The destination could not be remembered in " + m_setup.settingsDirectory + ".";
    ShowResult(result, extra);
    m_publishing = false;
    SetControlsForPublishing(false);
}

void PublishWindow::StopClick()
{
    if (!m_publishing)
        return;
    m_stopRequested = true;
    stopButton->setEnabled(false);
    statusLine->setText(QStringLiteral("Stopping"));
}

void PublishWindow::ChooseFolderClick()
{
    const QString current = destination->text().trimmed();
    const QString start = !current.isEmpty() && QDir(current).exists() ? current : QDir::homePath();
    const QString chosen = FileDialog::getExistingDirectory(
        this, QStringLiteral("Folder to publish the gallery to"), start);
    if (!chosen.isEmpty())
        destination->setText(chosen);
}

void PublishWindow::reject()
{
    // Closing in the middle stops the publish first, so its result is seen.
    if (m_publishing) {
        StopClick();
        return;
    }
    QDialog::reject();
}

void PublishWindow::ShowPublishStatus(std::string_view status)
{
    statusLine->setText(ToQString(status));
}

void PublishWindow::ShowPublishProgress(const PublishProgress &progress)
{
    ShowCounts(progress);
}

bool PublishWindow::ConfirmStaleRemoval(const std::vector<std::string> &files)
{
    return m_prompts.confirm("Remove files from the server",
                             ToEngineText(StaleRemovalQuestion(files))) == PromptAnswer::Yes;
}

void PublishWindow::ShowCounts(const PublishProgress &progress)
{
    filesSent->setText(QString::number(progress.filesSent));
    bytesSent->setText(ReadableBytes(progress.bytesSent));
    currentFile->setText(ToQString(progress.currentFile));
}

void PublishWindow::ShowResult(const PublishResult &result, const std::string &extra)
{
    const bool success = result.failure == PublishFailure::none;
    progressBar->setRange(0, 1);
    progressBar->setValue(success ? 1 : 0);
    statusLine->setText(success ? QStringLiteral("Published")
                        : result.failure == PublishFailure::stopped
                            ? QStringLiteral("Stopped")
                            : QStringLiteral("Not published"));
    currentFile->clear();
    if (success) {
        filesSent->setText(QString::number(result.filesSent));
        bytesSent->setText(ReadableBytes(result.totalBytesSent));
    }
    QString text = MessageText(result.message);
    if (!extra.empty())
        text += QLatin1Char('\n') + ToQString(extra);
    resultLine->setText(text);
    resultLine->setProperty("failed", !success);
    resultLine->setStyleSheet(success ? QStringLiteral("QLabel { background: #e8f5e9; color: "
                                                       "#1b5e20; border: 1px solid #81c784; "
                                                       "border-radius: 4px; padding: 6px; }")
                                      : QStringLiteral("QLabel { background: #fff4e5; color: "
                                                       "#7a2a00; border: 1px solid #e3a33b; "
                                                       "border-radius: 4px; padding: 6px; }"));
    resultLine->show();
}

void PublishWindow::SetControlsForPublishing(bool publishing)
{
    for (QWidget *control : std::initializer_list<QWidget *>{destination, chooseFolder, removeStale,
                                                             publishButton, closeButton})
        control->setEnabled(!publishing);
    stopButton->setEnabled(publishing);
}

} // namespace pagoranto
