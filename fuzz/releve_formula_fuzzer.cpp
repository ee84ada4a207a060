// Relevé formulas: parsed against a small table, evaluated and described.

#include "classification/releve_formula.h"
#include "core/table.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    const core::Table& table = fuzzing::smallTable();
    const classification::FormulaParse parse = classification::parseFormula(table, fuzzing::asText(data, size));
    if (parse.ok()) {
        (void)classification::evaluateFormula(table, *parse.formula);
        (void)classification::describeFormula(*parse.formula);
    }
    return 0;
}
