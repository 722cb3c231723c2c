#pragma once

#include "core/generator/pageplan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

struct PageNameOptions;

// The number a page file name stands for under these page-name options (own name with the
// number, placeholders included); empty for a name the pattern does not make.
std::optional<std::int64_t> PageNumberOfName(std::string_view fileName,
                                             const PageNameOptions &options);

// The pages in outputDir (which ends in "/") that an earlier gallery of the same page names
// left and this run will not write: numbers above the run's last, the number of the first page
// when this run names it differently, and the first-page name when this run does not use it.
// Sorted by name; only regular files.
std::vector<std::string> FindOldPages(const std::string &outputDir, const PagePlan &plan,
                                      std::int64_t firstPageNumber, const PageNameOptions &options);

// The question before the page loop: Yes moves them to the trash, No keeps them, Cancel ends
// the run.
std::string OldPagesQuestion(const std::string &outputDir, const std::vector<std::string> &pages);

} // namespace pagoranto
