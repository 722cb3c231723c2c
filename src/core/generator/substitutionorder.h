#pragma once

#include "core/generator/commandlist.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace pagoranto {

enum class StepCondition {
    Always,
    CommandCounted,     // the template holds the step's command
    UsePageCommand,     // hidden option usepagecommand
    UseCommentCommand,  // hidden option usecommentcommand
    UseKeywordsCommand, // hidden option usekeywordscommand
    UseAuthorCommand,   // hidden option useauthorcommand
    EveryThumbnail,     // always, repeated until no "$tpic$" is left
    HeaderOrFooterUse,  // HeaderUse or FooterUse
};

struct SubstitutionStep {
    int number;
    std::string_view searchedText;
    StepCondition condition;
    // Position in commandList of the step's command, commandListSize for the hidden markers
    // and the header and footer step.
    std::size_t commandIndex;
};

inline constexpr std::size_t substitutionStepCount = 50;

// The fixed order in which every page has its commands replaced. A replacement may hold
// commands of later steps, which are then replaced on the same page.
const std::array<SubstitutionStep, substitutionStepCount> &substitutionOrder();

} // namespace pagoranto
