#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pagoranto {

// Which thumbnails a run has the thumbnailer make.
enum class ThumbnailMode {
    stale, // those missing or out of date, when the template holds $TPIC$
    all,   // every one, whatever the template
    none,
};

struct BatchArguments {
    std::string pictures;
    std::string templateFile;
    std::string home; // empty: the executable's directory
    std::string config;
    int level = 1;
    std::string list;
    ThumbnailMode thumbnails = ThumbnailMode::stale;
    bool compress = false;
    std::int64_t counter = 1;
    bool overwrite = false;
    bool singlePage = false;
    // Pages of an earlier gallery of the same names go to the trash (else they are listed).
    bool removeOldPages = false;
    // --web-size WxH turns the web-size copies on with that box, --no-web-size off; unset: as
    // the option files say.
    std::optional<bool> webSize;
    int webSizeWidth = 0;
    int webSizeHeight = 0;
    // --publish DEST: after the run, or alone without --template.
    std::string publish;
    // --set NAME=VALUE, in the order given.
    std::vector<std::pair<std::string, std::string>> settings;
};

// What the command line asks for besides a run.
enum class BatchRequest { run, help, version };

struct ParsedArguments {
    std::optional<BatchArguments> arguments;
    std::string error; // why the command line was refused
    BatchRequest request = BatchRequest::run;
};

ParsedArguments ParseBatchArguments(const std::vector<std::string> &args);

extern const char *const batchUsage;
// The usage with what every flag means, for --help.
extern const char *const batchHelp;

} // namespace pagoranto
