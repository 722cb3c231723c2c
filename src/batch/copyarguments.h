#pragma once

#include "core/pictures/copyname.h"
#include "core/pictures/resizejpeg.h"

#include <optional>
#include <string>
#include <vector>

namespace pagoranto {

// pagoranto-batch --copy-to: copies (and resizes) the pictures of a directory, no pages.
struct CopyArguments {
    std::string pictures;
    std::string destination;
    std::string list; // a sorting list instead of every *.jpg
    CopyNameOptions naming;
    int startNumber = 1; // the number of the first numbered copy
    bool overwrite = false;
    std::optional<ResizeOptions> resize;
    int quality = 70;
    bool progressive = false;
    int jobs = 0; // 0: one per processor
};

struct ParsedCopyArguments {
    std::optional<CopyArguments> arguments;
    std::string error;
};

// True when the command line asks for the copy mode.
bool IsCopyCommandLine(const std::vector<std::string> &args);
ParsedCopyArguments ParseCopyArguments(const std::vector<std::string> &args);

extern const char *const copyUsage;
extern const char *const copyHelp;

} // namespace pagoranto
