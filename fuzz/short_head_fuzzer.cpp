// Short-head files: read, and every column made the head of a small table.

#include <filesystem>

#include "core/errors.h"
#include "core/short_head.h"
#include "core/workspace.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zembu;
    static core::Workspace ws(std::filesystem::temp_directory_path() / "zembu-fuzz-work");
    const auto file = fuzzing::scratchFile(fuzzing::asText(data, size), "txt");
    try {
        const core::ShortHeadFile heads = core::readShortHeadFile(file);
        for (size_t column = 0; column < heads.columns.size() && column < 8; ++column) {
            ws.table = fuzzing::smallTable();
            core::applyShortHeadFile(ws, heads, column);
        }
    } catch (const core::ZembuError&) {
    }
    return 0;
}
