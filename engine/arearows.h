#pragma once
// The rows of the drainage-area list: built from the entry boxes when a sub-area is added, and
// parsed back into the culvert's sub-areas after every change.

#include <optional>
#include <string>
#include <string_view>

#include "model/records.h"

namespace sw {

enum class CSource { DesignManual, UserDefined };

// What the entry boxes of the drainage page hold when Add is pressed.
struct AreaEntry {
    CSource Source = CSource::DesignManual;
    std::string Surface;      // the surface list's text (design manual)
    std::string CCaption;     // the C shown beside it (design manual)
    std::string UserSurface;  // user-defined surface text
    std::string UserC;        // user-defined C text
    std::string Area;         // the area box as typed
    int UnitIndex = -1;       // 0 acres, 1 hectares, 2 square feet, 3 square metres; -1 none
    std::string Description;
};

inline constexpr std::size_t kSurfaceWidth = 35;
inline constexpr std::size_t kAreaWidth = 10;
inline constexpr std::size_t kCWidth = 4;
inline constexpr std::size_t kDescriptionWidth = 10;
// The largest number the area field holds beside its " a" unit: eight digits. An exponent
// ("1e300") would get a larger one past the width check.
inline constexpr double kMaxAreaValue = 99999999.0;

// Why an entry cannot become a row; the add checks of the page run first.
enum class AreaEntryFault {
    None,
    CommaInUserSurface,
    CommaInUserC,
    AreaNotPlainNumber,
    AreaTooLarge,
    AreaTooWide,
    AreaStoredAsZero,
};

// The smallest area a row holds: a design-manual area is listed with one decimal, so anything
// less is listed as 0.0, which no computation takes.
inline constexpr double kSmallestArea = 0.05;

// Refused: a comma in a field that is not the last (it would shift the stored fields), an area
// above kMaxAreaValue, an area too wide to keep its unit letter, and an area whose listed text
// would be 0.0. The description is not checked: its cut at a comma is documented on the page.
[[nodiscard]] AreaEntryFault checkAreaEntry(const AreaEntry& entry);

// The box a refusal of Add names: the focus goes there. ReturnPeriod is the intensity page's
// return period box, for a design-manual C that the culvert's return period cannot give.
enum class EntryBox { Surface, Area, UserC, UserSurface, ReturnPeriod };

struct AreaEntryRefusal {
    std::string Message;
    EntryBox Focus = EntryBox::Area;

    bool operator==(const AreaEntryRefusal&) const = default;
};

// Every check Add runs on the entry boxes, in order: the first refusal, or none when the entry
// becomes a row. Whether there is a current culvert is the caller's to check first.
[[nodiscard]] std::optional<AreaEntryRefusal> checkAddEntry(const AreaEntry& entry);

// The fixed-width row: surface (35), area (10), C (4), description (10), joined by ",".
[[nodiscard]] std::string BuildAreaRow(const AreaEntry& entry);

// One row of the list (padded or not) as a sub-area.
[[nodiscard]] SubArea parseAreaRow(std::string_view row);

// The unit letter of a unit list position.
[[nodiscard]] std::string unitLetter(int unitIndex);

}  // namespace sw
