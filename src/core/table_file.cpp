#include "core/table_file.h"

#include "core/interaction.h"
#include "core/workspace.h"

namespace zembu::core {

bool ulozittabulku2(Workspace& ws, Interaction& ui) {
    ui.message("Saving tables is not available in this version.", "ZEMBU", MessageIcon::Information);
    return false;
}

}  // namespace zembu::core
