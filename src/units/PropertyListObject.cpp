#include "PropertyListObject.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "PropertyCatalogue.h"

namespace {

// The neutral quantity returned for a position outside the list.
const TPropertyObject& EmptyProperty() {
    static const TPropertyObject empty;
    return empty;
}

}  // namespace

TPropertyObject::TPropertyObject(std::string propertyName, int32_t propertyIndex,
                                 std::string standardUnit, std::string siUnit, std::string engUnit)
    : PropertyName_(std::move(propertyName)),
      PropertyIndex_(propertyIndex),
      StandardUnit_(std::move(standardUnit)),
      SIUnit_(std::move(siUnit)),
      EngUnit_(std::move(engUnit)) {}

TPropertyList::TPropertyList() {
    Properties_.reserve(QuantityCatalogue().size());
    for (const TQuantityRow& row : QuantityCatalogue()) {
        AddProperty(row.Name, row.Index, row.StandardUnit, row.SIUnit, row.EngUnit);
    }
    for (const TUnitRow& row : UnitCatalogue()) {
        if (row.Kind == TUnitKind::Reciprocal) {
            AddReciprocalUnit(row.Name, row.Property, row.Factor);
        } else {
            AddUnit(row.Name, row.Property, row.Offset, row.Factor);
        }
    }
}

void TPropertyList::AddProperty(const std::string& propertyName, int32_t propertyIndex,
                                const std::string& standardUnit, const std::string& siUnit,
                                const std::string& engUnit) {
    Properties_.emplace_back(propertyName, propertyIndex, standardUnit, siUnit, engUnit);
}

void TPropertyList::AddUnit(const std::string& name, int32_t baseProperty, double offset,
                            double factor) {
    AddUnitObject(TUnitObject(name, baseProperty, offset, factor, TUnitKind::Linear));
}

void TPropertyList::AddReciprocalUnit(const std::string& name, int32_t baseProperty,
                                      double factor) {
    AddUnitObject(TUnitObject(name, baseProperty, 0.0, factor, TUnitKind::Reciprocal));
}

void TPropertyList::AddUnitObject(TUnitObject unit) {
    if (unit.Factor() == 0.0 || !std::isfinite(unit.Factor()) || !std::isfinite(unit.Offset())) {
        return;
    }
    const int property = GetIndexFromPropertyIndex(unit.BaseProperty());
    if (property < 0) return;
    TUnitList& units = Properties_[property].UnitList();
    // Only the first unit of a name within a quantity can be found by name.
    const bool firstInQuantity = units.GetUnitIndex(unit.Name()) < 0;
    const int position = units.Count();
    const std::string name = unit.Name();
    units.Add(std::move(unit));
    if (!firstInQuantity) return;
    std::vector<TUnitPlace>& places = UnitPlaces_[name];
    const auto after =
        std::upper_bound(places.begin(), places.end(), property,
                         [](int value, const TUnitPlace& place) { return value < place.Property; });
    places.insert(after, TUnitPlace{property, position});
}

const std::vector<TPropertyList::TUnitPlace>* TPropertyList::PlacesOf(
    const std::string& unitName) const {
    const auto found = UnitPlaces_.find(unitName);
    if (found == UnitPlaces_.end() || found->second.empty()) return nullptr;
    return &found->second;
}

const TUnitObject& TPropertyList::UnitAt(const TUnitPlace& place) const {
    return Properties_[place.Property].UnitList().Units()[place.Unit];
}

const TUnitObject* TPropertyList::FirstUnitNamed(const std::string& unitName) const {
    const std::vector<TUnitPlace>* places = PlacesOf(unitName);
    return places ? &UnitAt(places->front()) : nullptr;
}

void TPropertyList::CreatePropertyList(std::vector<std::string>& list) const {
    list.clear();
    for (const TPropertyObject& property : Properties_) list.push_back(property.PropertyName());
}

int TPropertyList::GetIndexFromPropertyIndex(int32_t propertyIndex) const {
    for (std::size_t i = 0; i < Properties_.size(); ++i) {
        if (Properties_[i].PropertyIndex() == propertyIndex) return static_cast<int>(i);
    }
    return -1;
}

int TPropertyList::GetIndexFromPropertyName(const std::string& propertyName) const {
    for (std::size_t i = 0; i < Properties_.size(); ++i) {
        if (Properties_[i].PropertyName() == propertyName) return static_cast<int>(i);
    }
    return -1;
}

std::string TPropertyList::GetPropertyNameFromIndex(int32_t propertyIndex) const {
    const int position = GetIndexFromPropertyIndex(propertyIndex);
    return position < 0 ? std::string() : Properties_[position].PropertyName();
}

std::string TPropertyList::GetPropertyStandardUnit(int32_t propertyIndex, int unitSystem) const {
    const int position = GetIndexFromPropertyIndex(propertyIndex);
    if (position < 0) return std::string();
    if (unitSystem == KXUnitSystemSI) return Properties_[position].SIUnit();
    if (unitSystem == KXUnitSystemEngineering) return Properties_[position].EngUnit();
    return std::string();
}

