#include "core/publish/publisher.h"

#include "core/platform/events.h"
#include "core/publish/capturedprocess.h"
#include "core/publish/publishedfiles.h"
#include "core/publish/rsyncreport.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <unistd.h>

namespace pagoranto {

namespace fs = std::filesystem;

namespace {

// Where a cut transfer keeps its part on the server, beside the files; the next run resumes
// from it and removes it.
constexpr const char *partialFolder = ".pagoranto-partial";
constexpr int pumpMilliseconds = 50;
constexpr int connectTimeoutSeconds = 20;

// A word for rsync's -e, which splits at blanks and honours quotes but not backslashes.
std::string RemoteShellWord(const std::string &word)
{
    if (word.find_first_of(" '\"") == std::string::npos)
        return word;
    return word.find('\'') == std::string::npos ? "'" + word + "'" : "\"" + word + "\"";
}

std::string RemoteShell(const PublishRequest &request, int timeoutSeconds)
{
    std::string shell = request.remoteShell.empty() ? "ssh" : request.remoteShell;
    const auto option = [&](const std::string &value) { shell += " -o " + RemoteShellWord(value); };
    option("ConnectTimeout=" + std::to_string(connectTimeoutSeconds));
    // A server that vanishes without closing the connection is noticed.
    option("ServerAliveInterval=" + std::to_string(std::max(1, timeoutSeconds / 4)));
    option("ServerAliveCountMax=4");
    option(request.prompting == PublishPrompting::none ? "BatchMode=yes" : "BatchMode=no");
    return shell;
}

// rsync filter patterns treat these as wildcards; a backslash escapes them only in a pattern
// that has one.
std::string FilterPattern(const std::string &path)
{
    if (path.find_first_of("*?[") == std::string::npos)
        return "/" + path;
    std::string pattern = "/";
    for (char c : path) {
        if (c == '*' || c == '?' || c == '[' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

// Every file of the list and the folders on their way, then nothing else.
bool WriteFilter(const fs::path &file, const std::vector<std::string> &files)
{
    std::set<std::string> folders;
    for (const std::string &path : files)
        for (auto slash = path.find('/'); slash != std::string::npos;
             slash = path.find('/', slash + 1))
            folders.insert(path.substr(0, slash));
    std::ofstream out(file, std::ios::trunc);
    out << "P " << partialFolder << "/\n";
    for (const std::string &folder : folders)
        out << "+ " << FilterPattern(folder) << "/\n";
    for (const std::string &path : files)
        out << "+ " << FilterPattern(path) << "\n";
    out << "- *\n";
    out.flush();
    return static_cast<bool>(out);
}

class TemporaryFile {
public:
    TemporaryFile()
    {
        std::string pattern = (fs::temp_directory_path() / "pagoranto-publish-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0) {
            ::close(fd);
            m_path = pattern;
        }
    }
    ~TemporaryFile()
    {
        std::error_code ignored;
        if (!m_path.empty())
            fs::remove(m_path, ignored);
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

struct RsyncRun {
    int exitCode = 0;
    std::string errors;
    bool stopped = false;
    bool started = true;
};

class Publishing {
public:
    Publishing(const PublishRequest &request, const Destination &destination, PublishView &view,
               Events &events)
        : m_request(request), m_destination(destination), m_view(view), m_events(events)
    {
    }

    PublishResult Run()
    {
        PublishResult result;
        const PublishedFiles published = ListPublishedFiles(m_request.galleryFolder);
        result.outside = published.outside;
        if (published.files.empty())
            return Failed(result, PublishFailure::nothingToPublish, {});
        TemporaryFile filter;
        if (filter.path().empty() || !WriteFilter(filter.path(), published.files))
            return Failed(result, PublishFailure::other,
                          "The list of files to send cannot be written to the temporary folder.");
        m_filterFile = filter.path().string();

        bool removeStale = false;
        if (m_request.target.removeStale) {
            m_view.ShowPublishStatus(
                "Looking for files on the server that the gallery no longer has");
            std::vector<std::string> stale;
            const RsyncRun look = RunRsync({"--dry-run", "--delete", "--delete-excluded"},
                                           [&](const RsyncLine &line) {
                                               if (line.kind == RsyncLine::Kind::deletion)
                                                   stale.push_back(line.path);
                                           });
            if (const auto failed = Ended(result, look))
                return *failed;
            removeStale = !stale.empty() && m_view.ConfirmStaleRemoval(stale);
        }

        m_view.ShowPublishStatus("Sending the gallery");
        PublishProgress progress;
        std::vector<std::string> options;
        if (removeStale)
            options = {"--delete-after", "--delete-excluded"};
        const RsyncRun send = RunRsync(options, [&](const RsyncLine &line) {
            switch (line.kind) {
            case RsyncLine::Kind::item:
                if (line.transfer) {
                    ++progress.filesSent;
                    progress.currentFile = line.path;
                    result.sentFiles.push_back(line.path);
                    m_view.ShowPublishProgress(progress);
                }
                break;
            case RsyncLine::Kind::deletion:
                ++result.filesRemoved;
                break;
            case RsyncLine::Kind::progress:
                progress.bytesSent = line.bytes;
                m_view.ShowPublishProgress(progress);
                break;
            case RsyncLine::Kind::totalBytesSent:
                result.totalBytesSent = line.bytes;
                break;
            case RsyncLine::Kind::other:
                break;
            }
        });
        result.filesSent = result.sentFiles.size();
        if (const auto failed = Ended(result, send))
            return *failed;
        result.message = Summary(result);
        return result;
    }

private:
    std::optional<PublishResult> Ended(PublishResult &result, const RsyncRun &run)
    {
        if (!run.started)
            return Failed(result, PublishFailure::toolMissing, run.errors);
        if (run.stopped)
            return Failed(result, PublishFailure::stopped, {});
        const PublishFailure failure = ClassifyRsyncEnd(run.exitCode, run.errors);
        if (failure == PublishFailure::none)
            return std::nullopt;
        return Failed(result, failure, run.errors);
    }

    PublishResult &Failed(PublishResult &result, PublishFailure failure, const std::string &errors)
    {
        result.failure = failure;
        result.message = FailureMessage(failure, errors, m_destination.remote);
        return result;
    }

    static std::string Summary(const PublishResult &result)
    {
        const std::string bytes = " (" + std::to_string(result.totalBytesSent) + " bytes sent).";
        std::string summary = result.filesSent == 0 ? "The server was up to date: no file was sent"
                              : result.filesSent == 1
                                  ? std::string("1 file was sent")
                                  : std::to_string(result.filesSent) + " files were sent";
        summary += bytes;
        if (result.filesRemoved > 0)
            summary += " " + std::to_string(result.filesRemoved) + " removed from the server.";
        if (!result.outside.empty())
            summary += "\r" + std::to_string(result.outside.size()) +
                       " links lead out of the gallery folder and were not sent.";
        return summary;
    }

    std::string DestinationArgument() const
    {
        std::string path = m_destination.path;
        if (!path.empty() && path.back() != '/')
            path += '/';
        return m_destination.remote ? m_destination.host + ":" + path : path;
    }

    RsyncRun RunRsync(const std::vector<std::string> &options,
                      const std::function<void(const RsyncLine &)> &onLine)
    {
        const int timeout = std::max(5, m_request.timeoutSeconds);
        CapturedProcess::Options process;
        process.arguments = {"rsync",
                             "--recursive",
                             "--times",
                             "--copy-links",
                             "--partial-dir=" + std::string(partialFolder),
                             "--timeout=" + std::to_string(timeout),
                             "--filter=merge " + m_filterFile,
                             "--out-format=" + std::string(itemMarker) + "%i %n",
                             "--info=progress2",
                             "--no-human-readable",
                             "--stats"};
        process.arguments.insert(process.arguments.end(), options.begin(), options.end());
        if (m_destination.remote)
            process.arguments.push_back("--rsh=" + RemoteShell(m_request, timeout));
        process.arguments.insert(process.arguments.end(), m_request.extraRsyncArguments.begin(),
                                 m_request.extraRsyncArguments.end());
        std::string source = fs::path(m_request.galleryFolder).string();
        if (source.empty() || source.back() != '/')
            source += '/';
        process.arguments.push_back(source);
        process.arguments.push_back(DestinationArgument());

        if (m_request.prompting == PublishPrompting::askpass) {
            process.environment = {{"SSH_ASKPASS", m_request.askpassProgram},
                                   {"SSH_ASKPASS_REQUIRE", "force"}};
        }
        process.ownSession = m_request.prompting != PublishPrompting::terminal;

        RsyncRun run;
        std::string error;
        auto rsync = CapturedProcess::Start(process, error);
        if (!rsync) {
            run.started = false;
            run.errors = error;
            return run;
        }
        const auto lineHandler = [&](std::string_view text) { onLine(ParseRsyncLine(text)); };
        while (rsync->Pump(pumpMilliseconds, lineHandler)) {
            m_events.processPendingMessages();
            if (m_view.PublishStopRequested()) {
                rsync->Stop();
                run.stopped = true;
                break;
            }
        }
        run.exitCode = rsync->ExitCode();
        run.errors = rsync->Errors();
        return run;
    }

    const PublishRequest &m_request;
    const Destination &m_destination;
    PublishView &m_view;
    Events &m_events;
    std::string m_filterFile;
};

// The gallery folder as its own destination would lose everything no page links once stale files
// are removed, and so would a folder holding it; the photos and descriptions are there.
std::string LocalDestinationRefusal(const PublishRequest &request, const Destination &destination)
{
    if (destination.remote)
        return {};
    std::error_code error;
    const fs::path gallery = fs::weakly_canonical(request.galleryFolder, error);
    const fs::path target = fs::weakly_canonical(destination.path, error);
    if (error)
        return {};
    const auto relative = gallery.lexically_relative(target);
    if (relative.empty() || *relative.begin() == "..")
        return {};
    if (relative == ".")
        return "The destination is the gallery folder itself. Choose another folder.";
    if (request.target.removeStale)
        return "The destination folder holds the gallery folder, whose files would be removed "
               "from it. Choose another folder, or publish without removing files.";
    return {};
}

} // namespace

PublishResult Publish(const PublishRequest &request, PublishView &view, Events &events)
{
    const ParsedDestination parsed = ParseDestination(request.target.destination);
    if (!parsed.destination) {
        PublishResult result;
        result.failure = PublishFailure::badDestination;
        result.message = parsed.error;
        return result;
    }
    std::error_code error;
    if (!fs::is_directory(request.galleryFolder, error)) {
        PublishResult result;
        result.failure = PublishFailure::nothingToPublish;
        result.message = "The gallery folder " + request.galleryFolder + " does not exist.";
        return result;
    }
    if (const std::string refusal = LocalDestinationRefusal(request, *parsed.destination);
        !refusal.empty()) {
        PublishResult result;
        result.failure = PublishFailure::badDestination;
        result.message = refusal;
        return result;
    }
    return Publishing(request, *parsed.destination, view, events).Run();
}

} // namespace pagoranto
