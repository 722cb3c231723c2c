#include "batch/batcharguments.h"

#include "core/options/websizebox.h"
#include "core/options/windowcontrols.h"

#include <charconv>

namespace pagoranto {

const char *const batchUsage =
    "usage: pagoranto-batch --pictures DIR --template FILE [--home DIR] [--config FILE.ccc]\n"
    "                       [--level 1|2|3] [--list FILE.qvlist] [--thumbnails|--no-thumbnails]\n"
    "                       [--compress] [--counter N] [--overwrite] [--single-page]\n"
    "                       [--remove-old-pages] [--web-size WxH|--no-web-size]\n"
    "                       [--set NAME=VALUE]...\n"
    "                       [--publish DEST]\n"
    "       pagoranto-batch --pictures DIR --publish DEST [--level 1|2|3] [--home DIR]\n"
    "       pagoranto-batch --help | --version\n";

const char *const batchHelp =
    "Makes a gallery of the JPEG photos of a directory from an HTML template, with the option\n"
    "files of a program directory, without a display.\n"
    "\n"
    "  --pictures DIR     the picture directory\n"
    "  --template FILE    the layout whose commands say what a page is\n"
    "  --home DIR         the program directory whose option files are read (default: the\n"
    "                     directory of this program); its thumbnailer/ folder receives the\n"
    "                     files handed to the thumbnailer\n"
    "  --config FILE.ccc  a complete configuration loaded over the option files\n"
    "  --level 1|2|3      the pages go into the picture directory (1) or one of its parents\n"
    "  --list FILE.qvlist the pictures in the order of a sorting list (default: every *.jpg,\n"
    "                     in alphabetical order)\n"
    "  --thumbnails       have the thumbnailer make every thumbnail anew first, those made\n"
    "                     elsewhere included\n"
    "  --no-thumbnails    make no thumbnails (by default a template with $TPIC$ has the\n"
    "                     thumbnailer make those that are missing or out of date; thumbnails\n"
    "                     made elsewhere are used as they are)\n"
    "  --compress         compress every page\n"
    "  --counter N        the number of the first page\n"
    "  --overwrite        answer \"overwrite?\" with Yes (otherwise No)\n"
    "  --single-page      make only the first page\n"
    "  --web-size WxH     pages show copies of the photos made to fit a box of W x H pixels\n"
    "                     (1600x1200 on the shipped settings), made first into a folder\n"
    "                     beside the thumbnails; the photos stay as they are\n"
    "  --no-web-size      pages show the photos themselves\n"
    "  --remove-old-pages move pages of an earlier gallery with the same page names that\n"
    "                     this run does not write (higher numbers, an old first page) to\n"
    "                     the trash; without it they are listed and kept\n"
    "  --set NAME=VALUE   set a control that no option file stores, by its name, as the\n"
    "                     option files would decode it; the README's section \"Settings of a\n"
    "                     batch run\" lists every name with its meaning and default\n"
    "  --publish DEST     send the gallery's pages and what they link, only what changed,\n"
    "                     with rsync to user@host:folder (over ssh) or to a local folder,\n"
    "                     after the run; without --template nothing is made, only published\n"
    "  --help, --version  print this text or the version and exit\n"
    "\n"
    "Exit status: 0 pages written, 1 the run was refused, 2 usage error, 3 a page could not be\n"
    "written, 4 pages written but thumbnails asked for were not made, 6 publishing failed. The\n"
    "path of the first page is printed on standard output.\n";

namespace {

std::optional<std::int64_t> ParseNumber(const std::string &text, std::int64_t minimum,
                                        std::int64_t maximum)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < minimum ||
        value > maximum)
        return std::nullopt;
    return value;
}

} // namespace

ParsedArguments ParseBatchArguments(const std::vector<std::string> &args)
{
    BatchArguments parsed;
    for (const std::string &arg : args) {
        if (arg == "--help" || arg == "-h")
            return {std::nullopt, {}, BatchRequest::help};
        if (arg == "--version")
            return {std::nullopt, {}, BatchRequest::version};
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const auto value = [&]() -> const std::string * {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        std::string *text = nullptr;
        if (arg == "--pictures")
            text = &parsed.pictures;
        else if (arg == "--template")
            text = &parsed.templateFile;
        else if (arg == "--home")
            text = &parsed.home;
        else if (arg == "--config")
            text = &parsed.config;
        else if (arg == "--list")
            text = &parsed.list;
        else if (arg == "--publish")
            text = &parsed.publish;
        if (text) {
            const std::string *given = value();
            if (!given || given->empty())
                return {std::nullopt, arg + " needs a value"};
            *text = *given;
            continue;
        }
        if (arg == "--set") {
            const std::string *given = value();
            const std::size_t equals = given ? given->find('=') : std::string::npos;
            if (equals == std::string::npos)
                return {std::nullopt, "--set needs NAME=VALUE"};
            std::string name = given->substr(0, equals);
            if (!IsWindowOnlyControl(name))
                return {std::nullopt, "unknown setting " + name +
                                          " (the README's \"Settings of a batch run\" lists them)"};
            parsed.settings.emplace_back(std::move(name), given->substr(equals + 1));
            continue;
        }
        if (arg == "--level" || arg == "--counter") {
            const std::string *given = value();
            const bool level = arg == "--level";
            const auto number = given ? ParseNumber(*given, 1, level ? 3 : 500000) : std::nullopt;
            if (!number)
                return {std::nullopt, level ? "--level must be 1, 2 or 3"
                                            : "--counter must be a number from 1 to 500000"};
            if (level)
                parsed.level = static_cast<int>(*number);
            else
                parsed.counter = *number;
        } else if (arg == "--thumbnails" || arg == "--no-thumbnails") {
            const ThumbnailMode mode =
                arg == "--thumbnails" ? ThumbnailMode::all : ThumbnailMode::none;
            if (parsed.thumbnails != ThumbnailMode::stale && parsed.thumbnails != mode)
                return {std::nullopt, "--thumbnails and --no-thumbnails exclude each other"};
            parsed.thumbnails = mode;
        } else if (arg == "--compress") {
            parsed.compress = true;
        } else if (arg == "--overwrite") {
            parsed.overwrite = true;
        } else if (arg == "--single-page") {
            parsed.singlePage = true;
        } else if (arg == "--remove-old-pages") {
            parsed.removeOldPages = true;
        } else if (arg == "--no-web-size") {
            if (parsed.webSize == true)
                return {std::nullopt, "--web-size and --no-web-size exclude each other"};
            parsed.webSize = false;
        } else if (arg == "--web-size") {
            const std::string *given = value();
            const std::optional<PixelSize> box = given ? ParseWebSizeBox(*given) : std::nullopt;
            if (!box)
                return {std::nullopt, "--web-size needs WxH, each from 16 to 10000"};
            if (parsed.webSize == false)
                return {std::nullopt, "--web-size and --no-web-size exclude each other"};
            parsed.webSize = true;
            parsed.webSizeWidth = box->width;
            parsed.webSizeHeight = box->height;
        } else {
            return {std::nullopt, "unknown argument " + arg};
        }
    }
    if (parsed.pictures.empty() || (parsed.templateFile.empty() && parsed.publish.empty()))
        return {std::nullopt, "--pictures and --template (or --publish) are needed"};
    return {parsed, {}};
}

} // namespace pagoranto
