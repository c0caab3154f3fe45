#include "engine/areapaste.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"
#include "engine/tables.h"
#include "model/units.h"

namespace sw {
namespace {

enum Column : std::size_t { kSurface, kArea, kUnit, kC, kDescription, kColumns };

// More than enough bytes of a value for a message, which shows at most 60 characters of it.
constexpr std::size_t kKeptValueBytes = 256;

std::string_view trimBlanks(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The length of the UTF-8 character at the start of s; 0 when s does not start with one.
std::size_t utf8Length(std::string_view s)
{
    const auto b = static_cast<unsigned char>(s.front());
    const std::size_t len = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    return len != 0 && len <= s.size() && isValidUtf8(s.substr(0, len)) ? len : 0;
}

// A value as a message shows it: bytes that are no text, and the control characters U+0080 to
// U+009F, written as "\xNN" byte by byte (those below U+0020 the message itself makes printable),
// cut to what the message shows.
std::string shownValue(std::string_view value)
{
    value = value.substr(0, kKeptValueBytes);
    std::string out;
    for (std::size_t i = 0; i < value.size();) {
        const std::size_t len = utf8Length(value.substr(i));
        const bool c1Control = len == 2 && static_cast<unsigned char>(value[i]) == 0xC2 &&
                               static_cast<unsigned char>(value[i + 1]) < 0xA0;
        if (len != 0 && !c1Control) {
            out.append(value.substr(i, len));
            i += len;
            continue;
        }
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto b = static_cast<unsigned char>(value[i++]);
        out += {'\\', 'x', kHex[b >> 4], kHex[b & 0xF]};
    }
    return messageValue(out);
}

bool isBreak(char ch)
{
    return ch == '\n' || ch == '\r';
}

// Where the line from `start` ends: its first CR or LF, or the end of the text. A search for
// either alone could run to the end of a text whose lines end with the other one, for every line.
std::size_t lineEnd(std::string_view text, std::size_t start)
{
    const char* p = text.data() + std::min(start, text.size());
    const char* const end = text.data() + text.size();
    while (p != end && *p != '\n' && *p != '\r')
        ++p;
    return static_cast<std::size_t>(p - text.data());
}

// The next line of the text from `at`, without its line break (CR LF, LF or CR); `at` moves past it.
std::string_view nextLine(std::string_view text, std::size_t& at)
{
    const std::size_t start = at;
    const std::size_t end = lineEnd(text, start);
    at = end;
    if (at < text.size())
        at += text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    return text.substr(start, end - start);
}

// Moves `at` to the start of the next line that holds more than blanks, counting the lines passed
// into `line`; to the end of the text when there is none.
void skipBlankLines(std::string_view text, std::size_t& at, std::size_t& line)
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* lineStart = begin + std::min(at, text.size());
    for (const char* p = lineStart; p != end; ++p) {
        if (isBreak(*p)) {
            if (*p == '\r' && p + 1 != end && p[1] == '\n')
                ++p;
            ++line;
            lineStart = p + 1;
        } else if (*p != ' ' && *p != '\t') {
            at = static_cast<std::size_t>(lineStart - begin);
            return;
        }
    }
    at = text.size();
}

// Lines that hold more than blanks, separators and quotes, up to `enough`. Each is a row of the
// reading, but for a header: so a count beyond kMaxSubAreas + 1 means too many rows, known
// without reading a single one.
std::size_t contentLines(std::string_view text, std::size_t enough)
{
    std::size_t count = 0;
    bool content = false;
    for (const char* p = text.data(); p != text.data() + text.size() && count <= enough; ++p) {
        if (isBreak(*p)) {
            content = false;
        } else if (!content && *p != ' ' && *p != '\t' && *p != ',' && *p != ';' && *p != '"') {
            content = true;
            ++count;
        }
    }
    return count;
}

// Counts the characters only as far as the limit: a line may be megabytes long.
bool tooLong(std::string_view line)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < line.size() && chars <= kMaxPastedRowChars; ++i)
        chars += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 ? 1 : 0;  // not a continuation byte
    return chars > kMaxPastedRowChars;
}

