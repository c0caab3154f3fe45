#pragma once
// The document: what a project file holds, and nothing else. One is open at a time; the windows
// edit it, the engine computes into its culverts' records, the file reader and writer convert it.

#include "model/records.h"

namespace sw {

struct Document {
    sw::ProjectInfo ProjectInfo;
    sw::CulvertList CulvertList;

    bool operator==(const Document&) const = default;
};

// The culvert at a slot of the list, or nothing when the index names none.
[[nodiscard]] const CulvertRecord* culvertAt(const Document& document, int index);
[[nodiscard]] CulvertRecord* culvertAt(Document& document, int index);

}  // namespace sw
