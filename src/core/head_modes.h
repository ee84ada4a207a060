#pragma once
// The head modes: what the table head shows for each relevé (running
// number, sequence number, TURBOVEG number) and the Head menu commands that
// switch between them. Every mode stores the head value of each relevé,
// keyed by its record, and rebuilds the head lines.

#include <cstdint>
#include <string>
#include <string_view>

namespace zembu::core {

class Workspace;

// A head value as the head stores it: the text right-justified in 6
// characters; a longer text keeps its last 6 characters.
std::string headText(std::string_view text);

// A numeric head value: its decimal text without blanks, as headText.
std::string numericHeadValue(int64_t value);

// hlavicka: the head shows each relevé's record number ("Running number:").
void hlavicka(Workspace& ws);
// hlavickasekvencni: the head shows each column's position 1..N ("Sequence number:").
void hlavickasekvencni(Workspace& ws);
// hlavickaturb: the head shows each relevé's TURBOVEG number ("TURBOVEG number:").
void hlavickaturb(Workspace& ws);

// relanum_Click ("&Running Number"): undo snapshot, then hlavicka.
void relanum_Click(Workspace& ws);
// sequnumb_Click ("&Sequence Number"): undo snapshot, then hlavickasekvencni.
void sequnumb_Click(Workspace& ws);
// turbnum_Click ("&Relevé"): undo snapshot, then hlavickaturb.
void turbnum_Click(Workspace& ws);

// Renews the head lines from the head values (hlavickared) and the check
// marks of the Head menu from the head in force.
void renewHead(Workspace& ws);

}  // namespace zembu::core
