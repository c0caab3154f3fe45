#pragma once
// What the windows keep besides the document: the file it came from, the culvert being edited or
// shown, the two flags of the editors, and the paths of the printer settings and summary files.

#include <cstdint>
#include <string>

namespace sw {

inline constexpr std::int16_t kNoCulvert = -111;     // CurCulvert when none is selected
inline constexpr std::int16_t kUnknownCulvert = -1;  // CurCulvert when the typed ID is in no entry

struct WindowState {
    // The path last chosen in the file dialog of Open, or of New or Exit when they saved an
    // untitled project. The current file itself is the main window's caption.
    std::string ProjectFileName;
    std::int16_t CurCulvert = kNoCulvert;
    // The editors write back into the record only while true: false while a stored culvert is
    // loaded into them.
    bool EditorsLive = true;
    // True until the project is touched: Open asks to save first only when it is false.
    bool IsPristine = true;

    std::string PrinterIniPath;
    std::string SummaryFilePath;

    std::int16_t BoardCulvert = 0;  // the culvert on the results board
    bool LastRunSingle = true;      // the last run was for one culvert ("Culvert ID")
};

}  // namespace sw
