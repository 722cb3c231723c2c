// Pages per second of the page maker on a gallery of 1,000 pictures: picture pages ($PIC$) and
// thumbnail index pages ($TPIC$, twelve a page), each with and without compression. As the floor
// to compare with, the same number of unprocessed template copies are written in the same run.
//
//   bench_pagemaker [corpus directory]
//
// Without a directory the pictures are small JPEGs written by the bench; with one, its *.jpg
// files are used, their names repeated up to 1,000 when there are fewer.
#include "core/generator/layoutanalysis.h"
#include "core/generator/pagemaker.h"
#include "core/pictures/descriptionstore.h"
#include "core/pictures/jpegencoder.h"
#include "core/platform/clock.h"
#include "core/platform/events.h"
#include "core/platform/localclock.h"
#include "core/platform/prompts.h"
#include "core/text/bytetext.h"
#include "core/text/datetimeformat.h"
#include "core/text/linefile.h"
#include "noevents.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;
using namespace pagoranto;

namespace {

constexpr int pictureCount = 1000;
// Each figure is the fastest of a few rounds: a single round of the plain copies takes only
// some milliseconds and is easily disturbed by the rest of the machine.
constexpr int rounds = 3;

// A failed page is counted from the page result; the message itself is not needed.
class SilentPrompts : public Prompts {
public:
    PromptAnswer show(std::string_view, std::string_view, PromptButtons) override
    {
        return PromptAnswer::Ok;
    }
};

// Used when the layouts of the source tree cannot be read: the same commands in fewer lines.
const ByteLines builtInPictureLayout = {
    "<!DOCTYPE html>",
    "<html lang=\"en\">",
    "<head>",
    "<meta charset=\"utf-8\">",
    "<title>$FILENAMEWE$ - picture $COUNT$ of $TOTAL$</title>",
    "<link rel=\"stylesheet\" href=\"picture.css\">",
    "</head>",
    "<body>",
    "<nav class=\"pages\">$NAVIGATE$</nav>",
    "<figure class=\"photo\">$PIC$",
    "<figcaption><p>$FILENAME$ $DIMENSION$ pixels, $FILESIZE$</p><p>$PCOMMENT$</p></figcaption>",
    "</figure>",
    "<nav><span>$PREVIOUS$</span> $COUNT$ / $TOTAL$ <span>$NEXT$</span></nav>",
    "</body>",
    "</html>",
};

ByteLines BuiltInIndexLayout()
{
    ByteLines lines = {"<!DOCTYPE html>",
                       "<html lang=\"en\">",
                       "<head>",
                       "<meta charset=\"utf-8\">",
                       "<title>Photo gallery - page $COUNT$</title>",
                       "</head>",
                       "<body>",
                       "<nav class=\"pages\">$NAVIGATE$</nav>",
                       "<table class=\"thumbnails\">"};
    for (int row = 0; row < 3; ++row) {
        lines.push_back("<tr>");
        for (int cell = 0; cell < 4; ++cell)
            lines.push_back("<td>$TPIC$</td>");
        lines.push_back("</tr>");
    }
    for (const char *line : {"</table>", "$SP$&lt;$EP$ $SN$&gt;$EN$", "</body>", "</html>"})
        lines.push_back(line);
    return lines;
}

// A picture with some structure, so that it is not all header.
RgbImage SmallPicture(int width, int height, int seed)
{
    RgbImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *pixel = &image.rgb[(std::size_t(y) * width + x) * 3];
            pixel[0] = static_cast<std::uint8_t>(x * 4 + seed * 7);
            pixel[1] = static_cast<std::uint8_t>(y * 5 + seed * 3);
            pixel[2] = static_cast<std::uint8_t>((x ^ y) * 3 + seed);
        }
    return image;
}

bool WriteJpeg(const fs::path &path, const RgbImage &image)
{
    const JpegEncodeResult result = EncodeJpegFile(path, ViewOf(image));
    if (!result)
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), result.error.c_str());
    return result.ok;
}

