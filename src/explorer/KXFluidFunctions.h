#pragma once
// The functions one library offers, found in the registry by their short names ("HPT", "PsatT"),
// and what the library states about itself (its information: kind, range, reference state, input
// pairs, transport). The transport functions are offered only when the information says the
// library has transport.
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
    // The library's information; empty for an index outside the registry.
    const TKXLibraryInfo& Info() const { return Info_; }
    bool Offers(const std::string& shortName) const;

    // Calls the function with as many arguments as it takes; an absent function answers code -1
    // with a text that names it.
    TKXAnswer Call(const std::string& shortName, double x1 = 0.0, double x2 = 0.0,
                   double x3 = 0.0) const;

  private:
    std::string Name;
    int Index = -1;
    TKXLibraryInfo Info_;
    std::unordered_map<std::string, TKXFunctionPtr> Functions;
};

// The function shortName among a library's functions (by short name) with as many of x1, x2, x3
// as it takes; an absent one answers code -1 with a text naming library_shortName.
TKXAnswer KXCallShortName(const std::unordered_map<std::string, TKXFunctionPtr>& functions,
                          const std::string& library, const std::string& shortName, double x1,
                          double x2, double x3);

// Index of the library with that name, or with that display name or alias in any case; -1 when
// none.
int FindLibraryIndex(const TKXLibraries& libraries, const std::string& name);
