#pragma once
// The batch command's PDF of the printed report: computed culverts drawn into one PDF file through
// the page routines, as the printer selector's PDF route draws them.

#include <string>
#include <vector>

#include "model/document.h"
#include "report/progress.h"

namespace sw {

// Draws the culverts (all computed) into the PDF at path, `progress` (when given) told of each.
// False, with the message, when a culvert cannot be drawn or the file cannot be written (then
// nothing is written).
bool writePdfReport(const Document& document, const std::vector<int>& culverts, const std::string& path,
                    std::string& failure, Progress* progress = nullptr);

}  // namespace sw
