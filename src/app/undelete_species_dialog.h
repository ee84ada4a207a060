#pragma once
// Form11, "Undelete Species": the formally deleted species rows, of which the
// user picks those to bring back.

#include <QDialog>
#include <cstdint>
#include <vector>

class QListWidget;

namespace zembu::core {
class Table;
}

namespace zembu::app {

class Form11 : public QDialog {
    Q_OBJECT

public:
    Form11(const core::Table& table, QWidget* parent = nullptr);

    // The chosen rows (SpeciesCount+1..SpeciesRecordCount).
    std::vector<int32_t> chosenRows() const;

private:
    QListWidget* list_;
    int32_t firstRow_;
};

}  // namespace zembu::app
