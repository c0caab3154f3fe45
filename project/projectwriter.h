#pragma once
// Saving the project: the whole ProjectInfo and CulvertList as a project file, Windows-1252 text
// with CR LF line ends.

#include <string>

#include "model/document.h"

namespace sw {

// The file's bytes, built in memory. Refused when the culvert list has no slots at all, or when a
// culvert to be written declares more sub-areas (NumOfAreas) than its Areas holds.
struct ProjectFileBytes {
    enum class Status { Built, MissingInputs };
    Status status = Status::MissingInputs;
    std::string Bytes;

    [[nodiscard]] bool built() const { return status == Status::Built; }
};
[[nodiscard]] ProjectFileBytes buildProjectFile(const Document& document);

// The bytes of a recovery copy, which keeps whatever the user typed: what a save writes, and where
// a save refuses, what can be written (a project without culvert slots as its project lines alone,
// a culvert declaring more sub-areas than it holds with those it holds), whatever the size. The
// reader reads what it builds. Throws std::bad_alloc when memory runs out.
[[nodiscard]] std::string buildRecoveryCopy(const Document& document);

struct WriteOutcome {
    enum class Status {
        Written,
        MissingInputs,  // nothing written; the caption becomes "Untitled"
        AccessDenied,   // the file or its folder cannot be written
        TooLarge,       // the file would be one the reader refuses; nothing written
        Failed,         // any other failure (disk full, ...)
    };
    Status status = Status::Failed;
    std::string Message;   // the message box text; empty when written
    std::string FileName;  // what the window caption shows afterwards

    [[nodiscard]] bool written() const { return status == Status::Written; }
};

// Writes the project to fileName (UTF-8 path). The file is written whole to a temporary file in the
// same folder and only then put in place of fileName, so a failed save never leaves a damaged or
// shortened project behind: whatever was there before stays exactly as it was.
[[nodiscard]] WriteOutcome Write2File(const Document& document, const std::string& fileName);

}  // namespace sw
