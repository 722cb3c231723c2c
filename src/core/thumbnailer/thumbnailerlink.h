#pragma once

#include "core/options/thumbnailoptionsfile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

class Events;
class Shell;

inline constexpr std::string_view thumbnailerFolder = "thumbnailer";
inline constexpr std::string_view thumbnailerProgramName = "PagorantoThumbNailer";
inline constexpr std::string_view thumbnailerOptionsFileName = "mtoptions.cfg";
inline constexpr std::string_view thumbnailerFileListName = "filelist.dat";
inline constexpr std::string_view thumbnailerFlagFileName = "PagorantoActive.txt";
inline constexpr std::string_view thumbnailerFlagLine = "PagorantoThumbNailerActive";
inline constexpr std::string_view thumbnailerParameters = "? 2 3 4 5 1";
// Added to the parameters to have every thumbnail made again, up to date or not.
inline constexpr std::string_view thumbnailerRemakeAllParameter = "remake-all";
// Added to have thumbnails made elsewhere (without our stamp) replaced too; else they are kept.
inline constexpr std::string_view thumbnailerReplaceForeignParameter = "replace-foreign";
// Added to have progressive photos decoded from all their scans even where their DC coefficients
// would do: the thumbnails as they were made before, to time or compare the two.
inline constexpr std::string_view thumbnailerAllScansParameter = "all-scans";
// Followed by HandOverDigest of the files the run wrote, so that the thumbnailer works only from
// the hand-over of the run that started it.
inline constexpr std::string_view thumbnailerHandOverParameter = "hand-over=";
// Followed by the folder name (below the destination) of the run's web-size copies: a photo with
// an up-to-date copy there is thumbnailed from the copy, a fraction of the photo to decode.
inline constexpr std::string_view thumbnailerWebCopiesParameter = "web-copies=";

// The thumbnailer program in the "thumbnailer" folder of programDirectory (which ends in "/"),
// its file name matched without regard to case; the exact spelling wins when there are several.
std::optional<std::filesystem::path> FindThumbnailerProgram(const std::string &programDirectory);
bool thumbnailerPresent(const std::string &programDirectory);

// How the wait for the thumbnailer goes: after startDelayMs, pending messages are handled in
// passes of about a millisecond and the flag file is tested every passesPerFlagTest passes. A
// window keeps a busy display animated meanwhile; a program without one only needs to learn
// soon that the thumbnailer is done.
struct ThumbnailerPace {
    std::uint64_t startDelayMs = 1000;
    int passesPerFlagTest = 501;
};
inline constexpr ThumbnailerPace promptThumbnailerPace{0, 10};

// What a Create run hands to the thumbnailer.
struct ThumbnailerJob {
    std::string programDirectory;      // ends in "/"
    std::string pictureDir;            // ends in "/"
    std::vector<std::string> pictures; // creationList, in its order
    ThumbnailerFile options;           // becomes "thumbnailer/mtoptions.cfg"
    // Where the program itself is installed, when not below programDirectory (a batch run
    // on the option files of another directory).
    std::string installDirectory;
    bool remakeAll = false;      // also the thumbnails that are up to date
    bool replaceForeign = false; // also thumbnails made elsewhere
    ThumbnailerPace pace;
    std::string webCopies = {}; // the web-size copies' folder name; empty: none
};

enum class ThumbnailerEnd {
    FilesNotWritten, // a hand-over file could not be written; nothing was started
    NotStarted,      // the program could not be started; the flag file was removed again
    FlagRemoved,     // the thumbnailer removed the flag file: it is done
    ExitedWithFlag,  // the thumbnailer ended without removing the flag file; removed here
};

struct ThumbnailerResult {
    ThumbnailerEnd end = ThumbnailerEnd::NotStarted;
    std::filesystem::path unwritableFile; // with FilesNotWritten

    bool started() const
    {
        return end == ThumbnailerEnd::FlagRemoved || end == ThumbnailerEnd::ExitedWithFlag;
    }
};

// A digest of the hand-over files' bytes; empty when one cannot be read.
std::string HandOverDigest(const std::filesystem::path &optionsFile,
                           const std::filesystem::path &fileList);

// Shows (true) or hides (false) whatever tells the user that thumbnails are being made.
using ThumbnailerBusyView = std::function<void(bool shown)>;

// Writes the hand-over files (creating the "thumbnailer" folder of programDirectory when it is
// missing), starts the thumbnailer and waits, processing pending messages,
// until it removes the flag file or ends, and then until the program has ended, so that nothing
// of it still writes when the caller lets another run in. The busy view is shown only while there
// is something to wait for. Messages processed meanwhile may re-enter the caller (a Stop press);
// the wait goes on regardless, as the thumbnailer does.
ThumbnailerResult RunThumbnailer(const ThumbnailerJob &job, Shell &shell, Events &events,
                                 const ThumbnailerBusyView &busyView = {});

} // namespace pagoranto
