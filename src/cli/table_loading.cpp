#include "cli/table_loading.h"

#include "cli/cli_interaction.h"
#include "core/table_file.h"

namespace zembu::cli {

std::unique_ptr<core::Workspace> loadWorkspace(const std::string& file, std::ostream& err) {
    auto ws = std::make_unique<core::Workspace>();
    CommandLineInteraction ui(err);
    if (!core::loadTableFile(*ws, ui, file, core::CapacityPolicy::FitFile)) return nullptr;
    return ws;
}

}  // namespace zembu::cli