namespace {

void FillUnitNames(std::vector<std::string>& list, const TUnitList& units) {
    for (const TUnitObject& unit : units.Units()) list.push_back(unit.Name());
}

}  // namespace

void TPropertyList::CreateUnitListFromPropertyIndex(std::vector<std::string>& list,
                                                    int32_t propertyIndex) const {
    list.clear();
    const int position = GetIndexFromPropertyIndex(propertyIndex);
    if (position >= 0) FillUnitNames(list, Properties_[position].UnitList());
}

void TPropertyList::CreateUnitListFromPropertyName(std::vector<std::string>& list,
                                                   const std::string& propertyName) const {
    list.clear();
    const int position = GetIndexFromPropertyName(propertyName);
    if (position >= 0) FillUnitNames(list, Properties_[position].UnitList());
}

int TPropertyList::GetIndexFromUnitName(const std::string& unitName) const {
    const std::vector<TUnitPlace>* places = PlacesOf(unitName);
    return places ? places->front().Property : -1;
}

bool TPropertyList::CommonPlaces(const std::string& unitName, const std::string& convertTo,
                                 TUnitPlace& from, TUnitPlace& to) const {
    const std::vector<TUnitPlace>* fromPlaces = PlacesOf(unitName);
    const std::vector<TUnitPlace>* toPlaces = PlacesOf(convertTo);
    if (!fromPlaces || !toPlaces) return false;
    // A name shared by several quantities ("kW", "-", "kJ/kgK") must be read in the quantity
    // of the other unit, not merely the first quantity that has it: both lists are sorted by
    // quantity position, so walk them together to the first common quantity.
    auto f = fromPlaces->begin();
    auto t = toPlaces->begin();
    while (f != fromPlaces->end() && t != toPlaces->end()) {
        if (f->Property < t->Property) {
            ++f;
        } else if (t->Property < f->Property) {
            ++t;
        } else {
            from = *f;
            to = *t;
            return true;
        }
    }
    return false;
}

int TPropertyList::GetIndexFromUnitNames(const std::string& unitName,
                                         const std::string& convertTo) const {
    TUnitPlace from{}, to{};
    return CommonPlaces(unitName, convertTo, from, to) ? from.Property : -1;
}

bool TPropertyList::TryConvert(const std::string& unitName, const std::string& convertTo,
                               double value, double& result) const {
    result = 0.0;
    TUnitPlace from{}, to{};
    return CommonPlaces(unitName, convertTo, from, to) &&
           TryConvertBetweenUnits(UnitAt(from), UnitAt(to), value, result);
}

bool TPropertyList::TryConvertToStandard(const std::string& unitName, double value,
                                         double& result) const {
    result = 0.0;
    const TUnitObject* unit = FirstUnitNamed(unitName);
    return unit && unit->TryConvertToBaseUnit(value, result);
}

bool TPropertyList::TryConvertFromStandard(const std::string& unitName, double value,
                                           double& result) const {
    result = 0.0;
    const TUnitObject* unit = FirstUnitNamed(unitName);
    return unit && unit->TryConvertFromBaseUnit(value, result);
}

double TPropertyList::Convert(const std::string& unitName, const std::string& convertTo,
                              double value) const {
    double result = 0.0;
    TryConvert(unitName, convertTo, value, result);  // leaves 0 on a fault
    return result;
}

double TPropertyList::ConvertToStandard(const std::string& unitName, double value) const {
    double result = 0.0;
    TryConvertToStandard(unitName, value, result);  // leaves 0 on a fault
    return result;
}

double TPropertyList::ConvertFromStandard(const std::string& unitName, double value) const {
    double result = 0.0;
    TryConvertFromStandard(unitName, value, result);  // leaves 0 on a fault
    return result;
}

int TPropertyList::PropertyIndexForUnit(const std::string& unitName) const {
    return GetIndexFromUnitName(unitName);
}

int32_t TPropertyList::BasePropertyForUnit(const std::string& unitName) const {
    const TUnitObject* unit = FirstUnitNamed(unitName);
    return unit ? unit->BaseProperty() : -1;
}

bool TPropertyList::IsValidUnitForBaseProperty(const std::string& unitStr,
                                               int32_t propertyIndex) const {
    const int position = GetIndexFromPropertyIndex(propertyIndex);
    return position >= 0 && Properties_[position].UnitList().GetUnitIndex(unitStr) >= 0;
}

bool TPropertyList::UnitExists(const std::string& unitName) const {
    return PlacesOf(unitName) != nullptr;
}

const TPropertyObject& TPropertyList::Property(int position) const {
    if (position < 0 || position >= Count()) return EmptyProperty();
    return Properties_[position];
}

int TPropertyList::UnitCount() const {
    int count = 0;
    for (const TPropertyObject& property : Properties_) count += property.UnitList().Count();
    return count;
}
