#pragma once
// Form68: header data import from a TURBOVEG EXP/STR pair, two steps: the
// file with its field list and a check of its relevé numbers, then the import.

#include <optional>

#include "app/wizard_frame.h"
#include "import/header_import.h"

class QLabel;
class QListWidget;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form68 : public WizardFrame {
    Q_OBJECT

public:
    Form68(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    bool chooseFile();
    // test_hlavicky2: checks the chosen header file and lists its fields.
    bool test_hlavicky2(const QString& chosen);
    // Command5_Click: tells how many EXP records belong to relevés of the table.
    void Command5_Click();

protected:
    bool leaveStep(int from) override;
    bool finish() override;

private:
    core::Workspace& ws_;
    core::Interaction& ui_;
    std::optional<import::HeaderFiles> files_;
    QListWidget* fieldList_ = nullptr;
    QLabel* fileNames_ = nullptr;
};

}  // namespace zembu::app
