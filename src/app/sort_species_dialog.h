#pragma once
// Form4, "Sort species": the species colour to sort, the relevé colour whose
// occurrences count, and whether layers lead the order.

#include <QDialog>

#include "sorting/species_sort_commands.h"

class QCheckBox;

namespace zembu::app {

class ColourChoice;

class Form4 : public QDialog {
    Q_OBJECT

public:
    // Starts with black species by white relevés.
    explicit Form4(QWidget* parent = nullptr);

    // The choices as the sort takes them.
    sorting::SpeciesByRelevesOptions options() const;

private:
    ColourChoice* species_;
    ColourChoice* releves_;
    QCheckBox* layerFirst_;
};

}  // namespace zembu::app
