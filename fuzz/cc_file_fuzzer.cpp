// The CC! import: the wizard's analysis of the file, then the table built
// from it, with percentage and with ordinal values.

#include "core/errors.h"
#include "core/table.h"
#include "import/cc_analysis.h"
#include "import/cc_import.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    const std::string_view text = fuzzing::asText(data, size);
    const auto file = fuzzing::scratchFile(text, "cc!");
    for (int mode : {import::PercentageValues, import::OrdinalValues}) {
        fuzzing::SilentInteraction ui(mode == import::PercentageValues ? core::Answer::Yes : core::Answer::No);
        import::CcOptions options;
        options.valueMode = mode;
        const auto analysis = import::test_tabulky(file, options, fuzzing::MaxReleves, fuzzing::MaxSpecies, ui);
        if (!analysis) continue;
        try {
            const core::Table table = import::importCcText(text, options, analysis->values, fuzzing::MaxReleves,
                                                           fuzzing::MaxSpecies, ui);
            if (!core::checkInvariants(table).empty()) __builtin_trap();
        } catch (const core::ZembuError&) {
        }
    }
    return 0;
}
