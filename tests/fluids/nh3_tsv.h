#pragma once
// Reads the tab-separated reference tables of the ammonia tests: lines starting with "#" are
// comments, the first other line holds the column names, every further line one row.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace nh3tsv {

using TRow = std::map<std::string, std::string>;

inline std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

inline std::vector<TRow> ReadTable(const std::string& fileName) {
    std::ifstream in(std::string(VARNEXA_TEST_DATA_DIR) + "/" + fileName);
    EXPECT_TRUE(in.good()) << "cannot read " << fileName;
    std::vector<TRow> rows;
    std::vector<std::string> header;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto fields = SplitTabs(line);
        if (header.empty()) {
            header = fields;
            continue;
        }
        TRow row;
        for (std::size_t i = 0; i < header.size(); ++i)
            row[header[i]] = i < fields.size() ? fields[i] : "";
        rows.push_back(row);
    }
    EXPECT_FALSE(rows.empty()) << fileName << " has no rows";
    return rows;
}

inline double Number(const TRow& row, const std::string& column) {
    const auto it = row.find(column);
    return it == row.end() || it->second.empty() ? 0.0 : std::stod(it->second);
}

}  // namespace nh3tsv
