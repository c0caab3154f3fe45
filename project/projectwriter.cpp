#include "project/projectwriter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include "core/encoding.h"
#include "core/filereplace.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/subarealine.h"
#include "project/fileformat.h"
#include "project/filetext.h"

namespace sw {
namespace {

namespace ff = fileformat;

constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// True when one of the eight bytes of w equals b.
constexpr bool holdsByte(std::uint64_t w, unsigned char b)
{
    const std::uint64_t x = w ^ (kEveryByte * b);
    return ((x - kEveryByte) & ~x & kHighBits) != 0;
}

// True when one of the eight bytes of w is above 127, a CR or a LF.
constexpr bool holdsUnusualByte(std::uint64_t w)
{
    return (w & kHighBits) != 0 || holdsByte(w, '\r') || holdsByte(w, '\n');
}

// Copies n bytes eight at a time (the last eight overlapping the ones before) and tells whether
// any of them is above 127, a CR or a LF. Values are mostly a few bytes long, and a call to copy
// them would cost more than the copy.
bool copyNoting(char* to, const char* from, std::size_t n)
{
    if (n >= 8) {
        bool unusual = false;
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t w = 0;
            std::memcpy(&w, from + i, 8);
            std::memcpy(to + i, &w, 8);
            unusual |= holdsUnusualByte(w);
        }
        if (i < n) {
            std::uint64_t w = 0;
            std::memcpy(&w, from + n - 8, 8);
            std::memcpy(to + n - 8, &w, 8);
            unusual |= holdsUnusualByte(w);
        }
        return unusual;
    }
    // Shorter ones as two overlapping halves (or single bytes), gathered into one word to
    // check; the zero bytes that fill it are none of those looked for.
    if (n >= 4) {
        std::uint32_t head = 0;
        std::uint32_t tail = 0;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
        return holdsUnusualByte(head | (std::uint64_t{tail} << 32));
    }
    if (n == 0)
        return false;
    const auto first = static_cast<unsigned char>(from[0]);
    const auto middle = static_cast<unsigned char>(from[n / 2]);
    const auto last = static_cast<unsigned char>(from[n - 1]);
    to[0] = static_cast<char>(first);
    to[n / 2] = static_cast<char>(middle);
    to[n - 1] = static_cast<char>(last);
    return holdsUnusualByte(first | (std::uint64_t{middle} << 8) | (std::uint64_t{last} << 16));
}

bool plainAsciiLine(std::string_view value)
{
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 || c == '\r' || c == '\n')
            return false;
    }
    return true;
}

// The file text, grown in large steps and written through a pointer: a large project has
// hundreds of thousands of short values, and the usual append costs more than the copy itself.
//
// Values go into the file as they are held, in Windows-1252; a line break inside a value would
// split its line and shift every line after it, so it is written as a blank. Nearly every
// project is plain ASCII without such breaks, so the values are first copied as they are,
// noting any byte that is not; only when one was noted is the text built again, converting
// value by value.
class FileTextSink {
public:
    FileTextSink(std::size_t expected, bool convert)
        : m_text(new char[expected]), m_capacity(expected), m_convert(convert)
    {
    }

    void put(std::string_view s) { copyNoting(room(s.size()), s.data(), s.size()); }
    void put(char c) { *room(1) = c; }
    void endLine() { put(ff::kLineEnd); }

    void putValue(std::string_view value)
    {
        if (!m_convert) {
            m_unusual |= copyNoting(room(value.size()), value.data(), value.size());
            return;
        }
        if (plainAsciiLine(value)) {
            put(value);
            return;
        }
        std::string oneLine(value);
        for (char& c : oneLine)
            if (c == '\r' || c == '\n')
                c = ' ';
        put(toWindows1252(oneLine));
    }

    void putLine(std::string_view key, std::string_view value)
    {
        put(key);
        putValue(value);
        endLine();
    }

    void putMarker(std::string_view marker)
    {
        put(marker);
        endLine();
    }

    void putMeasure(std::string_view key, double value, std::string_view unit)
    {
        put(key);
        put(plainNumber(value));
        put(' ');
        putValue(unit);
        endLine();
    }

    // True when a value copied as it was needs converting: the text must be built again.
    [[nodiscard]] bool needsConversion() const { return m_unusual; }

