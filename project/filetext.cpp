#include "project/filetext.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>
#include <system_error>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/text.h"

namespace sw {

bool readerAdmits(std::uintmax_t textBytes, std::uintmax_t lines, std::uintmax_t culverts)
{
    // A few hundred million lines at most (the size cap): no product here can overflow.
    const std::uintmax_t cost = lines * sizeof(SubArea) + culverts * sizeof(CulvertRecord);
    return cost <= kReadMemoryFactor * textBytes + kReadMemorySlack;
}

std::filesystem::path pathFromUtf8(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

namespace {

FileText failed(std::string description)
{
    FileText out;
    out.status = FileText::Status::Failed;
    out.Description = std::move(description);
    return out;
}

bool allAscii(std::string_view bytes)
{
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

}  // namespace

std::string decodeFileText(std::string bytes)
{
    if (allAscii(bytes))
        return bytes;
    return fileTextToUtf8(bytes);
}

FileReader::FileReader(const std::string& path) : m_path(path)
{
    // A path cut short at a NUL would name another file.
    if (path.find('\0') != std::string::npos) {
        m_failure = fillMessage(msg::kReadCannotOpen, {path, std::generic_category().message(EINVAL)});
        return;
    }
    const std::filesystem::path p = pathFromUtf8(path);
    std::error_code ec;
    const std::filesystem::file_status kind = std::filesystem::status(p, ec);
    if (std::filesystem::is_directory(kind)) {
        m_failure = fillMessage(msg::kPathIsFolder, {path});
        return;
    }
    // Opening a pipe would wait for a writer, and a device never ends.
    if (std::filesystem::exists(kind) && !std::filesystem::is_regular_file(kind)) {
        m_failure = fillMessage(msg::kPathNotOrdinaryFile, {path});
        return;
    }
    if (std::filesystem::is_regular_file(kind)) {
        const std::uintmax_t size = std::filesystem::file_size(p, ec);
        if (!ec && size > kMaxProjectFileBytes) {
            m_failure = tooLarge();
            return;
        }
        if (!ec)
            m_sizeHint = static_cast<std::size_t>(size);
    }
    errno = 0;
    m_in.open(p, std::ios::binary);
    if (!m_in) {
        const int err = errno;
        const std::string why = err != 0 ? std::generic_category().message(err) : std::string(msg::kReasonUnknown);
        m_failure = fillMessage(msg::kReadCannotOpen, {path, why});
    }
}

std::string FileReader::tooLarge() const
{
    return fillMessage(msg::kReadTooLarge, {m_path, std::to_string(kMaxProjectFileBytes / (1024 * 1024))});
}

std::size_t FileReader::appendTo(std::string& bytes, std::size_t count)
{
    if (!ok())
        return 0;
    const std::size_t old = bytes.size();
    bytes.resize(old + count);
    m_in.read(bytes.data() + old, static_cast<std::streamsize>(count));
    const auto got = static_cast<std::size_t>(m_in.gcount());
    bytes.resize(old + got);
    m_total += got;
    if (m_total > kMaxProjectFileBytes)
        m_failure = tooLarge();
    else if (m_in.bad())
        m_failure = fillMessage(msg::kReadNotWhole, {m_path});
    return ok() ? got : 0;
}

FileText readFileText(const std::string& path)
{
    try {
        FileReader reader(path);
        // The size found beforehand only tells how much to ask for at first: the file may
        // change under us, so reading goes on to its real end.
        std::string bytes;
        std::size_t ask = reader.sizeHint() + 1;
        while (reader.appendTo(bytes, ask) == ask)
            ask = FileReader::kChunk;
        if (!reader.ok())
            return failed(reader.failure());

        FileText out;
        out.status = FileText::Status::Read;
        out.Text = decodeFileText(std::move(bytes));
        return out;
    } catch (const std::bad_alloc&) {
        return failed(fillMessage(msg::kReadNoMemory, {path}));
    } catch (const std::exception& e) {
        return failed(fillMessage(msg::kReadFailed, {path, e.what()}));
    }
}

bool LineCursor::seek(std::int64_t index)
{
    m_offset = 0;
    m_line = 0;
    while (m_line < index) {
        if (!next())
            return false;
    }
    return true;
}

}  // namespace sw
