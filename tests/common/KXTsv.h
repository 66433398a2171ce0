#pragma once
// The one reader of the tab-separated tables of tests/data: "#" lines and empty lines are
// comments, a trailing carriage return is dropped, fields are split on tabs only (unit names may
// hold blanks) and empty fields are kept. A missing or empty table fails the calling test.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace kxtsv {

using TFields = std::vector<std::string>;

inline TFields SplitTabs(const std::string& line) {
    TFields fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(
            line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

// One data line with its line number in the file, for messages.
struct TLine {
    int Number;
    TFields Fields;
};

struct TTable {
    TFields Columns;  // the header line, when the table has one
    std::vector<TLine> Lines;
};

// tests/data/<name>; with hasHeader the first data line names the columns.
inline TTable Read(const std::string& name, bool hasHeader) {
    std::ifstream in(std::string(VARNEXA_TEST_DATA_DIR) + "/" + name);
    EXPECT_TRUE(in.good()) << "cannot open " << name;
    TTable table;
    bool header = hasHeader;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            table.Columns = SplitTabs(line);
            header = false;
            continue;
        }
        table.Lines.push_back({number, SplitTabs(line)});
    }
    EXPECT_FALSE(table.Lines.empty()) << name << " has no rows";
    return table;
}

// The data rows after the header, as fields.
inline std::vector<TFields> ReadRows(const std::string& name) {
    std::vector<TFields> rows;
    for (TLine& line : Read(name, true).Lines) rows.push_back(std::move(line.Fields));
    return rows;
}

// The data rows keyed by column name; a column a row lacks is an empty text.
using TKeyedRow = std::map<std::string, std::string>;
inline std::vector<TKeyedRow> ReadKeyed(const std::string& name) {
    const TTable table = Read(name, true);
    std::vector<TKeyedRow> rows;
    for (const TLine& line : table.Lines) {
        TKeyedRow row;
        for (std::size_t i = 0; i < table.Columns.size(); ++i)
            row[table.Columns[i]] = i < line.Fields.size() ? line.Fields[i] : "";
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace kxtsv
