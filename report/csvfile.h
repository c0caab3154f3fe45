#pragma once
// The results of every culvert as a CSV file for spreadsheets: one row per culvert in list order,
// a header row, RFC 4180 quoting, UTF-8. A culvert that cannot be computed keeps its row, with the
// reason in the last column.

#include <string>
#include <string_view>

#include "model/document.h"
#include "report/progress.h"
#include "report/textfile.h"

namespace sw {

// The file's bytes: a UTF-8 byte-order mark (spreadsheets read the file as UTF-8 by it), the rows,
// each ended by CR LF. The culverts are computed on a copy: the document is left as it is.
[[nodiscard]] std::string resultsCsv(const Document& document);

// One field as the file holds it: quoted when it holds a comma, a quote or a line break. A text
// that a spreadsheet would take for a formula (beginning with "=", "+", "-", "@", a tab or a
// carriage return) is written with an apostrophe in front, which spreadsheets show as text.
[[nodiscard]] std::string csvTextField(std::string_view text);

// Writes resultsCsv to `path`, replacing a former file only once the new one is whole. `progress`
// (when given) hears of each culvert computed; stopped there, nothing is written (Cancelled).
[[nodiscard]] FileWriteResult writeResultsCsv(const Document& document, std::string_view path,
                                              Progress* progress = nullptr);

}  // namespace sw
