#include "core/platform/allocatortuning.h"
#include "core/thumbnailer/thumbnailerlink.h"
#include "thumbnailer/thumbnailrun.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace {

// The count of done pictures on one line of the terminal the caller runs in, if any.
void ShowProgress(std::size_t done, std::size_t total)
{
    std::fprintf(stderr, "\rThumbnails: %zu / %zu", done, total);
    if (done == total)
        std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

// Everything comes from the files in the working directory; of the parameters only our own
// words count: what to replace and which run's hand-over to work from.
int main(int argc, char **argv)
{
    pagoranto::ReturnLargeBuffersToSystem();
    try {
        pagoranto::ThumbnailRunSettings settings;
        for (int i = 1; i < argc; ++i) {
            const std::string_view parameter(argv[i]);
            if (parameter == pagoranto::thumbnailerRemakeAllParameter)
                settings.remakeAll = true;
            else if (parameter == pagoranto::thumbnailerReplaceForeignParameter)
                settings.replaceForeign = true;
            else if (parameter == pagoranto::thumbnailerAllScansParameter)
                settings.dcDecode = false;
            else if (parameter.starts_with(pagoranto::thumbnailerWebCopiesParameter))
                settings.webCopies =
                    parameter.substr(pagoranto::thumbnailerWebCopiesParameter.size());
            else if (parameter.starts_with(pagoranto::thumbnailerHandOverParameter))
                settings.handOverDigest =
                    parameter.substr(pagoranto::thumbnailerHandOverParameter.size());
        }
        if (::isatty(STDERR_FILENO))
            settings.progress = ShowProgress;
        const pagoranto::ThumbnailRunReport report =
            pagoranto::MakeThumbnails(std::filesystem::current_path(), settings);
        for (const std::string &problem : report.problems)
            std::cerr << "PagorantoThumbNailer: " << problem << '\n';
        return report.allMade() ? 0 : 1;
    } catch (const std::exception &error) {
        std::cerr << "PagorantoThumbNailer: " << error.what() << '\n';
        // The main program waits for this file to go.
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(pagoranto::thumbnailerFlagFileName), ignored);
        return 1;
    }
}
