#include "KXExplorerSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cmath>

namespace {

std::optional<int> ReadInt(const QSettings& s, const char* key, int low, int high) {
    bool ok = false;
    const int v = s.value(key).toString().toInt(&ok);
    if (!ok || v < low || v > high) return std::nullopt;
    return v;
}

std::optional<double> ReadDouble(const QSettings& s, const char* key) {
    bool ok = false;
    const double v = s.value(key).toString().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Key and unit pairs as an INI array, since INI keys may not keep their case.
std::map<std::string, std::string> ReadUnits(QSettings& s, const char* group) {
    std::map<std::string, std::string> units;
    const int n = s.beginReadArray(group);
    for (int i = 0; i < n && i < 1000; ++i) {
        s.setArrayIndex(i);
        const QString key = s.value("key").toString(), unit = s.value("unit").toString();
        if (!key.isEmpty() && !unit.isEmpty()) units[key.toStdString()] = unit.toStdString();
    }
    s.endArray();
    return units;
}

void WriteUnits(QSettings& s, const char* group, const std::map<std::string, std::string>& units) {
    s.beginWriteArray(group, static_cast<int>(units.size()));
    int i = 0;
    for (const auto& [key, unit] : units) {
        s.setArrayIndex(i++);
        s.setValue("key", QString::fromStdString(key));
        s.setValue("unit", QString::fromStdString(unit));
    }
    s.endArray();
}

QString Number(double v) {
    return QString::number(v, 'g', 17);
}

}  // namespace

TKXExplorerSettings ReadExplorerSettings(const QString& path) {
    TKXExplorerSettings result;
    if (path.isEmpty() || !QFileInfo(path).isFile()) return result;
    QSettings s(path, QSettings::IniFormat);
    if (s.status() != QSettings::NoError) return result;  // a file that is no INI: all defaults

    result.UnitSystem = ReadInt(s, "unit_system", 0, 1);
    result.Library = s.value("library").toString();
    result.Tab = s.value("tab").toString();
    result.Digits = ReadInt(s, "digits", 1, 17);

    result.Pair = s.value("state/pair").toString();
    const auto v1 = ReadDouble(s, "state/value1"), v2 = ReadDouble(s, "state/value2");
    if (v1 && v2) result.Values = std::array<double, 2>{*v1, *v2};
    result.Units = ReadUnits(s, "units");
    result.InputUnits = ReadUnits(s, "input_units");

    // The range is taken whole or not at all: a kind with another kind's numbers is no table.
    const auto kind = ReadInt(s, "table/kind", 0, 99), mode = ReadInt(s, "table/step_mode", 0, 1);
    const auto fixed = ReadDouble(s, "table/fixed"), from = ReadDouble(s, "table/from"),
               to = ReadDouble(s, "table/to"), step = ReadDouble(s, "table/step");
    if (kind && mode && from && to && step)
        result.Table = TKXExplorerSettings::TTableRange{*kind, *mode, fixed, *from, *to, *step};

    result.DiagramKind = ReadInt(s, "diagram/kind", 0, 99);
    const auto x0 = ReadDouble(s, "diagram/x0"), x1 = ReadDouble(s, "diagram/x1"),
               y0 = ReadDouble(s, "diagram/y0"), y1 = ReadDouble(s, "diagram/y1");
    if (x0 && x1 && y0 && y1 && *x1 > *x0 && *y1 > *y0)
        result.DiagramView = TKXExplorerSettings::TView{*x0, *x1, *y0, *y1};
    return result;
}

bool WriteExplorerSettings(const QString& path, const TKXExplorerSettings& settings) {
    if (path.isEmpty()) return false;
    QSettings s(path, QSettings::IniFormat);
    s.clear();  // what is not written now (a zoom reset, a unit back to its default) is gone
    if (settings.UnitSystem) s.setValue("unit_system", *settings.UnitSystem);
    s.setValue("library", settings.Library);
    s.setValue("tab", settings.Tab);
    if (settings.Digits) s.setValue("digits", *settings.Digits);
    s.setValue("state/pair", settings.Pair);
    if (const auto& v = settings.Values) {
        s.setValue("state/value1", Number((*v)[0]));
        s.setValue("state/value2", Number((*v)[1]));
    }
    WriteUnits(s, "units", settings.Units);
    WriteUnits(s, "input_units", settings.InputUnits);
    if (const auto& t = settings.Table) {
        s.setValue("table/kind", t->Kind);
        s.setValue("table/step_mode", t->StepMode);
        if (t->Fixed) s.setValue("table/fixed", Number(*t->Fixed));
        s.setValue("table/from", Number(t->From));
        s.setValue("table/to", Number(t->To));
        s.setValue("table/step", Number(t->Step));
    }
    if (settings.DiagramKind) s.setValue("diagram/kind", *settings.DiagramKind);
    if (const auto& v = settings.DiagramView) {
        s.setValue("diagram/x0", Number(v->X0));
        s.setValue("diagram/x1", Number(v->X1));
        s.setValue("diagram/y0", Number(v->Y0));
        s.setValue("diagram/y1", Number(v->Y1));
    }
    s.sync();
    return s.status() == QSettings::NoError;
}

QString ExplorerSettingsPathBeside(const std::string& settingsPath) {
    return QFileInfo(QString::fromStdString(settingsPath)).dir().filePath("explorer.ini");
}
