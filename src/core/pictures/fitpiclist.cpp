#include "core/pictures/fitpiclist.h"

namespace pagoranto {

std::size_t FitPiclistToTemplate(std::vector<std::string> &list, int tpicCount)
{
    if (list.empty() || tpicCount < 1)
        return 0;
    const std::size_t perPage = static_cast<std::size_t>(tpicCount);
    const std::size_t remainder = list.size() % perPage;
    if (remainder == 0)
        return 0;
    const std::size_t copies = perPage - remainder;
    const std::string last = list.back();
    list.insert(list.end(), copies, last);
    return copies;
}

} // namespace pagoranto
