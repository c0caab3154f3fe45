#pragma once
// The text files the program writes besides projects (reports, the summary): Windows-1252 with
// CR LF line ends, replaced as a whole or not at all.

#include <string>
#include <string_view>
#include <vector>

namespace sw {

struct FileWriteResult {
    // Cancelled: the user stopped the work before the file was written; nothing was written.
    enum class Status { Written, Failed, Cancelled };
    Status status = Status::Failed;
    std::string Message;  // why it failed, naming the path

    [[nodiscard]] bool written() const { return status == Status::Written; }
    [[nodiscard]] bool cancelled() const { return status == Status::Cancelled; }
};

// What a writer returns when its progress was told to stop: nothing written.
[[nodiscard]] inline FileWriteResult writeCancelled()
{
    FileWriteResult r;
    r.status = FileWriteResult::Status::Cancelled;
    return r;
}

// The bytes of a text file made of these lines: Windows-1252, each line ended by CR LF.
[[nodiscard]] std::string textFileBytes(const std::vector<std::string>& lines);

// Writes `bytes` to `path` (UTF-8): through a temporary file beside it that then replaces the
// target, so that a failure leaves any former file as it was and no partial file behind. An
// existing file that may not be written to is not replaced; a blank path is refused.
[[nodiscard]] FileWriteResult writeFileBytes(std::string_view path, std::string_view bytes);

// writeFileBytes of textFileBytes(lines).
[[nodiscard]] FileWriteResult writeTextFile(std::string_view path, const std::vector<std::string>& lines);

}  // namespace sw
