#include "core/generator/substitutionorder.h"

namespace pagoranto {

namespace {

struct StepEntry {
    std::string_view searchedText;
    StepCondition condition;
};

using enum StepCondition;

constexpr std::array<StepEntry, substitutionStepCount> entries = {{
    {"$PIC$", CommandCounted},
    {"$PCOMMENT$", Always},
    {"<!--title-->", UsePageCommand},
    {"$PCOMMENTFL$", Always},
    {"$home$", Always},
    {"$SH$", CommandCounted},
    {"$EH$", CommandCounted},
    {"<!--comment-->", UseCommentCommand},
    {"<!--metakeywords-->", UseKeywordsCommand},
    {"<!--metaauthor-->", UseAuthorCommand},
    {"$tpic$", EveryThumbnail},
    {"$html1$", Always},
    {"$html2$", Always},
    {"$html3$", Always},
    {"$html4$", Always},
    {"$html0$", Always},
    {"$html5$", Always},
    {"$html6$", Always},
    {"$html7$", Always},
    {"$html8$", Always},
    {"$html9$", Always},
    {"$NAVIGATE$", CommandCounted},
    {"$FREETEXT$", Always},
    {"$PREVIOUS$", CommandCounted},
    {"$NEXT$", CommandCounted},
    {"$SN$", CommandCounted},
    {"$EN$", CommandCounted},
    {"$SP$", CommandCounted},
    {"$EP$", CommandCounted},
    {"$SF$", CommandCounted},
    {"$EF$", CommandCounted},
    {"$SL$", CommandCounted},
    {"$EL$", CommandCounted},
    {"$FILESIZE$", CommandCounted},
    {"$FILENAME$", CommandCounted},
    {"$FILENAMEWEU$", CommandCounted},
    {"$FILENAMEWED$", CommandCounted},
    {"$FILENAMEWE$", CommandCounted},
    {"$DIMENSION$", CommandCounted},
    {"$COUNT$", Always},
    {"$TOTAL$", Always},
    {"$FIRST$", CommandCounted},
    {"$LAST$", CommandCounted},
    {"$APAGE$", CommandCounted},
    {"$NPAGE$", CommandCounted},
    {"$PPAGE$", CommandCounted},
    {"$TIME$", Always},
    {"$DATEENG$", Always},
    {"$DATEGER$", Always},
    {"<body", HeaderOrFooterUse},
}};

std::array<SubstitutionStep, substitutionStepCount> BuildOrder()
{
    std::array<SubstitutionStep, substitutionStepCount> steps{};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        steps[i] = {static_cast<int>(i + 1), entries[i].searchedText, entries[i].condition,
                    CommandIndex(entries[i].searchedText)};
    }
    return steps;
}

} // namespace

const std::array<SubstitutionStep, substitutionStepCount> &substitutionOrder()
{
    static const auto steps = BuildOrder();
    return steps;
}

} // namespace pagoranto
