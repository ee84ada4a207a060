#pragma once
// Form44, "Sorting": species sorted by a synoptic value, in one column (relevé
// group) or into blocks over the whole table.

#include <QDialog>

#include "sorting/synoptic_sorting.h"

class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QScrollBar;

namespace zembu::app {

class Form44 : public QDialog {
    Q_OBJECT

public:
    enum class Extent { SingleColumn, EntireDatasetExceptLastColumn, EntireDataset };

    // groupCount: the columns of the synoptic table (relevé groups).
    explicit Form44(int32_t groupCount, QWidget* parent = nullptr);

    int speciesColour() const;  // palette number, or core::AllColours
    Extent extent() const;
    int32_t column() const;
    sorting::SynopticCriterion criterion() const;

    QComboBox* colours() const { return colours_; }
    QScrollBar* columnBar() const { return columnBar_; }
    QListWidget* criteria() const { return criteria_; }
    QRadioButton* extentButton(Extent e) const;

private:
    QComboBox* colours_ = nullptr;
    QRadioButton* single_ = nullptr;
    QRadioButton* exceptLast_ = nullptr;
    QRadioButton* entire_ = nullptr;
    QScrollBar* columnBar_ = nullptr;
    QLabel* columnLabel_ = nullptr;
    QListWidget* criteria_ = nullptr;
};

}  // namespace zembu::app
