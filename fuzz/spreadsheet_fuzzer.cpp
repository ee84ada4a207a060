// The spreadsheet import with each separator, with and without a layer
// column: the file's analysis, the cover codes as percentages or as
// Braun-Blanquet codes, and the table built from them.

#include "core/errors.h"
#include "core/table.h"
#include "import/spreadsheet_import.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    const std::string_view text = fuzzing::asText(data, size);
    fuzzing::SilentInteraction ui;
    for (auto separator : {import::SpreadsheetSeparator::Semicolon, import::SpreadsheetSeparator::Comma,
                           import::SpreadsheetSeparator::Space}) {
        for (bool layerColumn : {false, true}) {
            try {
                const import::SpreadsheetLayout layout =
                    import::analyseSpreadsheet(text, separator, layerColumn, fuzzing::MaxReleves,
                                               fuzzing::MaxSpecies);
                for (int mode : {import::PercentCodes, import::BraunBlanquetCodes}) {
                    const auto codes = import::krok3(layout.codes, mode, ui);
                    if (!import::coverCodesComplete(codes, ui)) continue;
                    const core::Table table = import::krok4(layout, separator, layerColumn, codes,
                                                            fuzzing::MaxReleves, fuzzing::MaxSpecies, ui);
                    if (!core::checkInvariants(table).empty()) __builtin_trap();
                }
            } catch (const core::ZembuError&) {
            }
        }
    }
    return 0;
}
