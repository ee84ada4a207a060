// The comma-separated header import applied to a small table.

#include "core/errors.h"
#include "import/header_import.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    try {
        (void)import::buildCommaHeaderStore(fuzzing::smallTable(), fuzzing::asText(data, size));
    } catch (const core::ZembuError&) {
    }
    return 0;
}
