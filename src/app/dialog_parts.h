#pragma once
// Pieces several dialogs build alike: a word-wrapped label, the list whose
// values change on a double click, the confirm / Cancel row at the foot of a
// dialog, the field list of a header file pair, colour lists and the
// code-page text of the table.

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "core/palette.h"

class QBoxLayout;
class QComboBox;
class QDialog;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace zembu::import {
struct HeaderFiles;
}

namespace zembu::app {

// A label whose text wraps at the width of the dialog.
QLabel* wrappedLabel(const QString& text, QWidget* parent);

// Adds a fixed-pitch list ("List1") with "Double click = value change"
// under it; a double click on a line calls onDoubleClick with its row.
QListWidget* addValueList(QBoxLayout* layout, QWidget* parent, std::function<void(int)> onDoubleClick);

// Adds the row of buttons at the foot of a dialog: the confirm button (the
// default one, named confirmName) and Cancel, which rejects the dialog.
// Returns the confirm button, for the dialog to connect.
QPushButton* addConfirmButtons(QBoxLayout* layout, QDialog* dialog, const QString& confirmText,
                               const char* confirmName);

// A push button that is not a default button, with its object name and an
// optional tool tip.
QPushButton* dialogButton(const QString& text, const char* name, QWidget* parent, const QString& tip = {});

// A list in the fixed-pitch font, named `name`.
QListWidget* fixedPitchList(const char* name, QWidget* parent);

// Fills a colour list with the palette's colours 0..7 and their swatches:
// the relevé colours ("white" first) or the species colours ("black" first).
void fillColourBox(QComboBox* box, const core::Palette& palette, bool releveColours);

// Code-page bytes of the table (names, formulas) shown as text, and back.
QString fromCodePage(std::string_view bytes);
std::string toCodePage(const QString& text);

// Fills a list with the fields of a header file pair (the first one
// current) and names its two files, the STR file above the EXP file.
void showHeaderFiles(const import::HeaderFiles& files, QListWidget* fields, QLabel* fileNames);

}  // namespace zembu::app
