// Indicator value tables, assigned to a small table by number and by name.

#include "analysis/indicator_table.h"
#include "core/errors.h"
#include "core/table.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    try {
        const auto records = analysis::parseIndicatorTable(fuzzing::asText(data, size));
        core::Table byNumber = fuzzing::smallTable();
        analysis::assignIndicatorValuesByNumber(byNumber, records);
        core::Table byName = fuzzing::smallTable();
        analysis::assignIndicatorValuesByName(byName, records);
        for (const auto& r : records)
            for (const auto& v : r.values) (void)analysis::indicatorNumber(v);
    } catch (const core::ZembuError&) {
    }
    return 0;
}