    [[nodiscard]] std::string_view text() const { return {m_text.get(), m_length}; }

private:
    char* room(std::size_t n)
    {
        if (m_capacity - m_length < n) {
            const std::size_t capacity = std::max(m_capacity * 2, m_length + n);
            std::unique_ptr<char[]> larger(new char[capacity]);
            std::memcpy(larger.get(), m_text.get(), m_length);
            m_text = std::move(larger);
            m_capacity = capacity;
        }
        char* at = m_text.get() + m_length;
        m_length += n;
        return at;
    }

    // Not std::string: its room comes filled with zeros, a pass over megabytes for nothing.
    std::unique_ptr<char[]> m_text;
    std::size_t m_capacity = 0;
    std::size_t m_length = 0;
    bool m_convert = false;
    bool m_unusual = false;
};

// "0.00" text of a runoff coefficient. A project uses a few dozen C values over and over, so the
// texts are kept in a small table by value rather than formatted for every line.
class CoefficientText {
public:
    const std::string& operator()(double c)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &c, sizeof bits);
        Entry& e = m_entries[(bits * 0x9E3779B97F4A7C15ull) >> (64 - kBits)];
        if (!e.used || e.bits != bits) {
            e.used = true;
            e.bits = bits;
            e.text = subAreaCText(c);
        }
        return e.text;
    }

private:
    static constexpr unsigned kBits = 8;
    struct Entry {
        bool used = false;
        std::uint64_t bits = 0;
        std::string text;
    };
    std::vector<Entry> m_entries = std::vector<Entry>(std::size_t{1} << kBits);
};

std::string programError(const std::string& description)
{
    return fillMessage(msg::kProgramError, {description, "Write2File"});
}

WriteOutcome writtenAs(const std::string& fileName)
{
    WriteOutcome out;
    out.status = WriteOutcome::Status::Written;
    out.FileName = fileName;
    return out;
}

WriteOutcome accessDenied(const std::string& fileName)
{
    WriteOutcome out;
    out.status = WriteOutcome::Status::AccessDenied;
    out.Message = std::string(msg::kAccessDenied);
    out.FileName = fileName;
    return out;
}

WriteOutcome failedWith(const std::string& fileName, const std::string& description)
{
    WriteOutcome out;
    out.status = WriteOutcome::Status::Failed;
    out.Message = programError(description);
    out.FileName = fileName;
    return out;
}

WriteOutcome replaceFile(const std::string& fileName, std::string_view bytes)
{
    const FileReplace r = replaceFileContents(fileName, bytes);
    if (r.replaced())
        return writtenAs(fileName);
    if (r.accessRefused())
        return accessDenied(fileName);
    return failedWith(fileName, describeReplaceFailure(fileName, r));
}

// Which sub-areas of a culvert go into the file: those NumOfAreas declares (a save, which refuses a
// count beyond the list first), or for a recovery copy no more than the list holds.
enum class AreaCount { Declared, Held };

std::size_t areasToWrite(const CulvertRecord& c, AreaCount count)
{
    return count == AreaCount::Held ? validAreaCount(c) : static_cast<std::size_t>(declaredAreaCount(c));
}

void writeProject(const Document& document, std::size_t culverts, AreaCount count, FileTextSink& out)
{
    const CulvertList& list = document.CulvertList;
    const ProjectInfo& info = document.ProjectInfo;
    out.putMarker(ff::kFirstLine);
    out.putMarker(ff::kProjectInfo);
    out.putLine(ff::kProjectName, info.ProjectName);
    out.putLine(ff::kProjectNo, info.ProjectNo);
    out.putLine(ff::kControlNo, info.ControlNo);
    out.putLine(ff::kProDescrpt, info.ProDescrpt);
    out.putLine(ff::kDate, info.ProjectDate);
    out.putLine(ff::kTime, info.ProjectTime);
    out.putLine(ff::kDesigner, info.Designer);
    out.putMarker("");
    out.putMarker(ff::kCulverts);

    CoefficientText cText;
    for (std::size_t i = 0; i < culverts; ++i) {
        const CulvertRecord& c = list[i];
        out.putMarker(ff::kRuler);
        out.putLine(ff::kCulvertNo, c.CulvertNo);
        out.putMarker(ff::kRunoffAreaInfo);
        out.putLine(ff::kStation, c.Description);
        out.putLine(ff::kReturnPeriod, c.RetPeriod);
        const std::size_t n = areasToWrite(c, count);
        for (std::size_t j = 0; j < n; ++j) {
            const SubArea& a = c.Areas[j];
            putSubAreaLine(a, cText(a.C), [&out](std::string_view piece, bool isValue) {
                if (isValue)
                    out.putValue(piece);
                else
                    out.put(piece);
            });
            out.endLine();
        }
        if (!c.RFZone.empty()) {
            out.putMarker(ff::kIntensityInfo);
            out.putLine(ff::kZone, c.RFZone);
            out.putMeasure(ff::kEleRemote, c.EleRemote, c.EleRemoteUnit);
            out.putMeasure(ff::kEleCulvert, c.EleCulvert, c.EleCulvertUnit);
            out.putMeasure(ff::kLenTravel, c.LenTravel, c.LenTravelUnit);
            out.putLine(ff::kCorFactor, printNumber(c.CorFactor));
            out.putLine(ff::kCorFactorSource, c.CorFactorSource);
        }
    }
}

