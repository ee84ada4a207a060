#include "analysis/heat_load.h"

#include <cmath>

#include "analysis/diversity_indices.h"
#include "core/head_modes.h"
#include "core/header_store.h"
#include "core/interaction.h"
#include "core/progress_meter.h"
#include "core/text.h"
#include "core/workspace.h"

namespace zembu::analysis {

namespace {

// The constant of the published equations in place of pi.
constexpr double HeatLoadPi = 3.1415927;

double radians(double degrees) { return HeatLoadPi * degrees / 180; }

}  // namespace

SiteFields readSiteFields(const core::HeaderStore& store, std::string_view record) {
    SiteFields site;
    for (int n = 1; n <= store.fieldCount(); ++n) {
        const std::string name = core::upperAscii(store.field(n).name);
        const std::string_view text = core::trim(store.fieldText(record, n));
        if (name.find("LATITUDE") != std::string::npos && !text.empty()) {
            site.latitude = std::string(text);
            ++site.counted;
        }
        const bool usable = !text.empty() && core::leadingNumber(text) > -1;
        if (name.find("ASPECT") != std::string::npos && usable) {
            site.aspect = core::leadingNumber(text);
            ++site.counted;
        }
        if (name.find("SLOPE") != std::string::npos && usable) {
            site.slope = core::leadingNumber(text);
            ++site.counted;
        }
    }
    return site;
}

std::optional<double> latitudeFromText(std::string_view text) {
    const std::string_view t = core::trim(text);
    size_t degreeDigits;
    if (t.size() == 6) degreeDigits = 2;
    else if (t.size() == 7) degreeDigits = 3;
    else return std::nullopt;
    const double degrees = core::leadingNumber(t.substr(0, degreeDigits));
    const double minutes = core::leadingNumber(t.substr(degreeDigits, 2));
    const double seconds = core::leadingNumber(t.substr(degreeDigits + 2, 2));
    return degrees + minutes / 60 + seconds / 3600;
}

double foldedAspect(double aspect, int model, bool heatLoad) {
    const double axis = heatLoad ? 225 : 180;
    return model == Model3 ? std::fabs(aspect - axis) : 180 - std::fabs(aspect - axis);
}

Irradiation irrad(double latitude, double slope, double aspect, int model) {
    const double lat = radians(latitude), slo = radians(slope);
    const auto value = [&](bool heatLoad) {
        const double asp = radians(foldedAspect(aspect, model, heatLoad));
        if (model == Model3)
            return 0.339 + 0.808 * std::cos(lat) * std::cos(slo) - 0.196 * std::sin(lat) * std::sin(slo) +
                   0.482 * std::cos(asp) * std::sin(slo);
        const bool first = model != Model2;
        const double k0 = first ? -1.467 : -1.236, k1 = first ? 1.582 : 1.35, k2 = first ? 1.5 : 1.376,
                     k3 = first ? 0.262 : 0.331, k4 = first ? 0.607 : 0.375;
        return k0 + k1 * std::cos(lat) * std::cos(slo) - k2 * std::cos(asp) * std::sin(slo) * std::sin(lat) -
               k3 * std::sin(lat) * std::sin(slo) + k4 * std::sin(asp) * std::sin(slo);
    };
    return {value(false), value(true)};
}

IrradiationCalculation irradiationCalculator(std::string_view latitude, std::string_view slope,
                                             std::string_view aspect, int model) {
    IrradiationCalculation result;
    const bool logarithm = model != Model3;
    result.radiationLabel = logarithm ? "ln(RAD)" : "RAD";
    result.heatLoadLabel = logarithm ? "ln(HEAT)" : "HEAT";
    const std::optional<double> degrees = latitudeFromText(latitude);
    if (!degrees) {
        result.problem = LatitudeFormatMessage;
        return result;
    }
    const Irradiation value = irrad(*degrees, core::leadingNumber(slope), core::leadingNumber(aspect), model);
    result.radiation = core::formatNumber(value.radiation, "0.0000");
    result.heatLoad = core::formatNumber(value.heatLoad, "0.0000");
    return result;
}

void Form49_Command1_Click(core::Workspace& ws, core::Interaction& ui, int model, int output) {
    core::Table& t = ws.table;
    core::HeaderValueFile file(ws.headerValueFile(), ws.header);
    core::ProgressMeter meter(ui, t.ReleveCount);
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        meter.merak();
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec > t.ReleveRecordCount) continue;
        std::string head = MissingSiteHead;
        const std::optional<std::string> record = ws.header.empty() ? std::nullopt : file.record(rec);
        if (record) {
            const SiteFields site = readSiteFields(ws.header, *record);
            if (site.counted == 3) {
                if (const auto latitude = latitudeFromText(site.latitude)) {
                    const Irradiation value = irrad(*latitude, site.slope, site.aspect, model);
                    head = indexHeadText(output == HeatLoad ? value.heatLoad : value.radiation);
                } else {
                    ui.message(LatitudeFormatMessage, "ZEMBU", core::MessageIcon::Critical);
                }
            }
        }
        t.ReleveHead[rec] = core::headText(head);
    }
    showAnalysisHead(ws);
}

}  // namespace zembu::analysis
