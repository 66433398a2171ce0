#pragma once
// The catalogue of physical quantities: each quantity's index, name, default units and units.
// Positions in the list (0 ... Count()-1) differ from quantity indices (`PropertyIndex`);
// every operation says which of the two it takes.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "UnitListObject.h"

// Unit systems for the default unit of a quantity.
inline constexpr int KXUnitSystemSI = 0;
inline constexpr int KXUnitSystemEngineering = 1;

class TPropertyObject {
  public:
    TPropertyObject() = default;
    TPropertyObject(std::string propertyName, int32_t propertyIndex, std::string standardUnit,
                    std::string siUnit, std::string engUnit);

    const std::string& PropertyName() const { return PropertyName_; }
    int32_t PropertyIndex() const { return PropertyIndex_; }
    // Descriptive name of the unit library functions use (the first unit's name).
    const std::string& StandardUnit() const { return StandardUnit_; }
    // Units selected by default in the SI and the engineering unit system, each the name of
    // one of the quantity's units.
    const std::string& SIUnit() const { return SIUnit_; }
    const std::string& EngUnit() const { return EngUnit_; }
    const TUnitList& UnitList() const { return UnitList_; }
    TUnitList& UnitList() { return UnitList_; }

  private:
    std::string PropertyName_;
    int32_t PropertyIndex_ = -1;
    std::string StandardUnit_;
    std::string SIUnit_;
    std::string EngUnit_;
    TUnitList UnitList_;
};

class TPropertyList {
  public:
    // Builds the whole catalogue: 43 quantities and 207 units.
    TPropertyList();

    // Appends a quantity with an empty unit list.
    void AddProperty(const std::string& propertyName, int32_t propertyIndex,
                     const std::string& standardUnit, const std::string& siUnit,
                     const std::string& engUnit);
    // Appends a unit to the quantity with index baseProperty. The unit is discarded when no
    // quantity has that index, or when its factor is 0 or its factor or offset is not finite
    // (such a unit would turn every value into the same number).
    void AddUnit(const std::string& name, int32_t baseProperty, double offset, double factor);
    // Appends a unit with value_in_unit = factor / value_in_standard_unit, same rules.
    void AddReciprocalUnit(const std::string& name, int32_t baseProperty, double factor);

    // Empties list and appends every quantity name in list order.
    void CreatePropertyList(std::vector<std::string>& list) const;
    // List position of the quantity with that index / the first with that name; -1 if none.
    int GetIndexFromPropertyIndex(int32_t propertyIndex) const;
    int GetIndexFromPropertyName(const std::string& propertyName) const;
    // Name of the quantity with that index; "" if none.
    std::string GetPropertyNameFromIndex(int32_t propertyIndex) const;
    // Default unit of the quantity with that index: SIUnit for system 0, EngUnit for 1, ""
    // for any other system or an unknown index.
    std::string GetPropertyStandardUnit(int32_t propertyIndex, int unitSystem) const;
    // Empties list and appends the unit names of the quantity, in order (left empty when the
    // quantity is unknown).
    void CreateUnitListFromPropertyIndex(std::vector<std::string>& list,
                                         int32_t propertyIndex) const;
    void CreateUnitListFromPropertyName(std::vector<std::string>& list,
                                        const std::string& propertyName) const;
    // List position of the first quantity that has a unit of that name; -1 if none.
    int GetIndexFromUnitName(const std::string& unitName) const;
    // List position of the first quantity that has units of both names, the quantity Convert
    // uses; -1 if none.
    int GetIndexFromUnitNames(const std::string& unitName, const std::string& convertTo) const;

    // Converts between two units of one quantity: the first quantity in list order that has
    // both units. 0 when there is none or the conversion faults.
    double Convert(const std::string& unitName, const std::string& convertTo, double value) const;
    // Converts to / from the standard unit through the first quantity that has the unit; 0
    // when none has it or the conversion faults.
    double ConvertToStandard(const std::string& unitName, double value) const;
    double ConvertFromStandard(const std::string& unitName, double value) const;

    // Checked variants: false (result 0) when a name is unknown or the result is not finite.
    bool TryConvert(const std::string& unitName, const std::string& convertTo, double value,
                    double& result) const;
    bool TryConvertToStandard(const std::string& unitName, double value, double& result) const;
    bool TryConvertFromStandard(const std::string& unitName, double value, double& result) const;

    // Same as GetIndexFromUnitName.
    int PropertyIndexForUnit(const std::string& unitName) const;
    // BaseProperty of the unit in the first quantity that has it; -1 if none.
    int32_t BasePropertyForUnit(const std::string& unitName) const;
    // True when the quantity with index propertyIndex has a unit named unitStr.
    bool IsValidUnitForBaseProperty(const std::string& unitStr, int32_t propertyIndex) const;
    bool UnitExists(const std::string& unitName) const;

    // Number of quantities, and a quantity by list position (an empty quantity with index -1
    // for a position outside the list).
    int Count() const { return static_cast<int>(Properties_.size()); }
    const TPropertyObject& Property(int position) const;
    // Number of units over all quantities.
    int UnitCount() const;

  private:
    // Where a unit name occurs: list position of the quantity and of the unit in its list.
    struct TUnitPlace {
        int Property;
        int Unit;
    };

    void AddUnitObject(TUnitObject unit);
    // Places of a unit name in increasing quantity position, or nullptr if no unit has it.
    const std::vector<TUnitPlace>* PlacesOf(const std::string& unitName) const;
    // Places of both names in the first quantity that has both; false if none has.
    bool CommonPlaces(const std::string& unitName, const std::string& convertTo, TUnitPlace& from,
                      TUnitPlace& to) const;
    const TUnitObject* FirstUnitNamed(const std::string& unitName) const;
    const TUnitObject& UnitAt(const TUnitPlace& place) const;

    std::vector<TPropertyObject> Properties_;
    std::unordered_map<std::string, std::vector<TUnitPlace>> UnitPlaces_;
};
