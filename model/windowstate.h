#pragma once
// What the windows keep besides the open project: the paths of the printer settings and summary
// files, the file name last chosen in a dialog, and the culvert the results board shows. The open
// project itself, its file, the current culvert and the editors' flags are the session's.

#include <cstdint>
#include <string>

namespace sw {

inline constexpr std::int16_t kNoCulvert = -111;     // CurCulvert when none is selected
inline constexpr std::int16_t kUnknownCulvert = -1;  // CurCulvert when the typed ID is in no entry

struct WindowState {
    // The path last chosen in the file dialog of Open, or of New or Exit when they saved an
    // untitled project. The current file itself is the session's, shown in the main window's caption.
    std::string ProjectFileName;

    std::string PrinterIniPath;
    std::string SummaryFilePath;

    std::int16_t BoardCulvert = 0;  // the culvert on the results board
    bool LastRunSingle = true;      // the last run was for one culvert ("Culvert ID")
};

}  // namespace sw
