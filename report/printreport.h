#pragma once
// The culvert report on printed pages, through the page interface: positions on the grid of
// character cells, fonts, bold runs and page breaks as the printed report has always had them.
// Every routine is one print job of its own, started on the device and ended by it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/document.h"
#include "report/page.h"
#include "report/progress.h"

namespace sw {

// Sub-areas the first page of a culvert holds, and each page after it.
inline constexpr int kRowsOnFirstPage = 24;
inline constexpr int kRowsOnNextPages = 60;

// The pages of a culvert with n > 24 sub-areas: 1 + ceil((n - 24) / 60).
[[nodiscard]] std::int16_t PrinterPageCount(std::int16_t n);

// The whole report of a culvert with n <= 24 sub-areas. False when no job could be started.
bool Print2Printer(PageDevice& device, const Document& document, int culvert, int n);
// The first page of a culvert with more than 24 sub-areas: the header and rows 0 to 23.
bool Print2PrinterMT24(PageDevice& device, const Document& document, int culvert);
// Continuation page p (p >= 2) of a culvert with n sub-areas: its rows, the totals, Q and the
// summary.
bool Print2PrinterNext(PageDevice& device, const Document& document, int culvert, int n, int page);

// A computed culvert printed whole: by Print2Printer, or by Print2PrinterMT24 and a
// Print2PrinterNext for each further page. False when a job could not be started.
bool printCulvert(PageDevice& device, const Document& document, int culvert);

// How printing several culverts ended: all printed, a job refused at a culvert, or stopped by the
// progress. `Printed` counts the culverts printed whole (every one before the refused one, or
// before the stop).
struct PrintOutcome {
    enum class Status { Printed, Refused, Cancelled };
    Status status = Status::Printed;
    std::size_t Printed = 0;
    int RefusedCulvert = -1;
};

// The computed culverts printed whole one after the other by printCulvert, `progress` (when
// given) told before each; stops at the first refused job, or where the progress says stop.
[[nodiscard]] PrintOutcome printCulverts(PageDevice& device, const Document& document, const std::vector<int>& culverts,
                                         Progress* progress = nullptr);

}  // namespace sw