// The picture directory ends in "/"; names holds pictureCount entries.
struct Pictures {
    std::string directory;
    std::vector<std::string> names;
    std::vector<std::string> distinctNames;
};

std::optional<Pictures> GeneratePictures(const fs::path &directory)
{
    Pictures pictures{directory.string() + "/", {}, {}};
    for (int i = 1; i <= pictureCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "pic%04d.jpg", i);
        if (!WriteJpeg(directory / name, SmallPicture(64, 48, i)))
            return std::nullopt;
        pictures.names.push_back(name);
    }
    pictures.distinctNames = pictures.names;
    return pictures;
}

std::optional<Pictures> CorpusPictures(const fs::path &directory)
{
    Pictures pictures{directory.string() + "/", {}, {}};
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(directory, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) &&
            AsciiLowerCase(entry.path().extension().string()) == ".jpg")
            pictures.distinctNames.push_back(name);
    }
    if (error || pictures.distinctNames.empty()) {
        std::fprintf(stderr, "no *.jpg pictures in %s\n", directory.c_str());
        return std::nullopt;
    }
    std::sort(pictures.distinctNames.begin(), pictures.distinctNames.end());
    for (int i = 0; i < pictureCount; ++i)
        pictures.names.push_back(pictures.distinctNames[i % pictures.distinctNames.size()]);
    return pictures;
}

ByteLines LoadLayout(const char *fileName, const ByteLines &fallback)
{
    const fs::path path = fs::path(PAGORANTO_LAYOUT_DIR) / fileName;
    if (std::optional<ByteLines> lines = ReadLineFile(path))
        return *lines;
    std::printf("(%s not readable, using a built-in equivalent)\n", path.c_str());
    return fallback;
}

struct Timing {
    int pages = 0;
    int failed = 0;
    double seconds = 0;

    double pagesPerSecond() const { return seconds > 0 ? pages / seconds : 0; }
};

template <typename Measure> Timing Fastest(Measure measure)
{
    Timing best = measure();
    for (int round = 1; round < rounds; ++round) {
        const Timing timing = measure();
        best.failed += timing.failed;
        best.seconds = std::min(best.seconds, timing.seconds);
    }
    return best;
}

class Bench {
public:
    Bench(fs::path workDir, Pictures pictures)
        : m_workDir(std::move(workDir)), m_pictures(std::move(pictures))
    {
        // Every third picture has a description, so $PCOMMENT$ has something to look up.
        ByteLines lines;
        for (std::size_t i = 0; i < m_pictures.distinctNames.size(); i += 3)
            lines.push_back(m_pictures.distinctNames[i] +
                            "|A picture & its description|Second line");
        m_descriptions.SetLines(std::move(lines));
    }

    bool WriteThumbnails()
    {
        const fs::path directory = m_workDir / "site" / m_settings.thumbnails.thumbdir;
        std::error_code error;
        fs::create_directories(directory, error);
        int seed = 0;
        for (const std::string &name : m_pictures.distinctNames)
            if (!WriteJpeg(directory / name, SmallPicture(40, 30, ++seed)))
                return false;
        return true;
    }

    // Makes every page of the gallery into a fresh directory; the template is written once
    // beforehand and analysed as a run does at its start.
    Timing MakeGallery(const ByteLines &layout, bool compress)
    {
        PageRunInput input;
        input.templatePath = m_workDir / "layout.html";
        if (!WriteLineFile(input.templatePath, layout))
            return {0, 1, 0};
        input.pictureDir = m_pictures.directory;
        input.destinationDir = (m_workDir / "site").string() + "/";
        input.pictureRelPath = "pictures/";
        input.outputDir = FreshDirectory() + "/";
        input.creationList = m_pictures.names;
        input.commandCounts = AnalyseLayout(input.templatePath, m_events).commandCounts;
        input.plan = MakePagePlan(input.commandCounts[picCommandIndex],
                                  input.commandCounts[tpicCommandIndex], pictureCount,
                                  input.firstPageNumber, m_settings.pageNames);
        m_settings.special.pagecompressor = compress;

        PageMaker maker(input, m_settings, m_descriptions,
                        {m_prompts, m_events, m_clock, m_formats, [](std::string_view) {},
                         [](std::string_view) {}});
        Timing timing;
        const auto start = std::chrono::steady_clock::now();
        for (int pageIndex = 0; pageIndex < input.plan.pageCount; ++pageIndex) {
            if (maker.MakePage(pageIndex, input.firstPageNumber + pageIndex).saveFailed)
                ++timing.failed;
            ++timing.pages;
        }
        timing.seconds = Since(start);
        m_lastPageNames = input.plan.pageNameList;
        return timing;
    }

