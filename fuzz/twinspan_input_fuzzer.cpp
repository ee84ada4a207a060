// The TWINSPAN program's condensed input file.

#include "classification/twinspan/condensed_data.h"
#include "core/errors.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    try {
        (void)classification::twinspan::parseCondensedData(fuzzing::asText(data, size), "fuzz.cc!");
    } catch (const core::ZembuError&) {
    }
    return 0;
}
