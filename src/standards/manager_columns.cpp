#include "standards/manager_columns.h"

#include "resources/string_ids.h"

#include <array>

namespace tmcalc {
namespace {

// clang-format off
// The last two columns of every kind are the certificate's expanded uncertainty and its k.
constexpr std::array<StandardListColumn, 11> kCoupleColumns = {{
    {657, 170}, {658, 150}, {659, 60}, {660, 120}, {661, 120}, {662, 120}, {663, 60}, {664, 150}, {665, 100},
    {kStrCertificateU, 90}, {kStrCertificateK, 50},
}};

constexpr std::array<StandardListColumn, 19> kResistorColumns = {{
    {666, 150}, {667, 100}, {668, 120}, {669, 80}, {670, 80}, {671, 80}, {672, 80}, {673, 80}, {674, 80},
    {675, 80}, {676, 80}, {677, 80}, {678, 80}, {679, 80}, {680, 80}, {681, 80}, {682, 80}, {kStrCertificateU, 90}, {kStrCertificateK, 50},
}};

// The last column has no key and a width of 0: it shows nothing, and the manager also hides it so that
// it cannot be dragged open.
constexpr std::array<StandardListColumn, 13> kThermistorColumns = {{
    {721, 150}, {722, 100}, {723, 120}, {724, 60}, {725, 80}, {726, 80}, {727, 120}, {728, 120}, {729, 120},
    {730, 120}, {kStrCertificateU, 90}, {kStrCertificateK, 50}, {731, 0},
}};
// clang-format on

}  // namespace

std::span<const StandardListColumn> StandardListColumns(StandardKind kind)
{
    switch (kind) {
        case StandardKind::Thermocouple:
            return kCoupleColumns;
        case StandardKind::Resistor:
            return kResistorColumns;
        case StandardKind::Thermistor:
            return kThermistorColumns;
    }
    return {};
}

std::string_view StandardListColumnKey(StandardKind kind, int column)
{
    const auto keys = StandardColumnKeys(kind);
    if (column < 0 || static_cast<std::size_t>(column) >= keys.size()) return {};
    return keys[static_cast<std::size_t>(column)];
}

int ScaledColumnWidth(int width, float scaleX)
{
    return static_cast<int>(static_cast<float>(width) * scaleX);
}

}  // namespace tmcalc
