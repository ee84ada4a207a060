// Species check lists in each layout (fixed width or comma separated, with
// or without numbers, encoded names), applied to a small table.

#include "core/errors.h"
#include "core/table.h"
#include "import/check_list.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    const std::string_view text = fuzzing::asText(data, size);
    // One copy of the table per input: a conversion changes only the species'
    // names, numbers and notes, so those are put back between the layouts.
    core::Table table = fuzzing::smallTable();
    const auto names = table.SpeciesInfo;
    const auto notes = table.SpeciesLayerLabel;
    for (int layout = 0; layout < 5; ++layout) {
        import::CheckListFormat format;
        format.commaSeparated = layout == 1 || layout == 3;
        format.withNumber = layout >= 2;
        format.encodedNames = layout == 4;
        try {
            const auto entries = import::parseCheckList(text, format);
            table.SpeciesInfo = names;
            table.SpeciesLayerLabel = notes;
            import::convertAbbreviations(table, entries);
            if (!core::checkInvariants(table).empty()) __builtin_trap();
        } catch (const core::ZembuError&) {
        }
    }
    return 0;
}
