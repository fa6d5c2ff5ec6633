// units FAMILY --unit U VALUE: one value on every unit of a unit page.

#include "cli_options.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "units/unit_conversion.h"
#include "units/unit_pages.h"

#include <cmath>
#include <map>

namespace tmcalc::cli {
namespace {

const std::map<std::string, int>& UnitFamilyTitles()
{
    static const std::map<std::string, int> titles{{"heat-transfer-coefficient", kStrTitleHeatTransferCoefficient},
                                                   {"thermal-conductivity", kStrTitleThermalConductivity},
                                                   {"heat-flux", kStrTitleHeatFlux},
                                                   {"power", kStrTitlePower},
                                                   {"pressure", kStrTitlePressure},
                                                   {"length", kStrTitleLength},
                                                   {"area", kStrTitleArea},
                                                   {"velocity", kStrTitleVelocity},
                                                   {"force", kStrTitleForce},
                                                   {"dynamic-viscosity", kStrTitleDynamicViscosity},
                                                   {"kinematic-viscosity", kStrTitleKinematicViscosity},
                                                   {"diffusion", kStrTitleDiffusion},
                                                   {"surface-tension", kStrTitleSurfaceTension},
                                                   {"energy", kStrTitleEnergy},
                                                   {"temperature-difference", kStrTitleTemperatureDifference}};
    return titles;
}

const UnitPage* UnitPageOfFamily(const std::string& family)
{
    const int title = UnitFamilyTitles().at(family);
    for (const UnitPage& page : UnitPages()) {
        if (page.titleId == title) return &page;
    }
    return nullptr;
}

// The unit's text as the page's English labels write it.
std::string UnitName(const UnitPage& page, int cell)
{
    return std::string(LoadString(page.firstUnitId + cell, Language::English));
}

struct UnitsArgs {
    std::string family;
    std::string unit;
    std::string value;
};

}  // namespace

void AddUnits(Program& program, CLI::App& parent, Mode mode)
{
    auto args = std::make_shared<UnitsArgs>();
    CLI::App* cmd = parent.add_subcommand("units", "a value on every unit of a family (the unit pages)");
    std::vector<std::string> families;
    for (const auto& entry : UnitFamilyTitles()) families.push_back(entry.first);
    cmd->add_option("family", args->family, "heat-transfer-coefficient, pressure, length, energy, ...")
        ->required()
        ->transform(NameChecker(families, "unit family"));
    cmd->add_option("--unit", args->unit, "the value's unit as the page writes it (\"kPa\"), or its column from 1")
        ->required();
    if (mode == Mode::Convert) cmd->add_option("value", args->value, "the value ('-': one per stdin line)");
    AddLeaf(program, *cmd, mode, [args](bool& fromStdin, std::optional<double>& input) {
        const UnitPage* page = UnitPageOfFamily(args->family);
        if (page == nullptr) return std::optional<Converter>();
        std::vector<int> live;
        for (int i = 0; i < static_cast<int>(page->fields.size()); ++i) {
            if (!page->fields[static_cast<std::size_t>(i)].dead) live.push_back(i);
        }
        int driving = -1;
        for (std::size_t k = 0; k < live.size(); ++k) {
            if (UnitName(*page, live[k]) == args->unit || std::to_string(k + 1) == args->unit) driving = live[k];
        }
        if (driving < 0) {
            std::string choices;
            for (const int cell : live) choices += " \"" + UnitName(*page, cell) + '"';
            Complain("no unit '" + args->unit + "' in " + args->family + "; one of:" + choices);
            return std::optional<Converter>();
        }
        if (!PositionalInput(args->value, fromStdin, input)) return std::optional<Converter>();
        std::vector<std::string> columns{"in_" + UnitName(*page, driving)};
        for (const int cell : live) columns.push_back(UnitName(*page, cell));
        const int fieldId = page->fields[static_cast<std::size_t>(driving)].id;
        return std::optional<Converter>(Converter{
            columns,
            [page, live, fieldId](double x, std::vector<double>& v) {
                const UnitCellValues values = ConvertUnitField(*page, fieldId, x);
                v.assign(1, x);
                for (const int cell : live) v.push_back(values[static_cast<std::size_t>(cell)]);
                return !std::isnan(x);
            },
            {},
            // Each unit page has its own number format.
            [page, live, fieldId](double x, std::vector<std::string>& shown) {
                const UnitCellValues values = ConvertUnitField(*page, fieldId, x);
                shown.assign(1, FormatValueG7(x));
                for (const int cell : live) {
                    shown.push_back(
                        FormatUnitValue(*page, values[static_cast<std::size_t>(cell)]).value_or(std::string()));
                }
            }});
    });
}

}  // namespace tmcalc::cli
