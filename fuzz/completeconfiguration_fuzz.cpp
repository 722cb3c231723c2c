#include "core/options/completeconfiguration.h"
#include "core/options/gallerysettings.h"
#include "core/options/startupoptions.h"
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

} // namespace

// A configuration that loads is saved, loaded and saved again: both saves must agree.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto file = fuzz::WriteScratchFile("gallery.ccc", fuzz::BytesOf(data, size));
    CompleteConfiguration first;
    if (!LoadCompleteConfiguration(file, first))
        return 0;
    const auto once = fuzz::ScratchFolder() / "once.ccc";
    const auto twice = fuzz::ScratchFolder() / "twice.ccc";
    CompleteConfiguration second;
    if (!SaveCompleteConfiguration(once, first) || !LoadCompleteConfiguration(once, second) ||
        !SaveCompleteConfiguration(twice, second) || FileBytes(once) != FileBytes(twice))
        std::abort();

    // The same file as the windows load it, into the settings of a running program.
    GallerySettings settings;
    fuzz::AgreeingPrompts prompts;
    LoadCompleteConfigurationFile(file, settings, prompts);
    SaveCompleteConfigurationFile(once, settings, ThumbnailerFile{});
    return 0;
}
