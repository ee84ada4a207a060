#pragma once
// Form66: the import wizard for TURBOVEG output and other CC! files, five
// steps: the file, its analysis and value list, the check list, the header
// data, and the import.

#include <optional>

#include "app/wizard_frame.h"
#include "import/cc_analysis.h"
#include "import/header_import.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace zembu::core {
class Interaction;
class Workspace;
}  // namespace zembu::core

namespace zembu::app {

class Form66 : public WizardFrame {
    Q_OBJECT

public:
    Form66(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Asks for the CC! file (the chooser the dialog opens with).
    bool chooseFile();
    // Takes a file without the chooser (tests, drops).
    void setFile(const QString& file);

    // Option1_Click / Option2_Click: the value mode, stored in the settings;
    // each re-runs the analysis.
    void Option1_Click();
    void Option2_Click();
    // List1_DblClick: changes the percentage of one listed value.
    void List1_DblClick(int row);
    // test_hlavicky: checks a chosen header file.
    bool test_hlavicky(const QString& chosen);

    const std::optional<import::CcAnalysis>& analysis() const { return analysis_; }
    const import::CcOptions& options() const { return options_; }

protected:
    bool leaveStep(int from) override;
    void showStep(int step) override;
    bool finish() override;

private:
    QWidget* buildFilePage();
    QWidget* buildAnalysisPage();
    QWidget* buildCheckListPage();
    QWidget* buildHeaderPage();

    // test_tabulky: analyses the file and fills the value list.
    bool test_tabulky();
    void fillValueList();
    void showCheckList();
    void chooseCheckList();
    void chooseHeaderFile();

    core::Workspace& ws_;
    core::Interaction& ui_;
    QString file_;
    import::CcOptions options_;
    std::optional<import::CcAnalysis> analysis_;
    std::optional<import::HeaderFiles> header_;

    FileChoicePage* filePage_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QRadioButton* withLayers_ = nullptr;
    QRadioButton* withoutLayers_ = nullptr;
    QListWidget* list1_ = nullptr;
    QLabel* counts_ = nullptr;
    QCheckBox* checkListBox_ = nullptr;
    QLabel* checkListLabel_ = nullptr;
    QCheckBox* headerBox_ = nullptr;
    QListWidget* fieldList_ = nullptr;
    QLabel* headerFiles_ = nullptr;
};

}  // namespace zembu::app
