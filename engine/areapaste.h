#pragma once
// Sub-areas pasted into the drainage-area list from a spreadsheet or a text: a row per line, its
// values separated by tabs, or by commas or semicolons with CSV quoting, in the order surface,
// area, unit, C, description. Each row is checked as Add checks the same values typed into the
// entry boxes and becomes the row Add would build from them: design-manual for a surface of the
// design table (a C given with it is not used, and a note says so), user-defined otherwise (its C
// required). A first row that does not read as a sub-area is taken as a header.
//
// The cost is linear in the text and the result is bounded, whatever the text holds: rows are at
// most kMaxPastedRowChars long, at most kMaxSubAreas of them are read, and only the first refusals
// and notes are kept (with their counts).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/arearows.h"

namespace sw {

// The most sub-areas a culvert holds: the windows hand its sub-area count on as a 16-bit value.
inline constexpr std::size_t kMaxSubAreas = 32767;
// A sub-area row needs far fewer (a surface keeps 35 characters, a description 10).
inline constexpr std::size_t kMaxPastedRowChars = 1000;
// What the message lists; it counts the rest.
inline constexpr std::size_t kListedPasteRefusals = 20;
inline constexpr std::size_t kListedPasteNotes = 10;

struct PastedRow {
    std::size_t Line = 0;  // 1-based line of the pasted text
    AreaEntry Entry;       // the entry boxes as Add would have read them
    std::string Row;       // BuildAreaRow(Entry)
};

struct PasteRefusal {
    std::size_t Line = 0;
    std::string Value;   // the value refused, made printable and cut as a message shows it
    std::string Reason;  // Add's message, or why the row could not be read

    bool operator==(const PasteRefusal&) const = default;
};

struct PasteNote {
    std::size_t Line = 0;
    std::string Text;

    bool operator==(const PasteNote&) const = default;
};

struct AreaPaste {
    enum class Status {
        Read,          // Rows are to be added (none when every row was refused)
        NoRows,        // no row besides blank ones and a header
        TooManyRows,   // more than kMaxSubAreas rows: none was checked, none is added
        OverCapacity,  // the rows accepted and those held would be more than kMaxSubAreas
    };
    Status status = Status::NoRows;
    char Separator = ',';
    std::vector<PastedRow> Rows;  // in the order of the text; empty unless Read
    std::size_t AcceptedCount = 0;
    std::size_t RowsHeld = 0;
    std::vector<PasteRefusal> Refusals;  // the first kListedPasteRefusals, in the order of the text
    std::size_t RefusedCount = 0;
    std::vector<PasteNote> Notes;  // the first kListedPasteNotes
    std::size_t NoteCount = 0;
};

// Reads a pasted text for the current culvert, which holds rowsHeld rows and whose return
// period, as whole years, gives the design-manual C (none: it cannot give one).
[[nodiscard]] AreaPaste readPastedAreas(std::string_view text, std::optional<std::int16_t> years,
                                        std::size_t rowsHeld);

// The one message after a paste: what was added, the rows refused (row, value, why) and the
// notes, or why nothing was read. Empty when every row was added without a note.
[[nodiscard]] std::string pasteMessage(const AreaPaste& paste);

}  // namespace sw
