#pragma once
// The unit of every row of the explorer: chosen by the user per key, by default the unit of the
// settings' unit system, and the conversions between it and the library's standard unit.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "PropertyListObject.h"

// Quantity index of a state or table key (rho_liq, hvap and the like included); -1 for a key
// without quantity (phase) or an unknown key.
int32_t QuantityOfKey(const std::string& key);

class TKXUnitChoice {
  public:
    TKXUnitChoice(const TPropertyList& catalogue, int unitSystem);

    const TPropertyList& Catalogue() const { return Properties; }
    std::vector<std::string> UnitsOf(int32_t quantity) const;
    // The unit system's default, or the standard unit when the system names none of the list.
    std::string DefaultUnit(int32_t quantity) const;

    // The unit shown for a key: the chosen one, else the default; "" for the phase.
    std::string UnitFor(const std::string& key) const;
    // False (and nothing chosen) when the unit is not one of the key's quantity.
    bool Choose(const std::string& key, const std::string& unit);
    // The units chosen so far, by key (a saturated key's under its base key).
    const std::map<std::string, std::string>& Choices() const { return Chosen; }

    // 0 SI, 1 engineering. A new system forgets every choice: each key shows its default again.
    int System() const { return UnitSystem; }
    void SetSystem(int unitSystem);

    // Between the key's unit and the standard unit; false on an unknown unit or a fault.
    bool FromStandard(const std::string& key, double standard, double& shown) const;
    bool ToStandard(const std::string& key, double shown, double& standard) const;

  private:
    const TUnitList* ListOf(int32_t quantity) const;

    const TPropertyList& Properties;
    int UnitSystem;
    std::map<std::string, std::string> Chosen;  // by key; a saturated key follows its base key
};
