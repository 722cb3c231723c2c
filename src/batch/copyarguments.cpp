#include "batch/copyarguments.h"

#include <algorithm>
#include <charconv>

namespace pagoranto {

const char *const copyUsage =
    "       pagoranto-batch --pictures DIR --copy-to DIR [--list FILE.qvlist] [--resize WxH]\n"
    "                       [--quality 1..100] [--progressive] [--overwrite]\n"
    "                       [--name original|prefix:TEXT|suffix:TEXT|text-number:TEXT|"
    "number-text:TEXT]\n"
    "                       [--case lower|upper] [--start-number N] [--number-length 1..8]\n"
    "                       [--jobs N]\n";

const char *const copyHelp =
    "Copy mode (--copy-to): copies every picture of the directory (or of --list) into another\n"
    "directory and makes no pages. A copy keeps the photo's metadata (EXIF, XMP, IPTC, ICC\n"
    "profile) but its GPS position; a turned photo is turned upright (losslessly where its\n"
    "size allows) with orientation 1. Pictures whose copies would get the same name are\n"
    "told apart by a number: \"a.jpg\", \"a (2).jpg\".\n"
    "\n"
    "  --copy-to DIR      the directory that receives the copies (it must exist)\n"
    "  --resize WxH       scale each copy: landscape pictures to width W, the others to height\n"
    "                     H, at their own ratio; smaller pictures are enlarged\n"
    "  --quality 1..100   the JPEG quality of resized copies (default 70)\n"
    "  --progressive      encode resized copies progressively\n"
    "  --overwrite        replace copies that exist (otherwise they are left alone)\n"
    "  --name SCHEME      original (default), prefix:TEXT, suffix:TEXT, text-number:TEXT or\n"
    "                     number-text:TEXT; TEXT holds letters, digits, \"-\" and \"_\", at most "
    "20\n"
    "  --case lower|upper change the letter case of the new names (the extension is \".jpg\")\n"
    "  --start-number N   the number of the first numbered copy (default 1)\n"
    "  --number-length N  the number's digits, 1..8 (default 4)\n"
    "  --jobs N           pictures worked on at once (default: one per processor)\n"
    "\n"
    "Exit status in copy mode: 0 every picture copied or left alone as it existed, 2 usage\n"
    "error, 3 a picture could not be copied (or, with --resize, only copied unresized), 5 all\n"
    "copied but some renamed with a number as their names clashed. Each copy's path is\n"
    "printed on standard output.\n";

namespace {

std::optional<int> ParseInt(const std::string &text, int minimum, int maximum)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < minimum ||
        value > maximum)
        return std::nullopt;
    return value;
}

std::optional<CopyNameOptions> ParseNaming(const std::string &text, CopyNameOptions options)
{
    if (text == "original") {
        options.naming = CopyNaming::original;
        return options;
    }
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::string scheme = text.substr(0, colon);
    options.text = text.substr(colon + 1);
    if (!IsCopyNameText(options.text))
        return std::nullopt;
    if (scheme == "prefix")
        options.naming = CopyNaming::textBase;
    else if (scheme == "suffix")
        options.naming = CopyNaming::baseText;
    else if (scheme == "text-number")
        options.naming = CopyNaming::textNumber;
    else if (scheme == "number-text")
        options.naming = CopyNaming::numberText;
    else
        return std::nullopt;
    return options;
}

} // namespace

bool IsCopyCommandLine(const std::vector<std::string> &args)
{
    return std::find(args.begin(), args.end(), "--copy-to") != args.end();
}

ParsedCopyArguments ParseCopyArguments(const std::vector<std::string> &args)
{
    CopyArguments parsed;
    std::optional<PixelSize> box;
    const auto fail = [](std::string error) { return ParsedCopyArguments{std::nullopt, error}; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--progressive") {
            parsed.progressive = true;
            continue;
        }
        if (arg == "--overwrite") {
            parsed.overwrite = true;
            continue;
        }
        if (i + 1 >= args.size())
            return fail(arg.starts_with("--") ? arg + " needs a value" : "unknown argument " + arg);
        const std::string &value = args[++i];
        if (arg == "--pictures") {
            parsed.pictures = value;
        } else if (arg == "--copy-to") {
            parsed.destination = value;
        } else if (arg == "--list") {
            parsed.list = value;
        } else if (arg == "--resize") {
            const std::size_t x = value.find_first_of("xX");
            const std::optional<int> width =
                x == std::string::npos ? std::nullopt : ParseInt(value.substr(0, x), 1, 65500);
            const std::optional<int> height =
                width ? ParseInt(value.substr(x + 1), 1, 65500) : std::nullopt;
            if (!width || !height)
                return fail("--resize takes WIDTHxHEIGHT, each 1..65500: " + value);
            box = PixelSize{*width, *height};
        } else if (arg == "--quality") {
            const std::optional<int> quality = ParseInt(value, 1, 100);
            if (!quality)
                return fail("--quality takes 1..100: " + value);
            parsed.quality = *quality;
        } else if (arg == "--name") {
            const std::optional<CopyNameOptions> naming = ParseNaming(value, parsed.naming);
            if (!naming)
                return fail("--name takes original, prefix:TEXT, suffix:TEXT, text-number:TEXT "
                            "or number-text:TEXT, TEXT of letters, digits, - and _: " +
                            value);
            parsed.naming = *naming;
        } else if (arg == "--case") {
            if (value == "lower")
                parsed.naming.letterCase = CopyLetterCase::lower;
            else if (value == "upper")
                parsed.naming.letterCase = CopyLetterCase::upper;
            else
                return fail("--case takes lower or upper: " + value);
        } else if (arg == "--start-number") {
            const std::optional<int> number = ParseInt(value, copyNumberMinimum, copyNumberMaximum);
            if (!number)
                return fail("--start-number takes 1..99999999: " + value);
            parsed.startNumber = *number;
        } else if (arg == "--number-length") {
            const std::optional<int> length =
                ParseInt(value, copyNumberLengthMinimum, copyNumberLengthMaximum);
            if (!length)
                return fail("--number-length takes 1..8: " + value);
            parsed.naming.numberLength = *length;
        } else if (arg == "--jobs") {
            const std::optional<int> jobs = ParseInt(value, 1, 64);
            if (!jobs)
                return fail("--jobs takes 1..64: " + value);
            parsed.jobs = *jobs;
        } else {
            return fail("unknown argument " + arg + " in copy mode");
        }
    }
    if (parsed.pictures.empty())
        return fail("--pictures is missing");
    if (parsed.destination.empty())
        return fail("--copy-to needs a directory");
    if (box)
        parsed.resize = ResizeOptions{box->width, box->height, parsed.quality, parsed.progressive};
    return {parsed, {}};
}

} // namespace pagoranto
