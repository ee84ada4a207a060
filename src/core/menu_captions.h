#pragma once
// Menu captions that name the current state (the chosen colours, counts, the
// report document). They are kept in the workspace keyed by the handler of
// the menu item ("druhmaza_Click", "vlev_Click#0", ...) and the main window
// shows them before a menu opens.

#include <string>

namespace zembu::core {

class Workspace;

// Name of a colour-box entry as the captions show it, in capitals: "BLACK",
// "RED", ...; the relevé box's entry 0 is "WHITE".
std::string speciesColourName(const Workspace& ws, int entry);
std::string releveColourName(const Workspace& ws, int entry);

// The captions set at start, before the colour boxes are filled.
void setStartupCaptions(Workspace& ws);

// Combo1_Click: captions naming the species colour box's colour.
void Combo1_Click(Workspace& ws);
// Combo2_click: captions naming the relevé colour box's colour.
void Combo2_click(Workspace& ws);
// Combo3_Click: captions naming the aggregation colour box's colour.
void Combo3_Click(Workspace& ws);
// All three.
void renewColourCaptions(Workspace& ws);

// menu_Click: renews the captions that name the current selection: the
// separator levels "&Selected" removes, the selected relevé of "&from
// Selected Relevé" / "&to Selected Relevé", and the counts of the selected
// species ("C&ount 3 Species", ...) and relevés ("Beals &Smoothing for 12
// Relevés"). The main window renews them after every command and click and
// before a menu opens.
void menu_Click(Workspace& ws);

// "Current file: " + the report document's name.
void renewRtfCaption(Workspace& ws);

}  // namespace zembu::core
