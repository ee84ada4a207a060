#pragma once
// The program's own table file (".VOD") and its header companions.

namespace zembu::core {

class Interaction;
class Workspace;

// ulozittabulku2 ("&Save"): asks for a file name and saves the table there.
// Returns true when the table was saved, false when cancelled or failed.
bool ulozittabulku2(Workspace& ws, Interaction& ui);

}  // namespace zembu::core
