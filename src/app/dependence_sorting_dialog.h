#pragma once
// Form27, "Dependence Sorting": the species colour to sort, how many of the
// most dependent species the score averages, and the minimum frequency of the
// species that count; shows the expected processing time before the run.

#include <QDialog>

#include "sorting/species_sort_commands.h"

class QButtonGroup;
class QLabel;
class QSpinBox;

namespace zembu::core {
class Table;
}

namespace zembu::app {

class ColourChoice;

class Form27 : public QDialog {
    Q_OBJECT

public:
    Form27(const core::Table& table, int speciesColour, QWidget* parent = nullptr);

    // The choices as the sort takes them.
    sorting::DependenceOptions options() const;
    // The text of the expected processing time.
    QString expectedTime() const;

private:
    // Renews the expected time for the chosen colour.
    void showExpectedTime();

    const core::Table& table_;
    ColourChoice* species_;
    QButtonGroup* average_;
    QSpinBox* minimum_;
    QLabel* time_;
};

}  // namespace zembu::app