// The file text; for a save nothing when the project is refused for missing inputs (no culvert
// slots, or a culvert to be written declaring more sub-areas than it holds). A recovery copy is
// never refused: it writes the project lines alone, or the sub-areas a culvert holds.
std::unique_ptr<FileTextSink> buildText(const Document& document, AreaCount count)
{
    const CulvertList& list = document.CulvertList;
    if (list.empty() && count == AreaCount::Declared)
        return nullptr;
    const std::size_t culverts = usedCulvertCount(list);
    std::size_t estimate = 512;
    for (std::size_t i = 0; i < culverts; ++i) {
        const CulvertRecord& c = list[i];
        if (count == AreaCount::Declared && static_cast<std::uint64_t>(declaredAreaCount(c)) > c.Areas.size())
            return nullptr;
        // A guess from the counts alone: a sub-area line is some 40 to 60 bytes. Measuring every
        // value first would cost a second walk over all the records.
        estimate += 512 + areasToWrite(c, count) * 56;
    }

    auto copied = std::make_unique<FileTextSink>(estimate, false);
    writeProject(document, culverts, count, *copied);
    if (!copied->needsConversion())
        return copied;
    auto converted = std::make_unique<FileTextSink>(estimate, true);
    writeProject(document, culverts, count, *converted);
    return converted;
}

}  // namespace

ProjectFileBytes buildProjectFile(const Document& document)
{
    ProjectFileBytes result;
    const std::unique_ptr<FileTextSink> text = buildText(document, AreaCount::Declared);
    if (!text)
        return result;
    result.Bytes = std::string(text->text());
    result.status = ProjectFileBytes::Status::Built;
    return result;
}

std::string buildRecoveryCopy(const Document& document)
{
    return std::string(buildText(document, AreaCount::Held)->text());
}

WriteOutcome Write2File(const Document& document, const std::string& fileName)
{
    try {
        const std::unique_ptr<FileTextSink> text = buildText(document, AreaCount::Declared);
        if (!text) {
            WriteOutcome out;
            out.status = WriteOutcome::Status::MissingInputs;
            out.Message = std::string(msg::kSaveMissingInputs);
            out.FileName = std::string(msg::kUntitled);
            return out;
        }
        const std::string_view bytes = text->text();
        // A file the reader would refuse is no save at all: the project stays where it was.
        const auto lines = static_cast<std::uintmax_t>(std::count(bytes.begin(), bytes.end(), '\n'));
        if (bytes.size() > kMaxProjectFileBytes ||
            !readerAdmits(bytes.size(), lines, usedCulvertCount(document.CulvertList))) {
            WriteOutcome out;
            out.status = WriteOutcome::Status::TooLarge;
            out.Message = bytes.size() > kMaxProjectFileBytes
                              ? fillMessage(msg::kSaveTooLarge, {std::to_string(bytes.size() / (1024 * 1024)),
                                                                 std::to_string(kMaxProjectFileBytes / (1024 * 1024))})
                              : fillMessage(msg::kSaveLinesTooShort, {std::to_string(lines)});
            out.FileName = fileName;
            return out;
        }
        return replaceFile(fileName, bytes);
    } catch (const std::bad_alloc&) {
        return failedWith(fileName, std::string(msg::kSaveNoMemory));
    } catch (const std::exception& e) {
        return failedWith(fileName, fillMessage(msg::kSaveFailed, {fileName, e.what()}));
    }
}

}  // namespace sw
