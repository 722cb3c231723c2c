#include "core/thumbnailer/thumbnailerlink.h"
#include "thumbnailer/thumbnailrun.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <system_error>

// The parameter text the main program passes ("? 2 3 4 5 1") carries nothing this thumbnailer
// needs: everything comes from the files in the working directory.
int main()
{
    try {
        const pagoranto::ThumbnailRunReport report =
            pagoranto::MakeThumbnails(std::filesystem::current_path());
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
