#include "model/records.h"

#include "core/numbers.h"

namespace sw {

std::int64_t declaredAreaCount(const CulvertRecord& culvert)
{
    const double n = wholePart(numericValue(culvert.NumOfAreas));
    if (!(n > 0))
        return 0;
    if (n > 1e15)  // far beyond any list; keeps the conversion defined
        return static_cast<std::int64_t>(1e15);
    return static_cast<std::int64_t>(n);
}

std::size_t validAreaCount(const CulvertRecord& culvert)
{
    const std::int64_t n = declaredAreaCount(culvert);
    if (static_cast<std::uint64_t>(n) >= culvert.Areas.size())
        return culvert.Areas.size();
    return static_cast<std::size_t>(n);
}

std::size_t usedCulvertCount(const CulvertList& list)
{
    std::size_t n = 0;
    while (n < list.size() && !list[n].CulvertNo.empty())
        ++n;
    return n;
}

}  // namespace sw