    // The floor: the unprocessed template written under the names of the last gallery.
    Timing WriteCopies(const ByteLines &layout)
    {
        const fs::path directory = FreshDirectory();
        Timing timing;
        const auto start = std::chrono::steady_clock::now();
        for (const std::string &name : m_lastPageNames) {
            if (!WriteLineFile(directory / name, layout))
                ++timing.failed;
            ++timing.pages;
        }
        timing.seconds = Since(start);
        return timing;
    }

private:
    static double Since(std::chrono::steady_clock::time_point start)
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    std::string FreshDirectory()
    {
        const fs::path directory = m_workDir / ("out" + std::to_string(++m_outputCount));
        std::error_code error;
        fs::create_directories(directory, error);
        return directory.string();
    }

    fs::path m_workDir;
    Pictures m_pictures;
    DescriptionStore m_descriptions;
    GallerySettings m_settings;
    SilentPrompts m_prompts;
    NoEvents m_events;
    LocalClock m_clock;
    DateTimeFormats m_formats;
    std::vector<std::string> m_lastPageNames;
    int m_outputCount = 0;
};

void Report(const char *label, const Timing &made, const Timing &copies)
{
    std::printf("%-34s %5d pages %8.3f s %9.0f pages/s   plain copies %9.0f pages/s   "
                "ratio %6.1f\n",
                label, made.pages, made.seconds, made.pagesPerSecond(), copies.pagesPerSecond(),
                copies.seconds > 0 ? made.seconds / copies.seconds : 0.0);
    if (made.failed + copies.failed > 0)
        std::printf("    %d pages and %d copies could not be written\n", made.failed,
                    copies.failed);
}

} // namespace

int main(int argc, char **argv)
{
    char workPattern[] = "/tmp/pagoranto-bench-XXXXXX";
    if (mkdtemp(workPattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path workDir = workPattern;
    std::error_code error;
    fs::create_directories(workDir / "pictures", error);

    const std::optional<Pictures> pictures =
        argc > 1 ? CorpusPictures(argv[1]) : GeneratePictures(workDir / "pictures");
    int status = 1;
    if (pictures) {
        Bench bench(workDir, *pictures);
        if (bench.WriteThumbnails()) {
            std::printf("%d pictures (%zu distinct) from %s\n", pictureCount,
                        pictures->distinctNames.size(), pictures->directory.c_str());
            const ByteLines pictureLayout = LoadLayout("picture.html", builtInPictureLayout);
            const ByteLines indexLayout = LoadLayout("index.html", BuiltInIndexLayout());
            std::printf("fastest of %d rounds; ratio: time of the page maker over the time of "
                        "writing as many plain copies of the template\n",
                        rounds);
            struct Case {
                const char *label;
                const ByteLines &layout;
                bool compress;
            };
            for (const Case &c : {Case{"picture pages ($PIC$)", pictureLayout, false},
                                  Case{"picture pages, compressed", pictureLayout, true},
                                  Case{"index pages (12 $TPIC$)", indexLayout, false},
                                  Case{"index pages, compressed", indexLayout, true}}) {
                const Timing made =
                    Fastest([&] { return bench.MakeGallery(c.layout, c.compress); });
                const Timing copies = Fastest([&] { return bench.WriteCopies(c.layout); });
                Report(c.label, made, copies);
            }
            status = 0;
        }
    }
    fs::remove_all(workDir, error);
    return status;
}
