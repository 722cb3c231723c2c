#include "core/generator/layoutanalysis.h"
#include "core/generator/pagemaker.h"
#include "core/generator/pageplan.h"
#include "core/options/headerfooteroptionsfile.h"
#include "core/options/startupoptions.h"
#include "core/pictures/descriptionstore.h"
#include "core/pictures/jpegencoder.h"
#include "core/text/datetimeformat.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace pagoranto;

namespace {

// Two pictures and their thumbnails, made once; the fuzzed picture list names them or others.
const std::filesystem::path &PictureFolder()
{
    static const std::filesystem::path folder = [] {
        const auto dir = fuzz::ScratchFolder() / "gallery";
        std::filesystem::create_directories(dir / "thumbnails");
        const auto picture = [](int width, int height) {
            RgbImage image{width, height,
                           std::vector<std::uint8_t>(std::size_t(width) * height * 3, 90)};
            return image;
        };
        for (const char *name : {"a.jpg", "b.jpg"}) {
            EncodeJpegFile(dir / name, ViewOf(picture(32, 24)), {});
            EncodeJpegFile(dir / "thumbnails" / name, ViewOf(picture(8, 6)), {});
        }
        return dir;
    }();
    return folder;
}

// Names as a directory listing could give them: no "/" and no NUL.
std::vector<std::string> PictureNames(std::string_view section)
{
    std::vector<std::string> names;
    for (std::string &name : fuzz::Lines(section)) {
        if (name.empty() || name.find_first_of(std::string_view("/\0", 2)) != std::string::npos ||
            name == "." || name == "..")
            continue;
        names.push_back(std::move(name));
        if (names.size() == 12)
            break;
    }
    if (names.empty())
        names = {"a.jpg", "b.jpg"};
    return names;
}

} // namespace

// Sections: the template, a complete configuration, the description file, the picture list and
// the header and footer options.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string_view> sections = fuzz::Sections(fuzz::BytesOf(data, size), 5);
    const std::string folder = PictureFolder().string() + "/";

    GallerySettings settings;
    fuzz::AgreeingPrompts prompts;
    if (!sections[1].empty())
        LoadCompleteConfigurationFile(fuzz::WriteScratchFile("gallery.ccc", sections[1]), settings,
                                      prompts);
    if (!sections[4].empty())
        ReadHeaderFooterOptions(fuzz::WriteScratchFile("headerandfooter.cfg", sections[4]),
                                settings.headerFooter);
    DescriptionStore descriptions;
    descriptions.Load(fuzz::WriteScratchFile("description.desc", sections[2]));

    fuzz::QuietEvents events;
    PageRunInput input;
    input.templatePath = fuzz::WriteScratchFile("layout.html", sections[0]);
    input.pictureDir = folder;
    input.destinationDir = folder;
    input.outputDir = folder;
    input.creationList = PictureNames(sections[3]);
    input.commandCounts = AnalyseLayout(input.templatePath, events).commandCounts;
    input.plan = MakePagePlan(
        input.commandCounts[picCommandIndex], input.commandCounts[tpicCommandIndex],
        static_cast<int>(input.creationList.size()), input.firstPageNumber, settings.pageNames);

    fuzz::StillClock clock;
    DateTimeFormats formats;
    PageMaker maker(
        input, settings, descriptions,
        {prompts, events, clock, formats, [](std::string_view) {}, [](std::string_view) {}});
    const int pages = std::min(input.plan.pageCount, 6);
    for (int pageIndex = 0; pageIndex < pages; ++pageIndex)
        maker.MakePage(pageIndex, input.firstPageNumber + pageIndex);
    return 0;
}
