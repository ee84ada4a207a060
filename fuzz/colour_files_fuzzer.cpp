// Relevé colour files (by running and by TURBOVEG number) and species colour
// files applied to a small table.

#include "core/errors.h"
#include "core/table.h"
#include "view/colour_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    const std::string_view text = fuzzing::asText(data, size);
    for (auto match : {view::ReleveMatch::RunningNumber, view::ReleveMatch::TurbovegNumber}) {
        core::Table table = fuzzing::smallTable();
        try {
            view::applyReleveColours(table, text, match);
        } catch (const core::ZembuError&) {
        }
        if (!core::checkInvariants(table).empty()) __builtin_trap();
    }
    core::Table table = fuzzing::smallTable();
    try {
        view::applySpeciesColours(table, text);
    } catch (const core::ZembuError&) {
    }
    if (!core::checkInvariants(table).empty()) __builtin_trap();
    return 0;
}
