#pragma once
// The functions one library offers, found in the registry by their short names ("HPT", "PsatT").
// Placeholders (registered for a quantity the fluid does not model) are not offered: a real
// library function always writes its error code, a placeholder never does.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "KX_Libraries_Object.h"

// One answer of a library function: the value in standard units, or the code and text.
struct TKXAnswer {
    double Value = 0.0;
    int32_t Code = 0;
    std::string Text;

    bool Ok() const { return Code == 0; }
};

class TKXFluidFunctions {
  public:
    TKXFluidFunctions(const TKXLibraries& libraries, int libraryIndex);

    const std::string& LibraryName() const { return Name; }
    int LibraryIndex() const { return Index; }
    bool Offers(const std::string& shortName) const;

    // Calls the function with as many arguments as it takes; an absent function answers code -1
    // with a text that names it.
    TKXAnswer Call(const std::string& shortName, double x1 = 0.0, double x2 = 0.0) const;

  private:
    std::string Name;
    int Index = -1;
    std::unordered_map<std::string, TKXFunctionPtr> Functions;
};

// Index of the library with that name; -1 when none.
int FindLibraryIndex(const TKXLibraries& libraries, const std::string& name);
