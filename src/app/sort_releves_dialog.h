#pragma once
// Form5, "Sort relevés": the relevé colour to sort, the species colour whose
// rows count, and whether only the number of species records counts.

#include <QDialog>

#include "sorting/releve_sort_commands.h"

class QCheckBox;

namespace zembu::app {

class ColourChoice;

class Form5 : public QDialog {
    Q_OBJECT

public:
    // Starts with white relevés by black species.
    explicit Form5(QWidget* parent = nullptr);

    // The choices as the sort takes them.
    sorting::RelevesBySpeciesOptions options() const;

private:
    ColourChoice* releves_;
    ColourChoice* species_;
    QCheckBox* countOnly_;
};

}  // namespace zembu::app
