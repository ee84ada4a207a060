// Expert system files: read, their aggregations applied to a small table and
// its relevés classified by their unit definitions; the same bytes read as a
// species journal and written out as an expert system file.

#include <filesystem>

#include "classification/expert_system.h"
#include "core/errors.h"
#include "core/recent_files.h"
#include "core/text.h"
#include "core/workspace.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    static core::Workspace ws(std::filesystem::temp_directory_path() / "zembu-fuzz-work");
    const std::string_view text = fuzzing::asText(data, size);

    std::vector<std::string> journal;
    for (std::string_view line : core::splitLines(text)) journal.emplace_back(line);
    (void)classification::expertSystemLines(journal, {});

    try {
        const classification::ExpertSystem system = classification::parseExpertSystem(text);
        ws.table = fuzzing::smallTable();
        ws.journal.clear();
        core::pushRecentFile(ws.settings, "fuzz.vod");
        fuzzing::SilentInteraction ui;
        (void)classification::applyExpertAggregations(ws, ui, system);
        if (!core::checkInvariants(ws.table).empty()) __builtin_trap();
        const classification::ClassificationOutcome outcome = classification::classifyReleves(ws.table, system);
        if (outcome.classification) {
            (void)classification::classificationLines(ws.table, *outcome.classification);
            (void)classification::frequencyTableLines(ws.table, *outcome.classification);
        }
    } catch (const core::ZembuError&) {
    }
    return 0;
}
