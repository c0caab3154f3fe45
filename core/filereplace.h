#pragma once
// Putting new contents in place of a file without ever leaving it damaged: the bytes go to a
// temporary file beside it, which replaces the file only once it is whole and on the disk. On any
// failure the former file stays exactly as it was and no temporary file is left behind; those of a
// save that was killed are removed by the next save of the same file. Projects, reports and the
// summary are all written this way.

#include <string>
#include <string_view>

namespace sw {

struct FileReplace {
    enum class Status {
        Replaced,
        NoPath,           // an empty path, one of blanks alone, or one holding a NUL
        IsFolder,         // the path names a folder
        NotOrdinaryFile,  // a device or a pipe: replacing it would destroy it
        NoFolder,         // the folder of a new file does not exist
        NotWritable,      // an existing file that may not be written to
        NoTemporaryName,  // no free name for the temporary file
        CannotCreate,     // the temporary file could not be created
        NotWhole,         // the bytes could not all be written
        NotReplaced,      // the temporary file could not take the file's place
    };
    Status status = Status::NoPath;
    int Errno = 0;       // the system's error number, where it gave one
    std::string Reason;  // the system's text for it, empty when it gave none

    [[nodiscard]] bool replaced() const { return status == Status::Replaced; }
    // Refused for want of permission (or of the folder), rather than for a fault of the disk.
    [[nodiscard]] bool accessRefused() const;
};

// What went wrong, naming the path: the one wording of every file the program writes.
[[nodiscard]] std::string describeReplaceFailure(std::string_view utf8Path, const FileReplace& failure);

// The message of a file that could not be written: what went wrong, and that nothing was written.
[[nodiscard]] std::string replaceFailureMessage(std::string_view utf8Path, const FileReplace& failure);

// Writes `bytes` to the file at `utf8Path`. A link is followed: the file it names is replaced and
// the link kept; the former file's permissions are kept.
[[nodiscard]] FileReplace replaceFileContents(std::string_view utf8Path, std::string_view bytes);

}  // namespace sw
