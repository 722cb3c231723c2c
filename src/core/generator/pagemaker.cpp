#include "core/generator/pagemaker.h"

#include "core/generator/headerfooter.h"
#include "core/generator/navigationcommands.h"
#include "core/generator/pagenames.h"
#include "core/generator/picturecommands.h"
#include "core/generator/picturefacts.h"
#include "core/generator/substitutionorder.h"
#include "core/pictures/descriptionstore.h"
#include "core/platform/clock.h"
#include "core/text/datetimeformat.h"

#include <optional>

namespace pagoranto {

namespace {

bool StepRuns(const SubstitutionStep &step, const CommandCounts &counts,
              const GallerySettings &settings)
{
    const HiddenOptions &hidden = settings.hidden;
    switch (step.condition) {
    case StepCondition::Always:
    case StepCondition::EveryThumbnail:
        return true;
    case StepCondition::CommandCounted:
        return counts[step.commandIndex] > 0;
    case StepCondition::UsePageCommand:
        return hidden.usepagecommand;
    case StepCondition::UseCommentCommand:
        return hidden.usecommentcommand;
    case StepCondition::UseKeywordsCommand:
        return hidden.usekeywordscommand;
    case StepCondition::UseAuthorCommand:
        return hidden.useauthorcommand;
    case StepCondition::HeaderOrFooterUse:
        return settings.headerFooter.HeaderUse || settings.headerFooter.FooterUse;
    }
    return false;
}

// "$html0$" .. "$html9$" give the digit, anything else -1.
int FreeHtmlDigit(std::string_view searchedText)
{
    if (searchedText.size() == 7 && searchedText.starts_with("$html") && searchedText[6] == '$' &&
        searchedText[5] >= '0' && searchedText[5] <= '9')
        return searchedText[5] - '0';
    return -1;
}

bool SetsDateFormat(std::string_view searchedText)
{
    return searchedText == "$DATEENG$" || searchedText == "$DATEGER$";
}

} // namespace

PageMaker::PageMaker(const PageRunInput &input, const GallerySettings &settings,
                     const DescriptionStore &descriptions, PageMakerServices services)
    : m_input(input), m_settings(settings), m_descriptions(descriptions),
      m_services(std::move(services)), m_substitution(m_pageText, m_services.events),
      m_headers(m_services.pictureHeaders ? *m_services.pictureHeaders : m_ownHeaders),
      m_compressor(m_services.events)
{
    ApplyMainWindowOptions(m_compressor, settings.allReturns);
}

std::string PageMaker::PageFileName(int k) const
{
    return pagoranto::PageFileName(k, m_input.firstPageNumber, m_settings.pageNames);
}

PageResult PageMaker::MakePage(int pageIndex, std::int64_t pageCounter)
{
    LoadTemplate();
    return MakeLoadedPage(pageIndex, pageCounter);
}

void PageMaker::LoadTemplate()
{
    m_services.showRunStatus("Loading template");
    if (const ByteLines *lines = m_template.Lines(m_input.templatePath))
        m_pageText = *lines;
}

PageResult PageMaker::MakeLoadedPage(int pageIndex, std::int64_t pageCounter)
{
    SubstituteCommands(pageIndex, pageCounter);

    PageResult result{PageFileName(pageIndex + 1), false};
    const SavePageResult saved =
        SavePage(m_pageText, m_input.outputDir, m_outputFolders, result.name,
                 m_settings.special.pagecompressor, m_compressor, m_bytesSaved, m_services.prompts,
                 m_services.events, m_services.showRunStatus, m_services.showCompressIndicator);
    result.saveFailed = saved.saveFailed;
    if (!result.saveFailed)
        m_previousPageName = result.name;
    return result;
}

void PageMaker::SubstituteCommands(int pageIndex, std::int64_t pageCounter)
{
    const auto &pictures = m_input.creationList;
    const std::string currentPicture =
        pageIndex >= 0 && static_cast<std::size_t>(pageIndex) < pictures.size()
            ? pictures[static_cast<std::size_t>(pageIndex)]
            : std::string();
    m_services.showRunStatus("Preparing template");
    m_substitution.PageTextChanged();
    std::optional<ShownCopy> copy;
    if (m_input.webCopies) {
        if (const auto found = m_input.webCopies->find(currentPicture);
            found != m_input.webCopies->end())
            copy = ShownCopy{m_input.webFolder +
                                 std::filesystem::path(currentPicture).filename().string(),
                             found->second};
    }
    const PagePicture picture =
        PreparePictureFacts(m_input.pictureDir, currentPicture, m_descriptions, m_settings.special,
                            &m_headers, copy ? &*copy : nullptr);
    const auto pageFileName = [this](int k) { return PageFileName(k); };
    const PictureCommandContext pictureContext{picture, m_input.pictureRelPath, m_settings.hidden,
                                               m_settings.linkTexts};
    const NavigationContext navigationContext{pageIndex, m_input.plan.pageCount,
                                              &m_input.plan.pageNameList, m_previousPageName,
                                              pageFileName};
    const int picCount = m_input.commandCounts[picCommandIndex];
    const int tpicCount = m_input.commandCounts[tpicCommandIndex];
    const ThumbnailContext thumbnailContext{pictures,
                                            pageIndex,
                                            pageCounter,
                                            m_input.firstPageNumber,
                                            picCount,
                                            tpicCount,
                                            m_input.pictureDir,
                                            m_input.destinationDir,
                                            m_input.pictureRelPath,
                                            m_settings.hidden,
                                            m_settings.thumbnails,
                                            m_descriptions,
                                            pageFileName};

    for (const SubstitutionStep &step : substitutionOrder()) {
        if (!StepRuns(step, m_input.commandCounts, m_settings))
            continue;
        const std::string_view searched = step.searchedText;
        if (step.condition == StepCondition::EveryThumbnail) {
            FillThumbnails(m_substitution, m_thumbnails, thumbnailContext, m_headers);
            continue;
        }
        if (step.condition == StepCondition::HeaderOrFooterUse) {
            InsertHeaderAndFooter(m_pageText, m_settings.headerFooter);
            m_substitution.PageTextChanged();
            continue;
        }
        // The date commands set the program-wide date format even on a page without them.
        if (!m_substitution.MayContain(searched) && !SetsDateFormat(searched))
            continue;
        std::optional<std::string> replacement =
            PictureCommandReplacement(searched, pictureContext);
        if (!replacement)
            replacement = NavigationReplacement(searched, navigationContext, m_settings.navigation,
                                                m_settings.linkTexts);
        if (!replacement) {
            if (const int digit = FreeHtmlDigit(searched); digit >= 0)
                replacement = m_settings.hidden.editfield_html[static_cast<std::size_t>(digit)];
            else if (searched == "$COUNT$")
                replacement = std::to_string(pageIndex + 1);
            else if (searched == "$TOTAL$")
                replacement = std::to_string(m_input.plan.pageCount);
            else if (searched == "$TIME$")
                replacement = FormatTime(m_services.clock.now(), m_services.dateTimeFormats);
            else if (searched == "$DATEENG$")
                replacement = FormatDateEnglish(m_services.clock.now(), m_services.dateTimeFormats);
            else if (searched == "$DATEGER$")
                replacement = FormatDateGerman(m_services.clock.now(), m_services.dateTimeFormats);
        }
        if (replacement)
            m_substitution.Substitute(searched, *replacement);
    }
}

} // namespace pagoranto
