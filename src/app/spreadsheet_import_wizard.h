#pragma once
// Form34: the import wizard for spreadsheet files, seven steps: the file, a
// look at the file and the layout it must have, the separator, the layer
// column, the species and relevés found, the cover codes, and the import.

#include <optional>
#include <string>
#include <vector>

#include "app/wizard_frame.h"
#include "import/spreadsheet_import.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QTableWidget;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form34 : public WizardFrame {
    Q_OBJECT

public:
    Form34(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    bool chooseFile();
    // Takes a file without the chooser; false when it cannot be read.
    bool setFile(const QString& file);
    void setSeparator(import::SpreadsheetSeparator separator);
    void setLayerColumn(bool on);
    // The cover mode buttons (option index 0..2): krok3 runs again.
    void setCoverMode(int mode);
    // A double click on a code: in the user mode its percentage is asked (fusa).
    void codeDoubleClicked(int row);

    const std::vector<import::CoverCode>& codes() const { return codes_; }

protected:
    bool leaveStep(int from) override;
    void showStep(int step) override;
    bool finish() override;

private:
    QWidget* buildFilePage();
    QWidget* buildPreviewPage();
    QWidget* buildSeparatorPage();
    QWidget* buildLayerPage();
    QWidget* buildCountsPage();
    QWidget* buildCoverPage();

    import::SpreadsheetSeparator separator() const;
    bool analyse();
    // krok3: the cover list for the chosen mode.
    void krok3();
    void fillCodeList();
    void fillGrid();

    core::Workspace& ws_;
    core::Interaction& ui_;
    QString file_;
    std::string content_;
    std::optional<import::SpreadsheetLayout> layout_;
    std::vector<import::CoverCode> codes_;
    int coverMode_ = import::PercentCodes;
    bool codesDone_ = false;

    FileChoicePage* filePage_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    QLineEdit* markerSpecies_ = nullptr;
    QLineEdit* markerLayer_ = nullptr;
    QLineEdit* markerTable_ = nullptr;
    QRadioButton* semicolon_ = nullptr;
    QRadioButton* comma_ = nullptr;
    QRadioButton* space_ = nullptr;
    QCheckBox* layerColumn_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* counts_ = nullptr;
    QRadioButton* modes_[3] = {};
    QListWidget* codeList_ = nullptr;
    QLabel* bbList_ = nullptr;
};

}  // namespace zembu::app