// Tabs when the first row has one; otherwise semicolons when it has more of them than commas
// (as a spreadsheet with a decimal comma writes), commas else. Quoted text is not counted.
char separatorOf(std::string_view line)
{
    if (line.find('\t') != std::string_view::npos)
        return '\t';
    std::size_t commas = 0, semicolons = 0;
    bool quoted = false;
    for (const char ch : line) {
        if (ch == '"')
            quoted = !quoted;
        else if (!quoted && ch == ',')
            ++commas;
        else if (!quoted && ch == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

struct Fields {
    std::vector<std::string> Values;  // each without blanks at its ends
    std::string_view Fault;           // why the line could not be split, or empty
};

// A value that starts with a quote runs to the next lone quote; two quotes inside stand for one.
Fields splitRow(std::string_view line, char separator)
{
    Fields out;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || (line[i] == '\t' && separator != '\t')))
            ++i;
        std::string value;
        if (i < line.size() && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        value.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value.push_back(line[i++]);
            }
            if (!closed) {
                out.Fault = msg::kPasteQuoteNotClosed;
                return out;
            }
            while (i < line.size() && line[i] != separator) {
                if (line[i] != ' ' && line[i] != '\t') {
                    out.Fault = msg::kPasteTextAfterQuote;
                    return out;
                }
                ++i;
            }
            value = std::string(trimBlanks(value));
        } else {
            const std::size_t end = std::min(line.find(separator, i), line.size());
            value = std::string(trimBlanks(line.substr(i, end - i)));
            i = end;
        }
        out.Values.push_back(std::move(value));
        if (i >= line.size())
            return out;
        ++i;  // the separator
    }
}

// Why a value cannot go into a project file, and the character at fault; empty when it can.
std::string characterFault(std::string_view value)
{
    for (std::size_t i = 0; i < value.size();) {
        const auto b = static_cast<unsigned char>(value[i]);
        if (b < 0x80) {
            if (b < 0x20 || b == 0x7F)
                return std::string(msg::kPasteControlCharacter);
            ++i;
            continue;
        }
        const std::size_t len = utf8Length(value.substr(i));
        if (len == 0)
            return std::string(msg::kPasteNotText);
        const std::string_view ch = value.substr(i, len);
        // The C1 control characters U+0080 to U+009F
        if (len == 2 && b == 0xC2 && static_cast<unsigned char>(ch[1]) < 0xA0)
            return std::string(msg::kPasteControlCharacter);
        if (toWindows1252(ch) == "?")
            return fillMessage(msg::kPasteNotWindows1252, {ch});
        i += len;
    }
    return {};
}

