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

#include "KXTsv.h"

namespace if97core {

using TRow = kxtsv::TKeyedRow;

inline std::vector<TRow> ReadTable(const std::string& name) {
    return kxtsv::ReadKeyed(name);
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
