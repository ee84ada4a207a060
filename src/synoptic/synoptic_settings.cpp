#include "synoptic/synoptic_settings.h"

#include "core/settings.h"
#include "core/workspace.h"

namespace zembu::synoptic {

namespace setting = core::setting;

SynopticSettings readSynopticSettings(core::Settings& settings, bool hierarchy, int level) {
    SynopticSettings s;
    s.fidelity = readFidelitySettings(settings);
    s.grouping = {hierarchy, level, s.fidelity.higherLevelReference};
    const int64_t form = settings.integer(setting::FidelityDisplayTypeCombined);
    s.combinedForm = form >= 1 && form <= 6 ? static_cast<int>(form) : 1;
    auto whole = [&](int index) { return static_cast<int>(settings.integer(index)); };
    s.frequencyLimit = whole(setting::FrequencyLimit);
    s.frequency2Limit = whole(setting::Frequency2Limit);
    s.fidelityLimit = whole(setting::FidelityLimit);
    s.fidelity2Limit = whole(setting::Fidelity2Limit);
    s.coverLimit = whole(setting::CoverLimit);
    s.coverLimitHigher = whole(setting::CoverLimitHigher);
    s.labels = CoverLabels(settings.value(setting::Uhul));
    return s;
}

SynopticSettings readSynopticSettings(core::Workspace& ws) {
    return readSynopticSettings(ws.settings, ws.separatorHierarchy, ws.separatorLevel);
}

int32_t highlightColourSetting(const core::Settings& settings, int index) {
    const int64_t v = settings.integer(index);
    return v > 0 && v <= 0xFFFFFF ? static_cast<int32_t>(v) : 0;
}

}  // namespace zembu::synoptic
