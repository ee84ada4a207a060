// The TURBOVEG header import: a structure (STR) and a value (EXP) file, given
// as one input split at its first NUL byte, applied to a small table.

#include <cstring>

#include "core/errors.h"
#include "import/header_import.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    const std::string_view text = fuzzing::asText(data, size);
    const size_t split = text.find('\0');
    const std::string_view str = text.substr(0, split);
    const std::string_view exp = split == std::string_view::npos ? std::string_view() : text.substr(split + 1);
    fuzzing::SilentInteraction ui;
    try {
        (void)import::buildHeaderStore(fuzzing::smallTable(), str, exp, ui);
    } catch (const core::ZembuError&) {
    }
    return 0;
}
