#pragma once
// Shared by the tests that read back the CSV files the program writes.

#include <string>
#include <string_view>
#include <vector>

namespace sw::testing {

using Rows = std::vector<std::vector<std::string>>;

// A reader of RFC 4180 text: fields split at commas, quoted fields with doubled quotes and line
// breaks inside, rows ended by CR LF.
inline Rows readCsv(std::string_view text)
{
    Rows rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            field += c;
        }
    }
    rows.pop_back();  // after the last row's end
    return rows;
}

}  // namespace sw::testing
