#pragma once
// Reads a reference table of tests/data: lines starting with "#" are comments, the first other
// line is the header, every further line one row of tab-separated fields (empty fields kept).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "KXTsv.h"

namespace if97test {

using TRow = kxtsv::TFields;

// The data rows of tests/data/<name>; a missing or empty file fails the calling test.
inline std::vector<TRow> ReadTable(const std::string& name) {
    return kxtsv::ReadRows(name);
}

}  // namespace if97test
