#pragma once
// The printers the printer selector offers: those named in the printer settings file
// ("printer.ini" in the application's folder) that are installed, in the file's order.

#include <string>
#include <string_view>
#include <vector>

namespace sw {

// A line holding an apostrophe is a remark and an empty line nothing; every other line is a
// printer name, compared whole (not trimmed) with each installed printer's name in upper case.
// The first installed printer that matches is listed under its own name; a name on two lines is
// listed twice.
[[nodiscard]] std::vector<std::string> printerList(std::string_view settingsText,
                                                   const std::vector<std::string>& installed);

// The settings file's text; empty when it is missing or cannot be read (no printer is listed then).
[[nodiscard]] std::string readPrinterSettings(const std::string& path);

}  // namespace sw
