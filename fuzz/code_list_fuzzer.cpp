// The code list file (".cod") and the list the dialog shows from it.

#include "core/errors.h"
#include "import/code_list.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    const auto file = fuzzing::scratchFile(fuzzing::asText(data, size), "cod");
    try {
        const std::string codes = import::readCodeListFile(file);
        (void)import::codeListLines(codes);
    } catch (const core::ZembuError&) {
    }
    return 0;
}
