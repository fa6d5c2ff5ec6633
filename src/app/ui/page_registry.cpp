#include "app/ui/page_registry.h"

#include "app/ui/pages.h"
#include "framework/ui/container_page.h"
#include "humidity/ui/humidity_page.h"
#include "humidity/ui/transmitter_page.h"
#include "resources/string_table.h"
#include "rtd/ui/rtd_pages.h"
#include "rtd/ui/sprt_pages.h"
#include "thermocouple/ui/std_pages.h"
#include "thermistor/ui/thermistor_pages.h"
#include "thermocouple/ui/work_pages.h"
#include "units/ui/historic_scales_page.h"
#include "units/ui/temperature_page.h"
#include "units/ui/unit_page.h"

namespace tmcalc {
namespace {

// A page still to be built: its title band over an empty body, so every item and tile leads somewhere.
QWidget* Placeholder(const PageSite& site) { return new TitledPage(site.parent, site.geometry, site.titleId); }

// A unit page: the descriptor shown at that page index says everything else.
template <int PageIndex>
QWidget* UnitPageOf(const PageSite& site)
{
    return CreateUnitPage(site.parent, site.geometry, PageIndex);
}

}  // namespace

const std::array<PageEntry, kPageCount>& PageRegistry()
{
    // Navigation order: Temperature, the two work containers, the standard pages, thermistor, humidity,
    // the three heat pages, transmitter, More, then the pages of the More tiles: eleven unit pages, the
    // temperature difference page and the historic scales page.
    static const std::array<PageEntry, kPageCount> registry{{
        {kStrTitleTemperature, [](const PageSite& s) -> QWidget* { return new TemperaturePage(s.parent, s.geometry); }},
        {kStrTitleWorkThermocouple,
         [](const PageSite& s) -> QWidget* { return CreateWorkThermocouplePage(s.parent, s.geometry); }},
        {kStrTitleWorkRtd, [](const PageSite& s) -> QWidget* { return CreateWorkRtdPage(s.parent, s.geometry); }},
        {kStrTitleStdThermocouple,
         [](const PageSite& s) -> QWidget* {
             return s.standards != nullptr ? CreateStdThermocouplePage(s.parent, s.geometry, *s.standards) : Placeholder(s);
         }},
        {kStrTitleSprt,
         [](const PageSite& s) -> QWidget* {
             return s.standards != nullptr ? CreateSprtPage(s.parent, s.geometry, *s.standards) : Placeholder(s);
         }},
        {kStrTitleThermistor,
         [](const PageSite& s) -> QWidget* {
             return s.standards != nullptr ? CreateThermistorPage(s.parent, s.geometry, *s.standards) : Placeholder(s);
         }},
        {kStrTitleHumidity, [](const PageSite& s) -> QWidget* { return new HumidityPage(s.parent, s.geometry); }},
        {kStrTitleHeatTransferCoefficient, &UnitPageOf<7>},
        {kStrTitleThermalConductivity, &UnitPageOf<8>},
        {kStrTitleHeatFlux, &UnitPageOf<9>},
        {kStrTitleTransmitter,
         [](const PageSite& s) -> QWidget* { return new TransmitterPage(s.parent, s.geometry); }},
        {0, [](const PageSite& s) -> QWidget* { return new MorePage(s.parent, s.geometry); }},
        {kStrTitlePower, &UnitPageOf<12>},
        {kStrTitlePressure, &UnitPageOf<13>},
        {kStrTitleLength, &UnitPageOf<14>},
        {kStrTitleArea, &UnitPageOf<15>},
        {kStrTitleVelocity, &UnitPageOf<16>},
        {kStrTitleForce, &UnitPageOf<17>},
        {kStrTitleDynamicViscosity, &UnitPageOf<18>},
        {kStrTitleKinematicViscosity, &UnitPageOf<19>},
        {kStrTitleDiffusion, &UnitPageOf<20>},
        {kStrTitleSurfaceTension, &UnitPageOf<21>},
        {kStrTitleEnergy, &UnitPageOf<22>},
        {kStrTitleTemperatureDifference, &UnitPageOf<23>},
        {kStrTitleHistoricScales,
         [](const PageSite& s) -> QWidget* { return new HistoricScalesPage(s.parent, s.geometry); }},
    }};
    return registry;
}

int PageTitleId(int page)
{
    return page >= 0 && page < kPageCount ? PageRegistry()[static_cast<std::size_t>(page)].titleId : 0;
}

}  // namespace tmcalc
