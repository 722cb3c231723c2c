#include "core/options/additionaloptionsfile.h"
#include "core/options/gallerysettings.h"
#include "core/options/headerfooteroptionsfile.h"
#include "core/options/hiddenoptionsfile.h"
#include "core/options/navigationoptionsfile.h"
#include "core/options/startupoptions.h"
#include "core/options/thumbnailoptionsfile.h"
#include "core/options/tmrufiles.h"
#include "core/options/toolsfile.h"
#include "fuzz/fuzzsupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace pagoranto;

namespace {

std::string FileBytes(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a reader took in is written, read back and written again: the two files must agree,
// or a value did not survive its own file.
template <class Values, class Read, class Write>
void RoundTrip(const std::filesystem::path &file, Read read, Write write)
{
    Values first{};
    if (!read(file, first))
        return;
    const auto once = fuzz::ScratchFolder() / "once.cfg";
    const auto twice = fuzz::ScratchFolder() / "twice.cfg";
    if (!write(once, first))
        std::abort();
    Values second{};
    if (!read(once, second) || !write(twice, second) || FileBytes(once) != FileBytes(twice))
        std::abort();
}

} // namespace

// The first byte picks the reader, the rest is its file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes = fuzz::BytesOf(data + 1, size - 1);
    const auto file = fuzz::WriteScratchFile("options.cfg", bytes);
    switch (data[0] % 10) {
    case 0:
        RoundTrip<GallerySettings>(
            file,
            [](const auto &path, GallerySettings &s) {
                return ReadAdditionalOptions(path, s.linkTexts, s.pageNames, s.additional);
            },
            [](const auto &path, const GallerySettings &s) {
                return additionalOptionsFile.Write(path, s.linkTexts, s.pageNames, s.additional);
            });
        break;
    case 1:
        RoundTrip<LinkTexts>(file, LoadCommandConfigData,
                             [](const auto &path, const LinkTexts &texts) {
                                 return commandConfigFile.Write(path, texts);
                             });
        break;
    case 2:
        RoundTrip<HeaderFooterOptions>(file, ReadHeaderFooterOptions, WriteHeaderFooterOptions);
        break;
    case 3:
        RoundTrip<HiddenOptions>(file, ReadHiddenCommandOptions, WriteHiddenCommandOptions);
        break;
    case 4:
        RoundTrip<NavigationOptions>(file, ReadNavigationOptions, WriteNavigationOptions);
        break;
    case 5:
        RoundTrip<ThumbnailerFile>(file, ReadThumbnailerOptions, WriteThumbnailerOptions);
        break;
    case 6:
        RoundTrip<WebToolOptions>(file, ReadWebTools, WriteWebTools);
        break;
    case 7:
        RoundTrip<ToolOptions>(file, ReadTools, WriteTools);
        break;
    case 8: {
        TMRUFiles history;
        if (history.LoadFromFile(file)) {
            history.Add("/some/where/");
            history.menuEntries();
            history.SaveToFile(fuzz::ScratchFolder() / "once.cfg");
        }
        break;
    }
    default: {
        // Every file of a program start at once, all holding the same bytes.
        const auto program = fuzz::ScratchFolder() / "program";
        std::filesystem::create_directories(program / "thumbnailer");
        for (const char *name :
             {"pgrooptions.cfg", "thumbnailer/mtoptions.cfg", "hcoptions.cfg", "navoptions.cfg",
              "webtools.cfg", "tools.cfg", "headerandfooter.cfg", "startcontrols.cfg"})
            fuzz::WriteScratchFile(std::string("program/") + name, bytes);
        GallerySettings settings;
        const std::string directory = program.string() + "/";
        ReadStartupOptions(directory, directory, settings);
        WriteShutdownOptions(directory, settings, ThumbnailerFile{});
        ReadStartupOptions(directory, directory, settings);
        break;
    }
    }
    return 0;
}
