#pragma once
// Reads the IF97 reference tables of tests/data for the core-routine tests: "#" lines are
// comments, the first other line names the columns, each further line is one row.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace if97core {

using TRow = std::map<std::string, std::string>;

inline std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

inline std::vector<TRow> ReadTable(const std::string& name) {
    std::ifstream in(std::string(VARNEXA_TEST_DATA_DIR) + "/" + name);
    EXPECT_TRUE(in.good()) << "cannot open " << name;
    std::vector<std::string> columns;
    std::vector<TRow> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> fields = SplitTabs(line);
        if (columns.empty()) {
            columns = fields;
            continue;
        }
        TRow row;
        for (std::size_t i = 0; i < columns.size() && i < fields.size(); ++i)
            row[columns[i]] = fields[i];
        rows.push_back(row);
    }
    EXPECT_FALSE(rows.empty()) << name << " has no rows";
    return rows;
}

inline double Number(const TRow& row, const std::string& column) {
    const auto it = row.find(column);
    return it == row.end() || it->second.empty() ? NAN : std::stod(it->second);
}

// Half a unit in the last place of a value printed with `digits` significant digits: a computed
// value agrees with the printed one when it rounds to it.
inline double PrintedHalfUnit(double printed, int digits) {
    const double exponent = std::floor(std::log10(std::fabs(printed)));
    return 0.5 * std::pow(10.0, exponent - (digits - 1));
}

// The rows of one equation of the release's verification table.
inline std::vector<TRow> VerificationRows(const std::string& equation) {
    std::vector<TRow> selected;
    for (const TRow& row : ReadTable("if97_verification.tsv")) {
        if (row.at("equation") == equation) selected.push_back(row);
    }
    EXPECT_FALSE(selected.empty()) << "no verification rows for " << equation;
    return selected;
}

}  // namespace if97core
