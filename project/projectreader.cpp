#include "project/projectreader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/linehelpers.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"
#include "engine/tc.h"
#include "project/fileformat.h"
#include "project/filetext.h"

namespace sw {
namespace {

namespace ff = fileformat;

// The positions and IDs a notice about culverts without an ID lists before "...".
constexpr std::size_t kNoIdNamesListed = 10;

std::string programError(const std::string& description, std::string_view procedure)
{
    return fillMessage(msg::kProgramError, {description, procedure});
}

std::string storeInfoMessage(const std::string& description)
{
    return fillMessage(msg::kStoreInfoFailed, {description});
}

// The key of a line as GetKey gives it, without building a string: only used to pass over the
// lines that cannot be the key the format check looks for.
bool mayHoldFormatKey(std::string_view line)
{
    std::string_view t = trimSpaces(line);
    const auto eq = t.find('=');
    if (eq != std::string_view::npos)
        t = trimSpaces(t.substr(0, eq));
    // Upper-casing keeps the length of a text in bytes, so a longer or shorter key never matches.
    return t.size() == ff::kFormatCheckKey.size();
}

// An elevation or length line: "key=number unit".
struct Measure {
    double Value = 0.0;
    std::string Unit;
    double Feet = 0.0;
};

std::optional<Measure> readMeasure(std::string_view line, std::int64_t lineNo, std::string& failure)
{
    const std::optional<std::string> number = GetToken(line, " ", 1);
    if (!number) {
        // A zone picked before any elevation was typed is saved as "0 " with no unit; such a
        // file must open again, so a lone number reads as that number without a unit.
        const std::string value = GetValue(line);
        if (const std::optional<double> alone = strictNumber(value)) {
            Measure m;
            m.Value = *alone;
            m.Feet = ToFeet(m.Value, m.Unit);
            return m;
        }
        failure = fillMessage(msg::kReadNotNumberAndUnit, {std::to_string(lineNo), messageValue(value)});
        return std::nullopt;
    }
    const std::optional<double> value = strictNumber(*number);
    if (!value) {
        failure = fillMessage(msg::kReadNotNumber, {std::to_string(lineNo), messageValue(*number)});
        return std::nullopt;
    }
    Measure m;
    m.Value = *value;
    m.Unit = GetToken(line, " ", 2).value_or(std::string());
    m.Feet = ToFeet(m.Value, m.Unit);
    return m;
}

bool isMarker(std::string_view line)
{
    return line == ff::kRuler || line == ff::kRunoffAreaInfo || line == ff::kIntensityInfo;
}

// The number of lines from the cursor up to the next section line: the sub-area lines still to
// come in this block. Counting lines that are there keeps the room asked for within the file's
// size.
std::size_t areaLinesFrom(LineCursor cursor)
{
    std::size_t n = 0;
    while (const auto line = cursor.next()) {
        if (isMarker(*line))
            break;
        ++n;
    }
    return n;
}

CulvertRead stopped(CulvertRead&& read, const std::string& description)
{
    read.status = CulvertRead::Status::Stopped;
    read.Message = storeInfoMessage(description);
    return std::move(read);
}

LoadOutcome refused(std::string message)
{
    LoadOutcome out;
    out.status = LoadOutcome::Status::Refused;
    out.Message = std::move(message);
    return out;
}

}  // namespace

FormatCheck CheckFileFormat(const std::string& path)
{
    FormatCheck check;
    auto failedWith = [&](const std::string& description) {
        check.status = FormatCheck::Status::Failed;
        check.Message = programError(description, "FindSecTitle");
        return check;
    };
    auto accepted = [&] {
        check.status = FormatCheck::Status::Accepted;
        return check;
    };
    // A project in which no culvert has intensity inputs has no "Source of correction factor"
    // line; its two section titles make it a project file all the same.
    bool projectInfo = false;
    bool culverts = false;
    auto isKeyLine = [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        projectInfo = projectInfo || line == ff::kProjectInfo;
        culverts = culverts || line == ff::kCulverts;
        return mayHoldFormatKey(line) && equalsIgnoringCase(GetKey(line), ff::kFormatCheckKey);
    };
    try {
        // Read piece by piece, stopping at the first match (early in any project file). The
        // bytes are compared undecoded: the key and the titles are plain ASCII, and no text
        // holding a byte above 127, in either reading, equals them.
        FileReader reader(path);
        std::string buffer;
        std::size_t lineStart = 0;
        for (;;) {
            // Only the new bytes are searched for line ends: a very long line is read on
            // without going over its start again.
            std::size_t searchFrom = buffer.size();
            const std::size_t got = reader.appendTo(buffer, FileReader::kChunk);
            if (!reader.ok())
                return failedWith(reader.failure());
            for (std::size_t nl = buffer.find('\n', searchFrom); nl != std::string::npos;
                 nl = buffer.find('\n', searchFrom)) {
                if (isKeyLine(std::string_view(buffer).substr(lineStart, nl - lineStart)))
                    return accepted();
                lineStart = nl + 1;
                searchFrom = lineStart;
            }
            if (got < FileReader::kChunk) {
                if (lineStart < buffer.size() && isKeyLine(std::string_view(buffer).substr(lineStart)))
                    return accepted();
                if (projectInfo && culverts)
                    return accepted();
                return check;
            }
            buffer.erase(0, lineStart);
            lineStart = 0;
        }
    } catch (const std::bad_alloc&) {
        return failedWith(fillMessage(msg::kReadNoMemory, {path}));
    } catch (const std::exception& e) {
        return failedWith(fillMessage(msg::kReadFailed, {path, e.what()}));
    }
}

SectionScan FindSecTitle(std::string_view text)
{
    SectionScan scan;
    std::int64_t rulers = 0;
    LineCursor cursor(text);
    while (const auto line = cursor.next()) {
        const std::int64_t after = cursor.position();
        if (after > std::numeric_limits<std::int32_t>::max()) {
            scan = SectionScan{};
            scan.status = SectionScan::Status::Failed;
            scan.Message = programError(std::string(msg::kReadTooManyLines), "FindSecTitle");
            return scan;
        }
        if (*line == ff::kProjectInfo) {
            scan.PosProjectInfo = static_cast<std::int32_t>(after);
        } else if (*line == ff::kCulverts) {
            scan.PosCulverts = static_cast<std::int32_t>(after);
        } else if (*line == ff::kRuler) {
            if (++rulers > std::numeric_limits<std::int16_t>::max()) {
                scan = SectionScan{};
                scan.status = SectionScan::Status::Failed;
                scan.Message = programError(std::string(msg::kReadTooManyCulverts), "FindSecTitle");
                return scan;
            }
        }
    }
    scan.FileCulvertCount = static_cast<std::int16_t>(rulers);
    scan.LineCount = cursor.position();
    return scan;
}

std::optional<ProjectInfo> ReadProjectInfo(std::string_view text, std::int32_t position)
{
    LineCursor cursor(text);
    if (position < 0 || !cursor.seek(position))
        return std::nullopt;
    ProjectInfo info;
    const std::array<std::string*, 7> fields = {&info.ProjectName, &info.ProjectNo,   &info.ControlNo,
                                                &info.ProDescrpt,  &info.ProjectDate, &info.ProjectTime,
                                                &info.Designer};
    for (std::string* field : fields) {
        const auto line = cursor.next();
        if (!line)
            return std::nullopt;
        *field = GetValue(*line);
    }
    return info;
}

std::optional<double> strictNumber(std::string_view text)
{
    std::string_view t = trimSpaces(text);
    // from_chars reads a minus but not a plus; one sign of either kind is taken here.
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || t.front() == '+' || t.front() == '-')
        return std::nullopt;
    double value = 0.0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), value, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

