#include "batch/batcharguments.h"

#include <charconv>

namespace pagoranto {

const char *const batchUsage =
    "usage: pagoranto-batch --pictures DIR --template FILE [--home DIR] [--config FILE.ccc]\n"
    "                       [--level 1|2|3] [--list FILE.qvlist] [--thumbnails] [--compress]\n"
    "                       [--counter N] [--overwrite] [--single-page]\n";

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
        if (text) {
            const std::string *given = value();
            if (!given || given->empty())
                return {std::nullopt, arg + " needs a value"};
            *text = *given;
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
        } else if (arg == "--thumbnails") {
            parsed.thumbnails = true;
        } else if (arg == "--compress") {
            parsed.compress = true;
        } else if (arg == "--overwrite") {
            parsed.overwrite = true;
        } else if (arg == "--single-page") {
            parsed.singlePage = true;
        } else {
            return {std::nullopt, "unknown argument " + arg};
        }
    }
    if (parsed.pictures.empty() || parsed.templateFile.empty())
        return {std::nullopt, "--pictures and --template are needed"};
    return {parsed, {}};
}

} // namespace pagoranto
