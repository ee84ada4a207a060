#pragma once
// Form57, "Settings": the program's settings on five pages (table, fidelity,
// synoptic table, reports, outside programs). It shows the settings of the
// workspace and returns the user's choices; the separator hierarchy switch
// and level on its first page act at once, exactly like the main window's.

#include <QDialog>
#include <array>
#include <functional>

#include "session/program_settings.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace zembu::core {
class Workspace;
}

namespace zembu::app {

class Form57 : public QDialog {
    Q_OBJECT

public:
    enum Page { TablePage, FidelityPage, SynopticPage, ReportsPage, ProgramsPage };

    // separatorsChanged runs after the hierarchy switch or the level changed;
    // selectRtf, when given, starts a new report document ("&Select RTF File").
    Form57(core::Workspace& ws, std::function<void()> separatorsChanged, std::function<void()> selectRtf = {},
           QWidget* parent = nullptr);

    // The settings as the dialog shows them now.
    session::ProgramSettings chosen() const;
    void showPage(Page page);
    QTabWidget* pages() const { return pages_; }

private:
    QWidget* buildTablePage();
    QWidget* buildFidelityPage();
    QWidget* buildSynopticPage();
    QWidget* buildReportsPage();
    QWidget* buildProgramsPage();
    void showSettings(const session::ProgramSettings& p);
    void measureChosen();
    // test_velikosti_Np: proposes the standard group size from the current groups.
    void test_velikosti_Np();
    void setColour(size_t index, int32_t colour);

    core::Workspace& ws_;
    std::function<void()> separatorsChanged_;
    std::function<void()> selectRtf_;
    session::ProgramSettings start_;
    QTabWidget* pages_ = nullptr;

    QSpinBox* releveCapacity_ = nullptr;
    QSpinBox* speciesCapacity_ = nullptr;
    QSpinBox* nameWidth_ = nullptr;
    QSpinBox* layerWidth_ = nullptr;
    QSpinBox* greyLevel_ = nullptr;
    QCheckBox* hierarchy_ = nullptr;
    QComboBox* level_ = nullptr;

    QComboBox* measure_ = nullptr;
    std::array<QRadioButton*, 3> kinds_{};
    QDoubleSpinBox* standardSize_ = nullptr;
    QPushButton* propose_ = nullptr;
    QCheckBox* sizeForTarget_ = nullptr;
    QCheckBox* adjusted_ = nullptr;
    QCheckBox* higherLevel_ = nullptr;
    QCheckBox* fisher_ = nullptr;
    QComboBox* fisherLevel_ = nullptr;
    QCheckBox* withCover_ = nullptr;
    QComboBox* coverTransformation_ = nullptr;

    std::array<QDoubleSpinBox*, 6> limits_{};
    std::array<QPushButton*, 6> colourButtons_{};
    std::array<int32_t, 6> colours_{};
    std::array<QCheckBox*, 3> highlights_{};
    QCheckBox* boldValues_ = nullptr;
    QComboBox* combinedForm_ = nullptr;

    QLabel* rtfFile_ = nullptr;
    QCheckBox* originalColours_ = nullptr;
    QCheckBox* highlightValues_ = nullptr;

    std::array<QLineEdit*, 6> paths_{};
};

}  // namespace zembu::app
