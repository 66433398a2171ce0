#include "KXExplorerTable.h"

#include <algorithm>
#include <cmath>

std::string ExportField(const std::string& text, char separator) {
    const bool csv = separator == ',' || separator == ';';
    if (!csv || text.find_first_of(std::string(1, separator) + "\"\n\r") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

namespace {

void AppendLine(std::string& out, const std::vector<std::string>& fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += separator;
        out += ExportField(fields[i], separator);
    }
    out += "\n";
}

TKXCell CellOf(const TKXAnswer& a) {
    return a.Ok() ? TKXCell::Number(a.Value) : TKXCell{};
}

TKXTableRow SaturationRow(const TKXFluidFunctions& fluid, bool byT, double value) {
    TKXTableRow row;
    const TKXAnswer other = fluid.Call(byT ? "PsatT" : "TsatP", value);
    const double t = byT ? value : other.Value;
    const double p = byT ? other.Value : value;
    if (!other.Ok()) {
        row.Cells = {byT ? TKXCell::Number(t) : TKXCell{}, byT ? TKXCell{} : TKXCell::Number(p)};
        row.Error = other.Text;
        return row;
    }
    const char* d = byT ? "DTX" : "DPX";
    const char* h = byT ? "HTX" : "HPX";
    const char* s = byT ? "STX" : "SPX";
    const TKXAnswer answers[] = {fluid.Call(d, value, 0.0), fluid.Call(d, value, 1.0),
                                 fluid.Call(h, value, 0.0), fluid.Call(h, value, 1.0),
                                 fluid.Call(s, value, 0.0), fluid.Call(s, value, 1.0)};
    row.Cells = {TKXCell::Number(t), TKXCell::Number(p), CellOf(answers[0]),
                 CellOf(answers[1]), CellOf(answers[2]), CellOf(answers[3]),
                 TKXCell{},          CellOf(answers[4]), CellOf(answers[5])};
    if (answers[2].Ok() && answers[3].Ok())
        row.Cells[6] = TKXCell::Number(answers[3].Value - answers[2].Value);
    for (const TKXAnswer& a : answers)
        if (!a.Ok() && row.Error.empty()) row.Error = a.Text;
    return row;
}

// A blend's row: its bubble (liquid) and dew (vapour) states at the row's temperature, each at
// its own pressure, or at the row's pressure, each at its own temperature, and the glide at the
// row's pressure (by temperature: at the bubble pressure).
TKXTableRow BlendSaturationRow(const TKXFluidFunctions& fluid, bool byT, double value) {
    TKXTableRow row;
    const TKXAnswer liquid = fluid.Call(byT ? "PbubT" : "TbubP", value);
    const TKXAnswer vapour = fluid.Call(byT ? "PdewT" : "TdewP", value);
    const char* d = byT ? "DTX" : "DPX";
    const char* h = byT ? "HTX" : "HPX";
    const char* s = byT ? "STX" : "SPX";
    const TKXAnswer answers[] = {
        liquid,
        vapour,
        fluid.Call(d, value, 0.0),
        fluid.Call(d, value, 1.0),
        fluid.Call(h, value, 0.0),
        fluid.Call(h, value, 1.0),
        fluid.Call(s, value, 0.0),
        fluid.Call(s, value, 1.0),
        liquid.Ok() ? fluid.Call("TglideP", byT ? liquid.Value : value) : liquid};
    row.Cells = {TKXCell::Number(value)};
    for (std::size_t i = 0; i < 6; ++i) row.Cells.push_back(CellOf(answers[i]));
    row.Cells.push_back(TKXCell{});
    for (std::size_t i = 6; i < 9; ++i) row.Cells.push_back(CellOf(answers[i]));
    if (answers[4].Ok() && answers[5].Ok())
        row.Cells[7] = TKXCell::Number(answers[5].Value - answers[4].Value);
    for (const TKXAnswer& a : answers)
        if (!a.Ok() && row.Error.empty()) row.Error = a.Text;
    return row;
}

}  // namespace

bool HasBubbleAndDewLines(const TKXFluidFunctions& fluid) {
    return fluid.Offers("PbubT") && fluid.Offers("TbubP") && fluid.Offers("TglideP");
}

std::vector<std::string> SaturationKeys(const TKXFluidFunctions& fluid, bool byT) {
    if (!HasBubbleAndDewLines(fluid)) return SaturationKeys();
    std::vector<std::string> keys = {byT ? "T" : "p", byT ? "p_liq" : "T_liq",
                                     byT ? "p_vap" : "T_vap"};
    for (const char* k : {"rho_liq", "rho_vap", "h_liq", "h_vap", "hvap", "s_liq", "s_vap"})
        keys.push_back(k);
    keys.push_back("glide");
    return keys;
}

std::vector<double> RangeByStep(double from, double to, double step, std::string& error,
                                std::size_t maxCount) {
    error.clear();
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(step)) {
        error = "the range needs finite numbers";
        return {};
    }
    // Signs compared, not multiplied: the product of a tiny difference and a tiny step
    // underflows to zero and would let a step lead away from the last value.
    if (step == 0.0 || (to > from && step < 0.0) || (to < from && step > 0.0)) {
        error = "the step must be non-zero and lead from the first value to the last";
        return {};
    }
    // A step that lands on `to` within rounding includes it. The quotient overflows to infinity
    // for a step far below the range.
    const double steps = std::floor((to - from) / step * (1.0 + 1e-12) + 1e-9);
    if (!(steps >= 0.0) || !(steps + 1.0 <= static_cast<double>(maxCount))) {
        error = "more than " + std::to_string(maxCount) + " rows";
        return {};
    }
    std::vector<double> values;
    const auto n = static_cast<std::size_t>(steps) + 1;
    values.reserve(n);
    for (std::size_t i = 0; i < n; ++i) values.push_back(from + static_cast<double>(i) * step);
    if (std::fabs(values.back() - to) <= 1e-9 * std::max(1.0, std::fabs(to))) values.back() = to;
    return values;
}

