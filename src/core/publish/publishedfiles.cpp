#include "core/publish/publishedfiles.h"

#include "core/platform/pathcontainment.h"
#include "core/publish/pagelinks.h"

#include <algorithm>
#include <cctype>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

namespace pagoranto {

namespace fs = std::filesystem;

namespace {

// A page or sheet larger than this is no page of ours; it is sent but not read.
constexpr std::uintmax_t maxReadSize = 32u * 1024 * 1024;

std::string LowerExtension(const fs::path &path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool IsPage(const fs::path &path)
{
    const std::string extension = LowerExtension(path);
    return extension == ".html" || extension == ".htm";
}

bool IsRegularFile(const fs::path &path)
{
    std::error_code error;
    return fs::is_regular_file(fs::status(path, error));
}

std::string ReadSmallFile(const fs::path &path)
{
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (error || size > maxReadSize)
        return {};
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool HasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return c < 0x20 || c == 0x7f; });
}

class Crawl {
public:
    explicit Crawl(const fs::path &root) : m_root(root) {}

    void AddPage(const std::string &relative)
    {
        if (m_files.insert(relative).second)
            m_queue.push_back(relative);
    }

    void Run()
    {
        while (!m_queue.empty()) {
            const std::string relative = m_queue.front();
            m_queue.pop_front();
            const fs::path file = m_root / relative;
            const std::string extension = LowerExtension(file);
            if (IsPage(file)) {
                for (const std::string &link : HtmlLinks(ReadSmallFile(file)))
                    Follow(relative, link);
            } else if (extension == ".css") {
                for (const std::string &link : CssLinks(ReadSmallFile(file)))
                    Follow(relative, link);
            }
        }
    }

    PublishedFiles Result() const
    {
        return {std::vector<std::string>(m_files.begin(), m_files.end()),
                std::vector<std::string>(m_outside.begin(), m_outside.end()),
                std::vector<std::string>(m_missing.begin(), m_missing.end())};
    }

private:
    void Follow(const std::string &from, const std::string &link)
    {
        const std::string path = LocalLinkPath(link);
        if (path.empty())
            return;
        if (path.front() == '/' || HasControlCharacter(path)) {
            m_outside.insert(link);
            return;
        }
        fs::path relative = (fs::path(from).parent_path() / path).lexically_normal();
        if (relative.empty() || *relative.begin() == "..") {
            m_outside.insert(link);
            return;
        }
        // A folder link is served as its index page.
        std::error_code error;
        if (fs::is_directory(m_root / relative, error))
            relative /= "index.html";
        const fs::path file = m_root / relative;
        if (!IsRegularFile(file)) {
            m_missing.insert(relative.generic_string());
            return;
        }
        if (!ResolvesInside(file, m_root)) {
            m_outside.insert(link);
            return;
        }
        AddPage(relative.generic_string());
    }

    fs::path m_root;
    std::set<std::string> m_files;
    std::deque<std::string> m_queue;
    std::set<std::string> m_outside;
    std::set<std::string> m_missing;
};

} // namespace

PublishedFiles ListPublishedFiles(const std::string &galleryFolder)
{
    const fs::path root(galleryFolder);
    Crawl crawl(root);
    std::error_code error;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsPage(it->path()) && IsRegularFile(it->path()) && !HasControlCharacter(name) &&
            ResolvesInside(it->path(), root))
            crawl.AddPage(name);
    }
    crawl.Run();
    return crawl.Result();
}

} // namespace pagoranto
