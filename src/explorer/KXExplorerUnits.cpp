#include "KXExplorerUnits.h"

#include <algorithm>

#include "KXExplorerState.h"
#include "KXHumidAir.h"

namespace {

// rho_liq -> rho, hvap -> h: the saturated columns share the unit of their base row.
std::string BaseKey(const std::string& key) {
    if (key == "hvap") return "h";
    for (const char* suffix : {"_liq", "_vap"}) {
        const std::string s(suffix);
        if (key.size() > s.size() && key.compare(key.size() - s.size(), s.size(), s) == 0)
            return key.substr(0, key.size() - s.size());
    }
    return key;
}

// A blend's glide is a temperature difference, which the catalogue has no quantity for (a
// temperature unit would add its offset): always shown in K, as the library gives it.
constexpr const char* GlideKey = "glide";

}  // namespace

int32_t QuantityOfKey(const std::string& key) {
    const TKXPropertyInfo* p = FindProperty(BaseKey(key));
    if (!p) p = FindHumidAirProperty(key);  // RH, W, Td, Twb, mu, psi, z
    return p ? p->Quantity : -1;
}

TKXUnitChoice::TKXUnitChoice(const TPropertyList& catalogue, int unitSystem)
    : Properties(catalogue), UnitSystem(unitSystem) {}

const TUnitList* TKXUnitChoice::ListOf(int32_t quantity) const {
    const int position = Properties.GetIndexFromPropertyIndex(quantity);
    return position < 0 ? nullptr : &Properties.Property(position).UnitList();
}

std::vector<std::string> TKXUnitChoice::UnitsOf(int32_t quantity) const {
    std::vector<std::string> units;
    if (quantity >= 0) Properties.CreateUnitListFromPropertyIndex(units, quantity);
    return units;
}

std::string TKXUnitChoice::DefaultUnit(int32_t quantity) const {
    const std::vector<std::string> units = UnitsOf(quantity);
    if (units.empty()) return "";
    const std::string preferred = Properties.GetPropertyStandardUnit(quantity, UnitSystem);
    return std::find(units.begin(), units.end(), preferred) != units.end() ? preferred
                                                                           : units.front();
}

std::string TKXUnitChoice::UnitFor(const std::string& key) const {
    if (key == GlideKey) return "K";
    const auto it = Chosen.find(BaseKey(key));
    return it != Chosen.end() ? it->second : DefaultUnit(QuantityOfKey(key));
}

bool TKXUnitChoice::Choose(const std::string& key, const std::string& unit) {
    const TUnitList* list = ListOf(QuantityOfKey(key));
    if (!list || list->GetUnitIndex(unit) < 0) return false;
    Chosen[BaseKey(key)] = unit;
    return true;
}

void TKXUnitChoice::SetSystem(int unitSystem) {
    UnitSystem = unitSystem;
    Chosen.clear();
}

bool TKXUnitChoice::FromStandard(const std::string& key, double standard, double& shown) const {
    if (key == GlideKey) {
        shown = standard;
        return true;
    }
    const TUnitList* list = ListOf(QuantityOfKey(key));
    return list && list->TryConvertFromStandard(UnitFor(key), standard, shown);
}

bool TKXUnitChoice::ToStandard(const std::string& key, double shown, double& standard) const {
    const TUnitList* list = ListOf(QuantityOfKey(key));
    return list && list->TryConvertToStandard(UnitFor(key), shown, standard);
}
