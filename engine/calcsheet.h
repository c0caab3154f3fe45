#pragma once
// The calculation sheet of a culvert: every step of the Rational Method with its numbers, in the
// order the engine computes them, for a reviewer to check by hand. Built from the one computation
// of the culvert, never from a second formula.

#include <string>
#include <vector>

#include "engine/compute.h"
#include "model/records.h"

namespace sw {

// The sheet's lines for a culvert and its computation; a culvert that cannot be computed gets the
// steps that could be computed and the input that stops it.
[[nodiscard]] std::vector<std::string> calculationSheet(const CulvertRecord& culvert,
                                                        const CulvertComputation& computation);

}  // namespace sw
