#include "synoptic/fidelity_settings.h"

#include "core/settings.h"
#include "core/text.h"

namespace zembu::synoptic {

namespace setting = core::setting;

bool isSwitchOn(std::string_view value) {
    const std::string_view v = core::trim(value);
    return v == "1" || v == "-1" || core::equalsIgnoreCase(v, "yes") || core::equalsIgnoreCase(v, "true");
}

bool isSwitchOn(std::string_view value, bool whenEmpty) {
    return core::trim(value).empty() ? whenEmpty : isSwitchOn(value);
}

FidelitySettings readFidelitySettings(core::Settings& settings) {
    FidelitySettings f;

    const std::string_view measure = core::trim(settings.value(setting::FidelityType));
    f.measure = measure.empty() ? PhiCoefficient : static_cast<int>(settings.integer(setting::FidelityType));

    const std::string_view kind = core::trim(settings.value(setting::PhiRecalculated));
    const int64_t k = settings.integer(setting::PhiRecalculated);
    f.kind = kind.empty() || k < 0 || k > 2 ? ModifiedFidelity : static_cast<int>(k);

    f.standardSize = settings.number(setting::StandardReleveGroupSize);
    if (f.standardSize <= 0 || f.standardSize >= 100) {
        f.standardSize = 50;
        settings.setValue(setting::StandardReleveGroupSize, "50");
    }

    f.sizeForTargetGroup = settings.integer(setting::UseSizeParameterForTargetGroup) == 1;
    f.adjustedNMinus1 = settings.integer(setting::AdjustedPhiForNMinus1Groups) == 1;
    f.higherLevelReference = settings.integer(setting::NDefinedAsAllDataSet) == 1;

    const std::string_view fisher = core::trim(settings.value(setting::PhiTestedByFisher));
    f.fisherVeto = !fisher.empty() && !core::equalsIgnoreCase(fisher, "No");
    f.fisherThreshold = settings.number(setting::SignificanceFetSynoptic);
    if (f.fisherThreshold < 1) {
        f.fisherThreshold = 3;
        settings.setValue(setting::SignificanceFetSynoptic, "3");
    }

    f.withCover = isSwitchOn(settings.value(setting::FidelityWithCover));
    const int64_t t = settings.integer(setting::CoverTransformation);
    f.coverTransformation = t >= 0 && t <= 2 ? static_cast<int>(t) : 0;
    return f;
}

void chooseFidelityMeasure(core::Settings& settings, int measure) {
    settings.setValue(setting::FidelityType, std::to_string(measure));
    if (measure == DufreneLegendre) settings.setValue(setting::PhiRecalculated, "2");
}

}  // namespace zembu::synoptic
