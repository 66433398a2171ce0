#pragma once
// Units of one physical quantity and the conversion of values between them and the quantity's
// standard unit (the unit in which library functions take and return values).
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// How a unit relates to its standard unit.
//   Linear:     value_in_unit = Factor * value_in_standard_unit + Offset
//   Reciprocal: value_in_unit = Factor / value_in_standard_unit + Offset
// (an efficiency in % is the reciprocal of a heat rate).
enum class TUnitKind { Linear, Reciprocal };

class TUnitObject {
  public:
    TUnitObject(std::string name, int32_t baseProperty, double offset, double factor,
                TUnitKind kind = TUnitKind::Linear);

    const std::string& Name() const { return Name_; }
    int32_t BaseProperty() const { return BaseProperty_; }
    double Offset() const { return Offset_; }
    double Factor() const { return Factor_; }
    TUnitKind Kind() const { return Kind_; }

    // A value in this unit expressed in the standard unit; 0 on any fault (a non-finite
    // value or result, the reciprocal of zero).
    double ConvertToBaseUnit(double value) const;
    // A value in the standard unit expressed in this unit; 0 on any fault.
    double ConvertFromBaseUnit(double value) const;

    // The same conversions, reporting a fault as false (result is then 0).
    bool TryConvertToBaseUnit(double value, double& result) const;
    bool TryConvertFromBaseUnit(double value, double& result) const;

  private:
    std::string Name_;
    int32_t BaseProperty_;
    double Offset_;
    double Factor_;
    TUnitKind Kind_;
};

// The ordered units of one quantity; the order is the order of addition and the order shown
// to the user. The first unit is the standard unit.
class TUnitList {
  public:
    void Add(TUnitObject unit) { Units_.push_back(std::move(unit)); }

    int Count() const { return static_cast<int>(Units_.size()); }
    const std::vector<TUnitObject>& Units() const { return Units_; }

    // Position of the first unit named unitName (exact byte comparison); -1 if none.
    int GetUnitIndex(const std::string& unitName) const;

    // Conversions between units of this list; 0 when a name is not in the list or on a fault.
    double Convert(const std::string& unitName, const std::string& convertTo, double value) const;
    double ConvertToStandard(const std::string& unitName, double value) const;
    double ConvertFromStandard(const std::string& unitName, double value) const;

    // Checked variants: false when a name is not in the list or the conversion faults.
    bool TryConvert(const std::string& unitName, const std::string& convertTo, double value,
                    double& result) const;
    bool TryConvertToStandard(const std::string& unitName, double value, double& result) const;
    bool TryConvertFromStandard(const std::string& unitName, double value, double& result) const;

  private:
    std::vector<TUnitObject> Units_;
};

// Converts value from unit `from` to unit `to` through the standard unit; false on a fault.
bool TryConvertBetweenUnits(const TUnitObject& from, const TUnitObject& to, double value,
                            double& result);