namespace {

// Areas in acres by area text, for one read: a project repeats its area texts a great deal, and
// converting one costs several times more than finding it again. Open addressing over short
// texts kept in the slots themselves, so that a look-up touches one slot and no node; texts
// longer than a slot holds are converted every time.
class AcresByText {
public:
    double operator()(std::string_view areaText)
    {
        if (areaText.empty() || areaText.size() > kKeyBytes)
            return CalAcres(areaText);
        std::uint64_t words[2] = {0, 0};
        std::memcpy(words, areaText.data(), areaText.size());
        const std::uint64_t hash = hashOf(words, areaText.size());
        if (m_slots.empty())
            m_slots.resize(kFirstSize);
        for (std::size_t i = slotOf(hash);; i = (i + 1) & (m_slots.size() - 1)) {
            Slot& slot = m_slots[i];
            if (slot.Length == 0) {
                const double acres = CalAcres(areaText);
                if (m_used >= kMaxEntries)
                    return acres;
                slot.Length = static_cast<std::uint8_t>(areaText.size());
                std::memcpy(slot.Key, words, sizeof slot.Key);
                slot.Acres = acres;
                if (++m_used * 2 > m_slots.size())
                    grow();
                return acres;
            }
            if (slot.Length == areaText.size() && std::memcmp(slot.Key, words, sizeof slot.Key) == 0)
                return slot.Acres;
        }
    }

private:
    static constexpr std::size_t kKeyBytes = 16;
    static constexpr std::size_t kFirstSize = 1024;
    static constexpr std::size_t kMaxEntries = 1u << 16;

