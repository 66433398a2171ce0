#pragma once
// The catalogue content: every quantity and every unit, as rows. TPropertyList builds itself from
// them; the lookup and conversion logic lives in PropertyListObject.cpp.
#include <cstdint>
#include <span>

#include "UnitListObject.h"

struct TQuantityRow {
    const char* Name;
    int32_t Index;
    const char* StandardUnit;
    const char* SIUnit;
    const char* EngUnit;
};

struct TUnitRow {
    const char* Name;
    int32_t Property;
    double Offset;
    double Factor;
    TUnitKind Kind = TUnitKind::Linear;
};

// The quantities in the order shown to the user, and the units of every quantity.
std::span<const TQuantityRow> QuantityCatalogue();
std::span<const TUnitRow> UnitCatalogue();
