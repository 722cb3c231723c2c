#include "core/generator/headerfooter.h"

#include "core/generator/findcommand.h"

namespace pagoranto {

void InsertHeaderAndFooter(ByteLines &pageText, const HeaderFooterOptions &options)
{
    constexpr std::string_view bodyStart = "<body";
    constexpr std::string_view bodyEnd = "</body>";
    bool headerDone = false;
    bool footerDone = false;
    for (std::string &line : pageText) {
        if (!headerDone && options.HeaderUse && !line.empty() && ContainsCommand(line, bodyStart)) {
            line += "\r\n" + options.headeredit;
            headerDone = true;
        }
        if (!footerDone && options.FooterUse && !line.empty()) {
            const std::size_t pos = FindCommand(line, bodyEnd);
            if (pos != std::string::npos) {
                line = line.substr(0, pos) + options.footeredit + "\r\n" + std::string(bodyEnd) +
                       line.substr(pos + bodyEnd.size());
                footerDone = true;
            }
        }
    }
}

} // namespace pagoranto
