#pragma once
// The layout of the main window's menus as data: each entry names its menu
// path ("&File|Import"), caption, the handler id commands are installed under
// (see core/menu_ids.h), its kind and an optional shortcut.

#include <vector>

namespace zembu::app {

enum class MenuEntryKind { Item, Check, Submenu, Separator, Recent };

struct MenuEntry {
    const char* path;      // top menu, then submenus, joined by '|'
    const char* caption;   // with '&' accelerators
    const char* id;        // handler id ("delsep_Click#2"); empty for submenus and separators
    MenuEntryKind kind;
    const char* shortcut;  // "Ctrl+O" or empty
};

const std::vector<MenuEntry>& menuLayout();

}  // namespace zembu::app
