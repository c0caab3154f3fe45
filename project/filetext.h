#pragma once
// A project file as the reader sees it: read into memory (whole, or piece by piece for the
// format check), decoded to UTF-8, walked line by line. Lines end with CR LF or LF alone; a CR
// left at the end of a line is dropped.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "model/records.h"

namespace sw {

// No project file comes anywhere near this size (a project of 2,000 culverts with 50 sub-areas
// each is under 6 MB); anything larger was chosen by mistake and is not read at all.
inline constexpr std::uintmax_t kMaxProjectFileBytes = 256u * 1024u * 1024u;

// Reading builds a record for every line, which for very short lines costs many times the line
// itself. A file is read only when its records fit in kReadMemoryFactor times its size, plus
// kReadMemorySlack for small files: every file the writer makes does (its shortest lines, 9 bytes
// for a sub-area, cost some 12 times their size), and the writer refuses to make one that would
// not.
inline constexpr std::uintmax_t kReadMemoryFactor = 13;
inline constexpr std::uintmax_t kReadMemorySlack = 16u * 1024u * 1024u;
[[nodiscard]] bool readerAdmits(std::uintmax_t textBytes, std::uintmax_t lines, std::uintmax_t culverts);

// A path given as UTF-8 text, as the file dialog hands it over.
[[nodiscard]] std::filesystem::path pathFromUtf8(const std::string& path);

struct FileText {
    enum class Status { Read, Failed };
    Status status = Status::Failed;
    std::string Text;         // the whole file as UTF-8 when read
    std::string Description;  // what went wrong, when it failed

    [[nodiscard]] bool read() const { return status == Status::Read; }
};

// A project file opened for reading, with the checks every read of one makes: the path names an
// ordinary file (not a folder, device or pipe) of at most kMaxProjectFileBytes that can be
// opened. Read piece by piece; a failure is kept as a description naming the file.
class FileReader {
public:
    static constexpr std::size_t kChunk = std::size_t{1} << 16;

    explicit FileReader(const std::string& path);

    [[nodiscard]] bool ok() const { return m_failure.empty(); }
    [[nodiscard]] const std::string& failure() const { return m_failure; }
    // The size the file had when opened (0 when unknown).
    [[nodiscard]] std::size_t sizeHint() const { return m_sizeHint; }

    // Appends up to `count` bytes to `bytes` and returns how many came: fewer at the end of the
    // file, 0 after a failure (the file grew beyond the limit, or could not be read).
    std::size_t appendTo(std::string& bytes, std::size_t count);

private:
    [[nodiscard]] std::string tooLarge() const;

    std::string m_path;
    std::ifstream m_in;
    std::string m_failure;
    std::size_t m_sizeHint = 0;
    std::uintmax_t m_total = 0;
};

// Reads the whole file and decodes it: valid UTF-8 is taken as it is, anything else as
// Windows-1252. Fails (with a description naming the file) when it cannot be opened or read, is a
// folder, or is larger than kMaxProjectFileBytes.
[[nodiscard]] FileText readFileText(const std::string& path);

// The file bytes as UTF-8 text (plain ASCII needs no decoding and is passed through).
[[nodiscard]] std::string decodeFileText(std::string bytes);

// Walks the lines of a text. A position is a line index: 0 is the first line.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : m_text(text) {}

    // The next line without its line end, or nothing at the end of the text.
    [[nodiscard]] std::optional<std::string_view> next()
    {
        if (m_offset >= m_text.size())
            return std::nullopt;
        const std::size_t nl = m_text.find('\n', m_offset);
        const std::size_t end = nl == std::string_view::npos ? m_text.size() : nl;
        std::string_view line = m_text.substr(m_offset, end - m_offset);
        m_offset = nl == std::string_view::npos ? m_text.size() : nl + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++m_line;
        return line;
    }

    // The index of the line next() returns next.
    [[nodiscard]] std::int64_t position() const { return m_line; }

    // Moves to line `index` (counted from the start); false when the text has fewer lines, and
    // then the cursor stands at the end.
    bool seek(std::int64_t index);

    [[nodiscard]] bool atEnd() const { return m_offset >= m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_offset = 0;
    std::int64_t m_line = 0;
};

}  // namespace sw
