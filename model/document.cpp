#include "model/document.h"

namespace sw {

const CulvertRecord* culvertAt(const Document& document, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= document.CulvertList.size())
        return nullptr;
    return &document.CulvertList[static_cast<std::size_t>(index)];
}

CulvertRecord* culvertAt(Document& document, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= document.CulvertList.size())
        return nullptr;
    return &document.CulvertList[static_cast<std::size_t>(index)];
}

}  // namespace sw
