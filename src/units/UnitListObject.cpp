#include "UnitListObject.h"

#include <cmath>
#include <utility>

namespace {

// Reports a result as a fault (false, result 0) unless it is finite.
bool Accept(double value, double& result) {
    if (std::isfinite(value)) {
        result = value;
        return true;
    }
    result = 0.0;
    return false;
}

}  // namespace

TUnitObject::TUnitObject(std::string name, int32_t baseProperty, double offset, double factor,
                         TUnitKind kind)
    : Name_(std::move(name)),
      BaseProperty_(baseProperty),
      Offset_(offset),
      Factor_(factor),
      Kind_(kind) {}

bool TUnitObject::TryConvertToBaseUnit(double value, double& result) const {
    result = 0.0;
    if (!std::isfinite(value)) return false;
    const double shifted = value - Offset_;
    if (Kind_ == TUnitKind::Reciprocal) {
        // Tested first so that the reciprocal of zero raises no division-by-zero flag.
        if (shifted == 0.0) return false;
        return Accept(Factor_ / shifted, result);
    }
    return Accept(shifted / Factor_, result);
}

bool TUnitObject::TryConvertFromBaseUnit(double value, double& result) const {
    result = 0.0;
    if (!std::isfinite(value)) return false;
    if (Kind_ == TUnitKind::Reciprocal) {
        if (value == 0.0) return false;
        return Accept(Factor_ / value + Offset_, result);
    }
    return Accept(Factor_ * value + Offset_, result);
}

double TUnitObject::ConvertToBaseUnit(double value) const {
    double result = 0.0;
    TryConvertToBaseUnit(value, result);  // leaves 0 on a fault
    return result;
}

double TUnitObject::ConvertFromBaseUnit(double value) const {
    double result = 0.0;
    TryConvertFromBaseUnit(value, result);  // leaves 0 on a fault
    return result;
}

bool TryConvertBetweenUnits(const TUnitObject& from, const TUnitObject& to, double value,
                            double& result) {
    double standard;
    if (!from.TryConvertToBaseUnit(value, standard)) {
        result = 0.0;
        return false;
    }
    return to.TryConvertFromBaseUnit(standard, result);
}

int TUnitList::GetUnitIndex(const std::string& unitName) const {
    for (std::size_t i = 0; i < Units_.size(); ++i) {
        if (Units_[i].Name() == unitName) return static_cast<int>(i);
    }
    return -1;
}

bool TUnitList::TryConvert(const std::string& unitName, const std::string& convertTo, double value,
                           double& result) const {
    result = 0.0;
    const int from = GetUnitIndex(unitName);
    const int to = GetUnitIndex(convertTo);
    if (from < 0 || to < 0) return false;
    return TryConvertBetweenUnits(Units_[from], Units_[to], value, result);
}

bool TUnitList::TryConvertToStandard(const std::string& unitName, double value,
                                     double& result) const {
    result = 0.0;
    const int position = GetUnitIndex(unitName);
    if (position < 0) return false;
    return Units_[position].TryConvertToBaseUnit(value, result);
}

bool TUnitList::TryConvertFromStandard(const std::string& unitName, double value,
                                       double& result) const {
    result = 0.0;
    const int position = GetUnitIndex(unitName);
    if (position < 0) return false;
    return Units_[position].TryConvertFromBaseUnit(value, result);
}

double TUnitList::Convert(const std::string& unitName, const std::string& convertTo,
                          double value) const {
    double result = 0.0;
    TryConvert(unitName, convertTo, value, result);  // leaves 0 on a fault
    return result;
}

double TUnitList::ConvertToStandard(const std::string& unitName, double value) const {
    double result = 0.0;
    TryConvertToStandard(unitName, value, result);  // leaves 0 on a fault
    return result;
}

double TUnitList::ConvertFromStandard(const std::string& unitName, double value) const {
    double result = 0.0;
    TryConvertFromStandard(unitName, value, result);  // leaves 0 on a fault
    return result;
}
