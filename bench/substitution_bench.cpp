// Pages per second of the fifty substitution steps on a 2,000-line template.
#include "core/generator/commandsubstitution.h"
#include "core/generator/substitutionorder.h"
#include "core/platform/events.h"
#include "noevents.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

pagoranto::ByteLines MakeTemplate(int lineCount)
{
    pagoranto::ByteLines lines;
    const auto &steps = pagoranto::substitutionOrder();
    for (int i = 0; i < lineCount; ++i) {
        std::string line = "<tr><td class=\"cell\">row " + std::to_string(i) + " of the layout";
        if (i % 40 == 0)
            line += " " + std::string(steps[(i / 40) % steps.size()].searchedText);
        lines.push_back(line + "</td></tr>");
    }
    return lines;
}

} // namespace

// The floor to compare with: the same fifty passes with a plain case-sensitive find.
double ReferenceSeconds(const pagoranto::ByteLines &layout, int pages, std::size_t &bytes)
{
    const auto start = std::chrono::steady_clock::now();
    for (int page = 0; page < pages; ++page) {
        pagoranto::ByteLines pageText = layout;
        for (const auto &step : pagoranto::substitutionOrder()) {
            const std::string replacement = "value of step " + std::to_string(step.number);
            for (std::string &line : pageText) {
                for (auto pos = line.find(step.searchedText); pos != std::string::npos;
                     pos = line.find(step.searchedText, pos + replacement.size()))
                    line.replace(pos, step.searchedText.size(), replacement);
            }
        }
        bytes += pageText.back().size();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int main(int argc, char **argv)
{
    const int pages = argc > 1 ? std::stoi(argv[1]) : 1000;
    const pagoranto::ByteLines layout = MakeTemplate(2000);
    NoEvents events;
    std::size_t bytes = 0;
    const double reference = ReferenceSeconds(layout, pages, bytes);
    const auto start = std::chrono::steady_clock::now();
    for (int page = 0; page < pages; ++page) {
        pagoranto::ByteLines pageText = layout;
        pagoranto::CommandSubstitution substitution(pageText, events);
        for (const auto &step : pagoranto::substitutionOrder()) {
            const std::string replacement = "value of step " + std::to_string(step.number);
            if (step.condition == pagoranto::StepCondition::EveryThumbnail) {
                while (substitution.Substitute(step.searchedText, replacement)) {
                }
            } else {
                substitution.Substitute(step.searchedText, replacement);
            }
        }
        bytes += pageText.back().size();
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::printf("%d pages of 2000 lines, 50 steps each, in %.2f s: %.0f pages/s (check %zu)\n",
                pages, seconds.count(), pages / seconds.count(), bytes);
    std::printf("plain case-sensitive find, same passes: %.0f pages/s; ratio %.2f\n",
                pages / reference, seconds.count() / reference);
    return 0;
}
