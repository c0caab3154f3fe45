#pragma once
// Reading a project file back into ProjectInfo and CulvertList. File > Open runs CheckFileFormat,
// then readProjectFile; the lower steps are callable on their own for tests.
//
// Positions are line indices (0 = the first line of the file).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/document.h"

namespace sw {

struct FormatCheck {
    enum class Status {
        Accepted,        // a "Source of correction factor" line (or both section titles) was found
        NotProjectFile,  // none was found (an empty file included)
        Failed,          // the file could not be read; Message says why
    };
    Status status = Status::NotProjectFile;
    std::string Message;  // only when Failed: "Program Error : ... occured in FindSecTitle"

    [[nodiscard]] bool accepted() const { return status == Status::Accepted; }
};

// Accepts a file holding a line whose key is "Source of correction factor", in any letter case, or
// both the "[PROJECT INFO]" and the "[CULVERTS]" lines.
[[nodiscard]] FormatCheck CheckFileFormat(const std::string& path);

// Where the sections of a file are. Positions are those of the line just after the title; empty
// when the title does not occur (the last occurrence counts when it occurs more than once).
struct SectionScan {
    enum class Status { Scanned, Failed };
    Status status = Status::Scanned;
    std::optional<std::int32_t> PosProjectInfo;
    std::optional<std::int32_t> PosCulverts;
    std::int16_t FileCulvertCount = 0;  // ruler lines anywhere in the file
    std::int64_t LineCount = 0;         // lines of the whole file
    std::string Message;                // only when Failed (more culverts than a 16-bit count holds)

    [[nodiscard]] bool scanned() const { return status == Status::Scanned; }
};
[[nodiscard]] SectionScan FindSecTitle(std::string_view text);

// The seven project lines starting at line `position`; empty when the text ends before them.
[[nodiscard]] std::optional<sw::ProjectInfo> ReadProjectInfo(std::string_view text, std::int32_t position);

// A strict number: the whole text, without surrounding spaces, is a finite decimal number with
// an optional sign, point and exponent ("980.5", "-3", ".5", "1e3"). "12abc", "1,5", "", "inf"
// are not numbers.
[[nodiscard]] std::optional<double> strictNumber(std::string_view text);

struct AreaLine {
    enum class Status { Parsed, NotANumber };
    Status status = Status::NotANumber;
    SubArea Area;          // Surface, AreaText (and AreaAcres) are filled even when C fails
    std::string CText;     // when NotANumber: the third field, as found

    [[nodiscard]] bool parsed() const { return status == Status::Parsed; }
};
// A sub-area line: Surface,AreaText,C,Description.
[[nodiscard]] AreaLine ParseAreaLine(std::string_view line);

struct CulvertRead {
    enum class Status { Complete, Stopped };
    Status status = Status::Complete;
    CulvertList Culverts;  // the culverts begun before the read ended
    std::string Message;   // only when Stopped: "... happened in StoreInfo_Culvert !"

    [[nodiscard]] bool complete() const { return status == Status::Complete; }
};
// The culvert blocks from line `position` to the end. fileCulvertCount bounds the number of
// culverts; the list holds exactly the culverts whose ruler line was read.
[[nodiscard]] CulvertRead StoreInfo_Culvert(std::string_view text, std::int32_t position,
                                            std::int16_t fileCulvertCount);

struct LoadOutcome {
    enum class Status {
        Loaded,   // the project in memory is the file's
        Partial,  // the file is damaged: what was read is in memory, Message says where it stopped
        Refused,  // nothing changed in memory; Message says why
    };
    Status status = Status::Refused;
    std::string Message;
    // Besides: culverts of the file without an ID, named so that a save keeps them; empty when
    // every culvert has its ID.
    std::string Notice;

    [[nodiscard]] bool loaded() const { return status == Status::Loaded; }
};

// Reads the project and the culverts of an already scanned text into fresh records, and puts
// them in place of the document's unless the file is refused.
[[nodiscard]] LoadOutcome LoadProjectFile(Document& document, std::string_view text, const SectionScan& scan);

// The whole read of File > Open after the format check: the file read once, FindSecTitle,
// LoadProjectFile. A refused file leaves the document exactly as it was.
[[nodiscard]] LoadOutcome readProjectFile(Document& document, const std::string& path);

}  // namespace sw
