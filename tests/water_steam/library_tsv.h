#pragma once
// Reads a reference table of tests/data: lines starting with "#" are comments, the first other
// line is the header, every further line one row of tab-separated fields (empty fields kept).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace if97test {

using TRow = std::vector<std::string>;

inline TRow SplitTabs(const std::string& line) {
    TRow fields;
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

// The data rows of tests/data/<name>; a missing or empty file fails the calling test.
inline std::vector<TRow> ReadTable(const std::string& name) {
    std::ifstream in(std::string(VARNEXA_TEST_DATA_DIR) + "/" + name);
    EXPECT_TRUE(in.good()) << "cannot open " << name;
    std::vector<TRow> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        rows.push_back(SplitTabs(line));
    }
    EXPECT_FALSE(rows.empty()) << name << " has no rows";
    return rows;
}

}  // namespace if97test
