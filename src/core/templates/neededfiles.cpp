#include "core/templates/neededfiles.h"

#include "core/platform/events.h"
#include "core/platform/pathcontainment.h"
#include "core/platform/prompts.h"
#include "core/text/linefile.h"

#include <optional>
#include <string>
#include <system_error>

namespace pagoranto {

namespace {

// Lists written on Windows separate folders with "\".
std::string NativeEntry(std::string_view entry)
{
    std::string native(entry);
    for (char &c : native) {
        if (c == '\\')
            c = '/';
    }
    return native;
}

bool StaysInside(const std::filesystem::path &relative)
{
    if (relative.empty() || relative.is_absolute() || relative.has_root_name())
        return false;
    for (const auto &part : relative) {
        if (part == "..")
            return false;
    }
    return true;
}

bool Copy(const std::filesystem::path &source, const std::filesystem::path &target,
          std::filesystem::copy_options options)
{
    std::error_code error;
    return std::filesystem::copy_file(source, target, options, error) && !error;
}

// A target that holds the source's bytes already is left as it is, so a gallery made again
// keeps its file times; another one is replaced whole or not at all.
bool Overwrite(const std::filesystem::path &source, const std::filesystem::path &target)
{
    if (const std::optional<std::string> bytes = ReadFileBytes(source))
        return WriteChangedFileBytes(target, *bytes);
    return Copy(source, target, std::filesystem::copy_options::overwrite_existing);
}

void ShowCopyFailure(Prompts &prompts, const std::filesystem::path &source,
                     const std::string &target)
{
    prompts.show("ERROR",
                 "Unable to copy the needed file\r" + source.string() + "\rto\r" + target + " !",
                 PromptButtons::Ok);
}

} // namespace

void CopyNeededFiles(const ByteLines &neededfiles, const std::filesystem::path &templatePath,
                     const std::string &outputDir, Prompts &prompts, Events &events)
{
    const std::filesystem::path templateDir = templatePath.parent_path();
    for (const std::string &entry : neededfiles) {
        const std::string name = NativeEntry(entry);
        if (name.empty())
            continue;
        const std::filesystem::path relative(name);
        if (!StaysInside(relative)) {
            prompts.show("ERROR",
                         "The needed file\r" + entry +
                             "\rlies outside the template directory and is not copied !",
                         PromptButtons::Ok);
            events.processPendingMessages();
            continue;
        }
        const std::filesystem::path source = templateDir / relative;
        const std::string target = outputDir + name;
        // A link would publish a private file, or write over one outside the gallery.
        if (!ResolvesInside(source, templateDir) || !ResolvesInside(target, outputDir)) {
            prompts.show("ERROR",
                         "The needed file\r" + entry +
                             "\rwould be read or written through a link that leads outside its "
                             "directory and is not copied !",
                         PromptButtons::Ok);
            events.processPendingMessages();
            continue;
        }
        // A needed file in a subfolder of the template gets that subfolder beside the pages.
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(target).parent_path(), error);
        if (!Copy(source, target, std::filesystem::copy_options::none)) {
            // Only an existing target is worth the overwrite question; a missing source or a
            // full disk would fail again.
            if (!std::filesystem::exists(target, error))
                ShowCopyFailure(prompts, source, target);
            else if (prompts.show("info",
                                  "The file\r" + target +
                                      "\ris already existing !\r\r"
                                      "Do you want to overwrite it ? If not, click on \"NO\".",
                                  PromptButtons::YesNo) == PromptAnswer::Yes &&
                     !Overwrite(source, target))
                ShowCopyFailure(prompts, source, target);
        }
        events.processPendingMessages();
    }
}

void OfferNeededFiles(const ByteLines &neededfiles, bool filecopyallowed,
                      const std::filesystem::path &templatePath, const std::string &destinationDir,
                      const std::string &outputDir, Prompts &prompts, Events &events)
{
    if (!filecopyallowed || neededfiles.empty())
        return;
    const PromptAnswer answer = prompts.show(
        "info",
        "The destination directory of your needed files (pictures, pages, or other things):\r\r" +
            destinationDir +
            "\r\rDo you want to copy the needed files into the destination directory ?\r\r"
            "If not, click on CANCEL.",
        PromptButtons::OkCancel);
    if (answer == PromptAnswer::Ok)
        CopyNeededFiles(neededfiles, templatePath, outputDir, prompts, events);
}

} // namespace pagoranto