std::vector<double> RangeByCount(double from, double to, int count, std::string& error) {
    error.clear();
    if (count < 1 || count > 100000 || !std::isfinite(to - from)) {
        error = "the count must be 1 to 100000 and the range finite";
        return {};
    }
    if (count == 1) return {from};
    std::vector<double> values;
    for (int i = 0; i < count; ++i)
        values.push_back(i == count - 1 ? to : from + (to - from) * i / (count - 1));
    return values;
}

std::vector<std::string> SaturationKeys() {
    return {"T", "p", "rho_liq", "rho_vap", "h_liq", "h_vap", "hvap", "s_liq", "s_vap"};
}

std::vector<std::string> SinglePhaseKeys(const TKXFluidFunctions& fluid) {
    std::vector<std::string> keys;
    for (const TKXPropertyInfo& p : OfferedProperties(fluid))
        // Neither the surface tension nor a mixture's compositions (the feed is the same in every
        // row; the phases' exist only inside the dome).
        if (std::string(p.Key) != "sigma" && !IsCompositionKey(p.Key)) keys.push_back(p.Key);
    return keys;
}

TKXTable ComputeTable(const TKXFluidFunctions& fluid, TKXTableKind kind, double fixed,
                      const std::vector<double>& values) {
    TKXTable table;
    const bool saturation =
        kind == TKXTableKind::SaturationByT || kind == TKXTableKind::SaturationByP;
    const bool byT = kind == TKXTableKind::SaturationByT;
    const bool blend = saturation && HasBubbleAndDewLines(fluid);
    table.Keys = saturation ? SaturationKeys(fluid, byT) : SinglePhaseKeys(fluid);
    table.Rows.reserve(values.size());
    for (double value : values) {
        if (saturation) {
            table.Rows.push_back(blend ? BlendSaturationRow(fluid, byT, value)
                                       : SaturationRow(fluid, byT, value));
            continue;
        }
        const double p = kind == TKXTableKind::Isobar ? fixed : value;
        const double t = kind == TKXTableKind::Isobar ? value : fixed;
        const TKXState state = ComputeState(fluid, TKXInputPair::PT, p, t);
        TKXTableRow row;
        if (!state.Ok) {
            row.Cells = {TKXCell::Number(t), TKXCell::Number(p)};
            row.Error = state.ErrorText;
        } else {
            for (const std::string& key : table.Keys) {
                const TKXStateRow* r = state.Row(key);
                row.Cells.push_back(r ? r->Mixture : TKXCell{});
            }
        }
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::string CellText(const TKXCell& cell, const std::string& key, const TKXUnitChoice& units,
                     const TKXNumberFormat& format) {
    if (!cell.HasValue) return cell.Text;
    double shown = 0.0;
    return units.FromStandard(key, cell.Value, shown) ? format(shown) : std::string();
}

std::string ColumnTitle(const std::string& key, const TKXUnitChoice& units) {
    const std::string unit = units.UnitFor(key);
    return unit.empty() ? key : key + " [" + unit + "]";
}

TKXNumberFormat WithDecimalComma(TKXNumberFormat format) {
    return [format = std::move(format)](double v) {
        std::string text = format(v);
        for (char& c : text)
            if (c == '.') c = ',';
        return text;
    };
}

std::string ExportTable(const TKXTable& table, const TKXUnitChoice& units,
                        const TKXNumberFormat& format, char separator) {
    std::string out;
    std::vector<std::string> fields;
    for (const std::string& key : table.Keys) fields.push_back(ColumnTitle(key, units));
    AppendLine(out, fields, separator);
    for (const TKXTableRow& row : table.Rows) {
        fields.clear();
        for (std::size_t i = 0; i < row.Cells.size() && i < table.Keys.size(); ++i)
            fields.push_back(CellText(row.Cells[i], table.Keys[i], units, format));
        if (!row.Error.empty()) fields.push_back("error: " + row.Error);
        AppendLine(out, fields, separator);
    }
    return out;
}

std::string ExportState(const TKXState& state, const TKXUnitChoice& units,
                        const TKXNumberFormat& format, char separator) {
    std::string out;
    if (!state.Ok) {
        AppendLine(out, {"error", state.ErrorText}, separator);
        return out;
    }
    std::vector<std::string> fields{"state"};
    for (const TKXStateRow& r : state.Rows) fields.push_back(ColumnTitle(r.Property.Key, units));
    AppendLine(out, fields, separator);
    const auto line = [&](const char* name, TKXCell TKXStateRow::*column) {
        std::vector<std::string> values{name};
        for (const TKXStateRow& r : state.Rows)
            values.push_back(CellText(r.*column, r.Property.Key, units, format));
        AppendLine(out, values, separator);
    };
    line(state.TwoPhase ? "mixture" : "state", &TKXStateRow::Mixture);
    if (state.TwoPhase) {
        line("saturated liquid", &TKXStateRow::Liquid);
        line("saturated vapour", &TKXStateRow::Vapour);
    }
    return out;
}
