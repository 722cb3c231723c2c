#include "batch/publishfrontend.h"

#include "batch/batchfrontend.h"
#include "core/publish/publisher.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace pagoranto {

namespace {

class BatchPublishView : public PublishView {
public:
    explicit BatchPublishView(bool showProgress) : m_showProgress(showProgress) {}
    ~BatchPublishView() override
    {
        if (m_shown)
            std::fputs("\n", stderr);
    }
    BatchPublishView(const BatchPublishView &) = delete;
    BatchPublishView &operator=(const BatchPublishView &) = delete;

    void ShowPublishProgress(const PublishProgress &progress) override
    {
        if (!m_showProgress)
            return;
        std::fprintf(stderr, "\r\033[Kpublishing: %llu files, %llu bytes sent: %s",
                     static_cast<unsigned long long>(progress.filesSent),
                     static_cast<unsigned long long>(progress.bytesSent),
                     progress.currentFile.c_str());
        m_shown = true;
    }

private:
    bool m_showProgress;
    bool m_shown = false;
};

// ssh may ask on a terminal only when there is one to answer on.
bool HasTerminal()
{
    const int tty = ::open("/dev/tty", O_RDWR | O_CLOEXEC);
    if (tty < 0)
        return false;
    ::close(tty);
    return ::isatty(STDIN_FILENO) != 0;
}

// The windows' messages use "\r" for a line break.
std::string Lines(std::string text)
{
    for (char &c : text)
        if (c == '\r')
            c = '\n';
    return text;
}

} // namespace

bool RunBatchPublish(const std::string &galleryFolder, const std::string &destination,
                     const std::string &settingsDirectory)
{
    PublishRequest request;
    request.galleryFolder = galleryFolder;
    request.target.destination = destination;
    request.prompting = HasTerminal() ? PublishPrompting::terminal : PublishPrompting::none;
    if (const char *shell = std::getenv("RSYNC_RSH"); shell && *shell)
        request.remoteShell = shell;

    BatchPublishView view(::isatty(STDERR_FILENO) != 0);
    BatchEvents events;
    PublishResult result = Publish(request, view, events);
    for (const std::string &link : result.outside)
        std::fprintf(stderr, "pagoranto-batch: not published, outside the gallery folder: %s\n",
                     link.c_str());
    if (result.failure != PublishFailure::none) {
        std::fprintf(stderr, "pagoranto-batch: publishing failed: %s\n",
                     Lines(result.message).c_str());
        return false;
    }
    for (const std::string &file : result.sentFiles)
        std::fprintf(stderr, "  sent %s\n", file.c_str());
    std::fprintf(stderr, "pagoranto-batch: published to %s: %s\n", destination.c_str(),
                 Lines(result.message).c_str());
    PublishTarget remembered =
        LoadPublishTarget(settingsDirectory, galleryFolder).value_or(PublishTarget{});
    remembered.destination = destination;
    if (!SavePublishTarget(settingsDirectory, galleryFolder, remembered))
        std::fprintf(stderr, "pagoranto-batch: the destination could not be remembered in %s\n",
                     settingsDirectory.c_str());
    return true;
}

} // namespace pagoranto
