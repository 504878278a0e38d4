#pragma once

// A strict reader of comma-separated values as spreadsheets exchange them: records end in
// CR LF, a field is either plain (no comma, quote, CR or LF) or quoted with "" for a quote,
// and every record has as many fields as the first.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spanrix::testing {

using CsvTable = std::vector<std::vector<std::string>>;

inline std::optional<CsvTable> parseCsvStrictly(std::string_view text)
{
    CsvTable table;
    size_t i = 0;
    while (i < text.size()) {
        std::vector<std::string> record;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                for (++i;; ++i) {
                    if (i >= text.size()) return std::nullopt;  // unterminated
                    if (text[i] != '"') {
                        field += text[i];
                    } else if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r') {
                    if (text[i] == '"' || text[i] == '\n') return std::nullopt;
                    field += text[i++];
                }
            }
            record.push_back(field);
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (text.substr(i, 2) != "\r\n") return std::nullopt;
            i += 2;
            break;
        }
        if (!table.empty() && record.size() != table.front().size()) return std::nullopt;
        table.push_back(std::move(record));
    }
    return table;
}

}  // namespace spanrix::testing
