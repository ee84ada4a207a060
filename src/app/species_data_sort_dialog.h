#pragma once
// Form48, "Species Sorting Parameters": species sorted by the species data
// column, all rows or those of the species colour box's colour, as text or as
// numbers, ascending or descending.

#include <QDialog>

#include "sorting/species_sort_commands.h"

class QRadioButton;

namespace zembu::app {

class Form48 : public QDialog {
    Q_OBJECT

public:
    // speciesColour: the colour "&Black" stands for (the species colour box's).
    explicit Form48(int speciesColour, QWidget* parent = nullptr);

    // The choices as the sort takes them.
    sorting::SpeciesDataOptions options() const;

private:
    int speciesColour_;
    QRadioButton* all_;
    QRadioButton* numerically_;
    QRadioButton* descending_;
};

}  // namespace zembu::app
