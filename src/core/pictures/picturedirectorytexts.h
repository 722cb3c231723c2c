#pragma once

#include <string>
#include <string_view>

namespace pagoranto {

inline constexpr std::string_view tooManyPicturesTitle = "ERROR";
inline constexpr std::string_view tooManyPicturesText =
    "Found more than 2000 pictures !\rOnly 2000 pictures were going to be taken for the gallery !";

inline constexpr std::string_view deleteQuestionTitle = "info";
inline constexpr std::string_view deleteJpgQuestion =
    "Do you really want to delete all found JPG files ?\rHit \"OK\", if you want to delete found "
    "all JPG files, else hit \"Cancel\"";
inline constexpr std::string_view deleteHtmlQuestion =
    "Do you really want to delete all found html files ?\rHit \"OK\", if you want to delete found "
    "all html files, else hit \"Cancel\"";

inline constexpr std::string_view noTrashTitle = "No trash";

inline constexpr std::string_view workingText = "Working ! Please wait !";

inline constexpr std::string_view sortingListFoundText = " Sortinglist found ";
inline constexpr std::string_view sortingListHintTitle = "INFO";
inline constexpr std::string_view sortingListHintText =
    "If the hint \"Sortinglist found\" is shown, then a sorting list\rwas found in the actual "
    "directory of your pictures,\rso you don't have to mark your pictures.\rJust select a "
    "template/layout, select the directory level.\rand click on \"Create\". The following dialog "
    "gives you the possibility\rto select a found sorting list or to create a new one.";

// The picture counter under the thumbnail list.
inline std::string PictureCountText(int count)
{
    return std::to_string(count) + " jpg pictures";
}

} // namespace pagoranto