// An optional sign, digits with at most one point: what a spreadsheet cell of a number shows.
bool isPlainNumber(std::string_view s)
{
    if (!s.empty() && (s[0] == '+' || s[0] == '-'))
        s.remove_prefix(1);
    bool digit = false, point = false;
    for (const char ch : s) {
        if (ch >= '0' && ch <= '9')
            digit = true;
        else if (ch == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

// The unit list position of a unit as pasted: its letter, its word, or the unit list's own name,
// in any case; -1 for none of them.
class UnitWords {
public:
    UnitWords()
    {
        static constexpr std::array<std::string_view, 4> kWords = {units::kAcresWord, units::kHectaresWord, "sq ft", "sq m"};
        const std::vector<std::string>& names = designTables().AreaUnitNames;
        for (std::size_t k = 0; k < units::kAreaLetters.size(); ++k) {
            m_words.push_back({std::string(units::kAreaLetters[k]), static_cast<int>(k)});
            m_words.push_back({std::string(kWords[k]), static_cast<int>(k)});
            if (k < names.size())
                m_words.push_back({lowerAscii(names[k]), static_cast<int>(k)});
        }
    }

    int indexOf(std::string_view unit) const
    {
        const std::string u = lowerAscii(unit);
        for (const auto& [word, index] : m_words)
            if (u == word)
                return index;
        return -1;
    }

private:
    std::vector<std::pair<std::string, int>> m_words;
};

// The design table's surface that differs from `surface` in case alone, or empty.
std::string tableSurfaceIgnoringCase(std::string_view surface)
{
    for (const SurfaceCoef& row : designTables().SurfaceTable)
        if (equalsIgnoringCase(row.SurfaceName, surface))
            return row.SurfaceName;
    return {};
}

// A first row whose area is a word (not a number) and whose surface is not the table's.
bool isHeader(const std::vector<std::string>& v)
{
    if (v.size() <= kArea || v[kArea].empty() || isTableSurface(v[kSurface]))
        return false;
    const char first = v[kArea].front();
    return !((first >= '0' && first <= '9') || first == '.' || first == '+' || first == '-');
}

class Reader {
public:
    Reader(std::optional<std::int16_t> years, std::size_t rowsHeld) : m_years(years) { m_out.RowsHeld = rowsHeld; }

    AreaPaste read(std::string_view text)
    {
        const std::size_t lines = contentLines(text, kMaxSubAreas + 1);
        if (lines > kMaxSubAreas + 1) {
            tooMany();
            return std::move(m_out);
        }
        m_out.Rows.reserve(lines);
        m_out.Separator = detectSeparator(text);
        std::size_t at = 0;
        std::size_t line = 1;
        while (true) {
            skipBlankLines(text, at, line);
            if (at >= text.size())
                break;
            if (!readRow(line++, nextLine(text, at)))
                return std::move(m_out);
        }
        if (m_rows == 0) {
            m_out.status = AreaPaste::Status::NoRows;
        } else if (m_out.RowsHeld + m_out.AcceptedCount > kMaxSubAreas) {
            m_out.status = AreaPaste::Status::OverCapacity;
            m_out.Rows.clear();
        } else {
            m_out.status = AreaPaste::Status::Read;
        }
        return std::move(m_out);
    }

private:
    static char detectSeparator(std::string_view text)
    {
        std::size_t at = 0;
        std::size_t line = 1;
        while (true) {
            skipBlankLines(text, at, line);
            if (at >= text.size())
                return ',';
            if (const std::string_view row = nextLine(text, at); !tooLong(row))
                return separatorOf(row);
        }
    }

    // False when the text holds more rows than a culvert: reading stops there.
    bool readRow(std::size_t line, std::string_view row)
    {
        const bool first = !m_rowSeen;
        m_rowSeen = true;
        const bool longRow = tooLong(row);
        Fields fields;
        if (!longRow) {
            fields = splitRow(row, m_out.Separator);
            if (fields.Fault.empty()) {
                if (std::all_of(fields.Values.begin(), fields.Values.end(), [](const std::string& v) { return v.empty(); })) {
                    m_rowSeen = !first;  // separators only: an empty row of a spreadsheet
                    return true;
                }
                if (first && isHeader(fields.Values)) {
                    note(line, std::string(msg::kPasteNoteHeader));
                    return true;
                }
            }
        }
        if (++m_rows > kMaxSubAreas)
            return tooMany();
        if (longRow)
            refuse(line, row, fillMessage(msg::kPasteRowTooLong, {std::to_string(kMaxPastedRowChars)}));
        else if (!fields.Fault.empty())
            refuse(line, row, std::string(fields.Fault));
        else
            readValues(line, fields.Values);
        return true;
    }

    bool tooMany()
    {
        m_out.status = AreaPaste::Status::TooManyRows;
        m_out.Rows.clear();
        m_out.Refusals.clear();
        m_out.Notes.clear();
        m_out.AcceptedCount = m_out.RefusedCount = m_out.NoteCount = 0;
        return false;
    }

    void readValues(std::size_t line, std::vector<std::string>& v)
    {
        for (std::size_t k = kColumns; k < v.size(); ++k)
            if (!v[k].empty())
                return refuse(line, v[k], std::string(msg::kPasteTooManyValues));
        v.resize(kColumns);
        for (const std::string& value : v)
            if (std::string fault = characterFault(value); !fault.empty())
                return refuse(line, value, std::move(fault));
        const std::string& surface = v[kSurface];
        const std::string& area = v[kArea];
        const std::string& c = v[kC];
        const int unit = m_units.indexOf(v[kUnit]);
        if (unit < 0)
            return refuse(line, v[kUnit], std::string(msg::kPasteUnitUnknown));
        if (!area.empty() && !isPlainNumber(area))
            return refuse(line, area, std::string(msg::kPasteNotNumber));
        if (surface.empty())
            return refuse(line, surface, std::string(msg::kSelectSurface));

        AreaEntry e;
        e.Area = area;
        e.UnitIndex = unit;
        e.Description = v[kDescription];
        const bool table = isTableSurface(surface);
        if (table) {
            e.Source = CSource::DesignManual;
            e.Surface = surface;
            // What lblCValue shows for the surface and the culvert's return period.
            e.CCaption = m_years ? plainNumber(GetCValue(surface, *m_years, "")) : std::string();
        } else {
            if (c.empty())
                if (std::string named = tableSurfaceIgnoringCase(surface); !named.empty())
                    return refuse(line, surface, fillMessage(msg::kPasteSurfaceCase, {named}));
            if (!c.empty() && !isPlainNumber(c))
                return refuse(line, c, std::string(msg::kPasteNotNumber));
            e.Source = CSource::UserDefined;
            e.UserSurface = surface;
            e.UserC = c;
        }
        if (const std::optional<AreaEntryRefusal> refusal = checkAddEntry(e)) {
            const std::string& value = refusal->Focus == EntryBox::Area    ? area
                                       : refusal->Focus == EntryBox::UserC ? c
                                                                           : surface;
            return refuse(line, value, refusal->Message);
        }

        PastedRow accepted{line, std::move(e), {}};
        accepted.Row = BuildAreaRow(accepted.Entry);
        const SubAreaFields stored = splitSubAreaLine(trimSpaces(accepted.Row), ShortLine::FieldsStayEmpty);
        if (table && !c.empty())
            note(line, fillMessage(msg::kPasteNoteCNotUsed, {c, surface, accepted.Entry.CCaption}));
        if (stored.Surface != surface)
            note(line, fillMessage(msg::kPasteNoteSurfaceCut, {messageValue(surface), stored.Surface}));
        if (stored.Description != accepted.Entry.Description)
            note(line, fillMessage(msg::kPasteNoteDescriptionCut,
                                   {messageValue(accepted.Entry.Description), stored.Description}));
        ++m_out.AcceptedCount;
        m_out.Rows.push_back(std::move(accepted));
    }

    void refuse(std::size_t line, std::string_view value, std::string reason)
    {
        if (++m_out.RefusedCount <= kListedPasteRefusals)
            m_out.Refusals.push_back({line, shownValue(value), std::move(reason)});
    }

    void note(std::size_t line, std::string text)
    {
        if (++m_out.NoteCount <= kListedPasteNotes)
            m_out.Notes.push_back({line, std::move(text)});
    }

    std::optional<std::int16_t> m_years;
    UnitWords m_units;
    std::size_t m_rows = 0;  // rows read, besides blank ones and a header
    bool m_rowSeen = false;  // a row other than a blank one: a header can only come first
    AreaPaste m_out;
};

}  // namespace

AreaPaste readPastedAreas(std::string_view text, std::optional<std::int16_t> years, std::size_t rowsHeld)
{
    return Reader(years, rowsHeld).read(text);
}

std::string pasteMessage(const AreaPaste& paste)
{
    const auto number = [](std::size_t n) { return std::to_string(n); };
    const std::string limit = number(kMaxSubAreas);
    switch (paste.status) {
    case AreaPaste::Status::NoRows:
        return std::string(msg::kPasteNoRows);
    case AreaPaste::Status::TooManyRows:
        return fillMessage(msg::kPasteTooManyRows, {limit});
    case AreaPaste::Status::OverCapacity:
        return fillMessage(msg::kPasteOverCapacity, {number(paste.RowsHeld), number(paste.AcceptedCount), limit});
    case AreaPaste::Status::Read:
        break;
    }
    if (paste.RefusedCount == 0 && paste.NoteCount == 0)
        return {};
    std::vector<std::string> lines;
    if (paste.RefusedCount == 0)
        lines.push_back(fillMessage(msg::kPasteAdded, {number(paste.AcceptedCount)}));
    else if (paste.AcceptedCount == 0)
        lines.push_back(fillMessage(msg::kPasteAllRefused, {number(paste.RefusedCount)}));
    else
        lines.push_back(fillMessage(msg::kPasteSomeRefused, {number(paste.AcceptedCount), number(paste.RefusedCount)}));
    for (const PasteRefusal& r : paste.Refusals)
        lines.push_back(fillMessage(msg::kPasteRefusedRow, {number(r.Line), r.Value, r.Reason}));
    if (paste.RefusedCount > paste.Refusals.size())
        lines.push_back(fillMessage(msg::kPasteMoreRefused, {number(paste.RefusedCount - paste.Refusals.size())}));
    if (paste.NoteCount > 0) {
        lines.emplace_back(msg::kPasteNotesHead);
        for (const PasteNote& n : paste.Notes)
            lines.push_back(fillMessage(msg::kPasteNote, {number(n.Line), n.Text}));
        if (paste.NoteCount > paste.Notes.size())
            lines.push_back(fillMessage(msg::kPasteMoreNotes, {number(paste.NoteCount - paste.Notes.size())}));
    }
    return joinMessageLines(lines);
}

}  // namespace sw