    struct Slot {
        char Key[kKeyBytes] = {};
        std::uint8_t Length = 0;  // 0: free
        double Acres = 0.0;
    };

    static std::uint64_t hashOf(const std::uint64_t (&words)[2], std::size_t length)
    {
        return (words[0] * 0x9E3779B97F4A7C15ull) ^ (words[1] * 0xC2B2AE3D27D4EB4Full) ^ length;
    }

    std::size_t slotOf(std::uint64_t hash) const
    {
        const int bits = std::countr_zero(m_slots.size());
        return static_cast<std::size_t>(hash >> (64 - bits));
    }

    void grow()
    {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(old.size() * 2, Slot{});
        for (const Slot& s : old) {
            if (s.Length == 0)
                continue;
            std::uint64_t words[2];
            std::memcpy(words, s.Key, sizeof words);
            std::size_t i = slotOf(hashOf(words, s.Length));
            while (m_slots[i].Length != 0)
                i = (i + 1) & (m_slots.size() - 1);
            m_slots[i] = s;
        }
    }

    std::vector<Slot> m_slots;
    std::size_t m_used = 0;
};

AreaLine parseAreaLine(std::string_view line, AcresByText* acresByText)
{
    const SubAreaFields field = splitSubAreaLine(line, ShortLine::LastFieldRepeats);
    AreaLine out;
    out.Area.Surface = std::string(field.Surface);
    out.Area.AreaText = std::string(field.Area);
    out.Area.AreaAcres = acresByText ? (*acresByText)(out.Area.AreaText) : CalAcres(out.Area.AreaText);
    const std::optional<double> c = strictNumber(field.C);
    if (!c) {
        out.CText = std::string(field.C);
        return out;
    }
    out.Area.C = *c;
    out.Area.Description = std::string(field.Description);
    out.status = AreaLine::Status::Parsed;
    return out;
}

}  // namespace

AreaLine ParseAreaLine(std::string_view line)
{
    return parseAreaLine(line, nullptr);
}

CulvertRead StoreInfo_Culvert(std::string_view text, std::int32_t position, std::int16_t fileCulvertCount)
{
    CulvertRead read;
    LineCursor cursor(text);
    if (position < 0 || !cursor.seek(position))
        return read;

    CulvertRecord* culvert = nullptr;
    std::size_t areaCount = 0;
    AcresByText acresByText;
    // The ruler lines counted are lines of this text, so the room stays within its size.
    read.Culverts.reserve(static_cast<std::size_t>(std::max<std::int16_t>(fileCulvertCount, 0)));
    while (const auto line = cursor.next()) {
        const std::int64_t lineNo = cursor.position();  // 1-based number of this line
        if (*line == ff::kRuler) {
            if (read.Culverts.size() >= static_cast<std::size_t>(std::max<std::int16_t>(fileCulvertCount, 0)))
                return stopped(std::move(read), fillMessage(msg::kReadMoreCulverts, {std::to_string(lineNo)}));
            const auto id = cursor.next();
            if (!id)
                return stopped(std::move(read), fillMessage(msg::kReadEndAfterRuler, {std::to_string(lineNo)}));
            culvert = &read.Culverts.emplace_back();
            areaCount = 0;
            culvert->CulvertNo = GetValue(*id);
            continue;
        }
        if (!culvert)
            return stopped(std::move(read),
                           fillMessage(msg::kReadBeforeFirstCulvert, {std::to_string(lineNo), messageValue(*line)}));

        if (*line == ff::kRunoffAreaInfo) {
            const auto station = cursor.next();
            const auto period = station ? cursor.next() : std::nullopt;
            if (station)
                culvert->Description = GetValue(*station);
            if (!period)
                return stopped(std::move(read), fillMessage(msg::kReadEndInRunoff, {std::to_string(lineNo)}));
            culvert->RetPeriod = GetValue(*period);
        } else if (*line == ff::kIntensityInfo) {
            std::array<std::string_view, 6> block{};
            std::size_t got = 0;
            for (; got < block.size(); ++got) {
                const auto l = cursor.next();
                if (!l)
                    break;
                block[got] = *l;
            }
            // Each line is stored as it comes, so a block cut short keeps what it had.
            std::string failure;
            if (got > 0)
                culvert->RFZone = GetValue(block[0]);
            for (std::size_t k = 1; k <= 3 && k < got; ++k) {
                const std::optional<Measure> m =
                    readMeasure(block[k], lineNo + 1 + static_cast<std::int64_t>(k), failure);
                if (!m)
                    return stopped(std::move(read), failure);
                if (k == 1) {
                    culvert->EleRemote = m->Value;
                    culvert->EleRemoteUnit = m->Unit;
                    culvert->EleRemoteFt = m->Feet;
                } else if (k == 2) {
                    culvert->EleCulvert = m->Value;
                    culvert->EleCulvertUnit = m->Unit;
                    culvert->EleCulvertFt = m->Feet;
                } else {
                    culvert->LenTravel = m->Value;
                    culvert->LenTravelUnit = m->Unit;
                    culvert->LenTravelFt = m->Feet;
                }
            }
            if (got > 4)
                culvert->CorFactor = numericValue(trimSpaces(GetValue(block[4])));
            if (got > 5)
                culvert->CorFactorSource = std::string(trimSpaces(GetValue(block[5])));
            if (got < block.size())
                return stopped(std::move(read), fillMessage(msg::kReadEndInIntensity, {std::to_string(lineNo)}));
        } else {
            if (areaCount == 0)
                culvert->Areas.reserve(areaLinesFrom(cursor) + 1);
            AreaLine area = parseAreaLine(*line, &acresByText);
            if (!area.parsed())
                return stopped(std::move(read),
                               fillMessage(msg::kReadCNotNumber, {std::to_string(lineNo), messageValue(area.CText)}));
            culvert->Areas.push_back(std::move(area.Area));
            culvert->NumOfAreas = std::to_string(++areaCount);
        }
    }
    return read;
}

