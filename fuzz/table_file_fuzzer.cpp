// The table file readers (binary "ve64".."0001" and the text form), chosen by
// the first four bytes as Open chooses them.

#include "core/errors.h"
#include "core/vod_format.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    const auto file = fuzzing::scratchFile(fuzzing::asText(data, size), "vod");
    try {
        const core::TableFileContents contents = core::readTableFile(file, fuzzing::MaxReleves, fuzzing::MaxSpecies);
        if (!core::checkInvariants(contents.table).empty()) __builtin_trap();
        (void)core::tableFileBytes(contents.table, contents.journal);
    } catch (const core::ZembuError&) {
    }
    return 0;
}
