#include "core/generator/directorylevels.h"

#include "core/options/optionfile.h"

namespace pagoranto {

namespace {

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

} // namespace

bool IsRootDirectory(std::string_view path)
{
    if (path == "/")
        return true;
    return path.size() == 3 && path[0] >= 'A' && path[0] <= 'Z' && path[1] == ':' &&
           path[2] == '\\';
}

std::string LevelName(std::string_view path, int n)
{
    std::string_view rest = path;
    std::string component;
    for (int i = 0; i < n; ++i) {
        if (rest.empty())
            return {};
        std::string_view body = rest;
        if (IsSeparator(body.back()))
            body.remove_suffix(1);
        if (body.empty()) {
            component = "/";
            rest = {};
            continue;
        }
        if (body.size() == 2 && body[1] == ':') {
            component = std::string(body) + "\\";
            rest = {};
            continue;
        }
        const std::size_t separator = body.find_last_of("/\\");
        if (separator == std::string_view::npos) {
            component = std::string(body) + "/";
            rest = {};
            continue;
        }
        component = std::string(body.substr(separator + 1)) + body[separator];
        rest = body.substr(0, separator + 1);
    }
    return component;
}

DirectoryLevels ComputeDirectoryLevels(std::string_view dir, int level, std::string_view thumbdir)
{
    DirectoryLevels levels;
    for (int i = 0; i < 3; ++i) {
        levels.captions[i] = LevelName(dir, i + 1);
        levels.enabled[i] = !levels.captions[i].empty() && !IsRootDirectory(levels.captions[i]);
    }
    std::string destination(dir);
    const auto shorten = [&destination](const std::string &caption) {
        destination.resize(destination.size() > caption.size() ? destination.size() - caption.size()
                                                               : 0);
    };
    if (level == 2) {
        shorten(levels.captions[0]);
        levels.pictureRelPath = levels.captions[0];
    } else if (level == 3) {
        shorten(levels.captions[1]);
        shorten(levels.captions[0]);
        levels.pictureRelPath = levels.captions[1] + levels.captions[0];
    }
    if (destination.empty() || !IsSeparator(destination.back()))
        destination += '/';
    levels.destinationDir = destination;
    levels.thumbnailDirectory = destination + std::string(thumbdir);
    return levels;
}

ThumbnailerFile ThumbnailerFileFor(const DirectoryLevels &levels, const ThumbnailOptions &options)
{
    return {levels.destinationDir, StripTrailingBackslash(levels.pictureRelPath), options};
}

bool WriteThumbnailerDestination(const std::string &programDirectory, const DirectoryLevels &levels,
                                 const ThumbnailOptions &options)
{
    return WriteThumbnailerOptions(programDirectory + std::string(thumbnailerOptionsPath),
                                   ThumbnailerFileFor(levels, options));
}

} // namespace pagoranto