namespace {

// Culverts whose "Culvert No=" is empty would read as free slots, and the next save would stop at
// the first of them, dropping every culvert after it. Each gets an ID that says what it is and is
// unique in the project, and the notice says so.
std::string nameCulvertsWithoutId(CulvertList& culverts)
{
    std::vector<std::size_t> missing;
    std::unordered_set<std::string> ids;
    for (std::size_t i = 0; i < culverts.size(); ++i) {
        if (culverts[i].CulvertNo.empty())
            missing.push_back(i);
        else
            ids.insert(culverts[i].CulvertNo);
    }
    if (missing.empty())
        return {};
    std::string positions;
    std::string names;
    for (std::size_t k = 0; k < missing.size(); ++k) {
        const std::string position = std::to_string(missing[k] + 1);
        std::string id = fillMessage(msg::kReadNoIdName, {position});
        while (ids.contains(id))
            id += "*";
        ids.insert(id);
        culverts[missing[k]].CulvertNo = id;
        if (k < kNoIdNamesListed) {
            positions += (k > 0 ? ", " : "") + position;
            names += std::string(k > 0 ? ", \"" : "\"") + id + "\"";
        }
    }
    if (missing.size() > kNoIdNamesListed) {
        positions += ", ...";
        names += ", ...";
    }
    return fillMessage(missing.size() == 1 ? msg::kReadCulvertWithoutId : msg::kReadCulvertsWithoutId,
                       {positions, names});
}

}  // namespace

LoadOutcome LoadProjectFile(Document& document, std::string_view text, const SectionScan& scan)
{
    if (!scan.scanned())
        return refused(scan.Message);
    if (!scan.PosProjectInfo)
        return refused(std::string(msg::kReadNoProjectInfo));
    if (!scan.PosCulverts)
        return refused(std::string(msg::kReadNoCulverts));
    if (!readerAdmits(text.size(), static_cast<std::uintmax_t>(scan.LineCount),
                      static_cast<std::uintmax_t>(std::max<std::int16_t>(scan.FileCulvertCount, 0)))) {
        return refused(fillMessage(msg::kReadLinesTooShort,
                                   {std::to_string(scan.LineCount), std::to_string(text.size())}));
    }

    std::optional<ProjectInfo> info = ReadProjectInfo(text, *scan.PosProjectInfo);
    if (!info)
        return refused(std::string(msg::kReadProjectInfoCut));
    CulvertRead culverts = StoreInfo_Culvert(text, *scan.PosCulverts, scan.FileCulvertCount);
    std::string notice = nameCulvertsWithoutId(culverts.Culverts);

    // Only now does the project in memory change, all at once.
    document.ProjectInfo = std::move(*info);
    document.CulvertList = std::move(culverts.Culverts);

    LoadOutcome out;
    out.status = culverts.complete() ? LoadOutcome::Status::Loaded : LoadOutcome::Status::Partial;
    out.Message = std::move(culverts.Message);
    out.Notice = std::move(notice);
    return out;
}

LoadOutcome readProjectFile(Document& document, const std::string& path)
{
    try {
        const FileText file = readFileText(path);
        if (!file.read())
            return refused(programError(file.Description, "FindSecTitle"));
        const SectionScan scan = FindSecTitle(file.Text);
        return LoadProjectFile(document, file.Text, scan);
    } catch (const std::bad_alloc&) {
        return refused(programError(fillMessage(msg::kReadNoMemory, {path}), "FindSecTitle"));
    }
}

}  // namespace sw
