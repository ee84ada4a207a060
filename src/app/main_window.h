#pragma once
// form1: the main window. It shows the table, the menus, the colour boxes,
// the separator level list and hierarchy switch, and the status bar. Menu
// commands are installed by id (see commands.h); every command runs through
// runCommand(), which shows errors and refreshes the window afterwards.

#include <QMainWindow>
#include <functional>
#include <map>
#include <string>

#include "core/interaction.h"
#include "core/workspace.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QTimer;

namespace zembu::app {

class TableWidget;
class ResetSeparatorsButton;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    core::Workspace& workspace() { return ws_; }
    core::Interaction& interaction() { return ui_; }

    // The action of a menu item by its handler id; nullptr when there is none.
    QAction* action(const std::string& id) const;
    // Connects a menu item to its command and enables it.
    void setCommand(const std::string& id, std::function<void()> command);
    // Runs a command: a library error is shown as a message; then the
    // synoptic view, when one is shown, is computed again from the table as
    // the command left it, and the window is refreshed.
    void runCommand(const std::function<void()>& command);
    // Computes the synoptic view of the workspace's synoptic type for the
    // table widget, or drops it when the table is shown. A view that cannot
    // be shown returns to the table with a message.
    void updateSynopticView();
    // Renews caption, menu captions and states, colour boxes and the table view.
    void refresh();

    // Picture1, the widget that shows the table.
    TableWidget* tableWidget() const { return table_; }
    // The "Reset separators" toolbar image.
    ResetSeparatorsButton* resetSeparatorsButton() const { return image18_; }
    // Restarts (or stops) the 20-second timer of the move-to-end mode.
    void restartMoveToEndTimer();

    // zapni_menu / vypni_menu: the menus and scroll bars on / off (while a
    // scroll-bar button repeats).
    void zapni_menu();
    void vypni_menu();

    // Opens what a click mode picks a relevé for (Form17 for the indicator
    // values); called with the picked relevé's record.
    void setPickHandler(core::ClickMode mode, std::function<void(int32_t releve)> handler);
    // Shows the hint of the click mode in force in the status panel.
    void showClickModeHint();
    // Esc: leaves the click mode without picking a relevé.
    void leaveClickMode();

    // Called before a top-level menu opens, to renew captions that name the
    // current selection.
    void setMenuAboutToShow(std::function<void(const QString& menuTitle)> hook);

    QComboBox* speciesColourBox() const { return combo1_; }
    QComboBox* releveColourBox() const { return combo2_; }
    QComboBox* aggregationColourBox() const { return combo3_; }
    QComboBox* separatorLevelList() const { return combo4_; }
    QCheckBox* hierarchySwitch() const { return check1_; }
    QLabel* statusPanel() const { return statusPanel_; }
    QLabel* rowLabel() const { return rowLabel_; }
    QLabel* releveLabel() const { return releveLabel_; }
    // The status text of the fidelity setting (nazevpole).
    QLabel* fidelityLabel() const { return fidelityLabel_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // Menus off while a scroll bar of the table is held down (vypni_menu), on
    // again at its release (zapni_menu).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    QMenu* menuFor(const QString& path);
    void syncControls();
    // aktualradek: the labels of the current species row and relevé.
    void aktualradek();

    void Combo1_Click(int entry);
    void Combo2_click(int entry);
    void Combo3_Click(int entry);
    void Combo4_Click(int position);
    void Check1_Click(bool on);

    core::Workspace& ws_;
    core::Interaction& ui_;
    std::map<std::string, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    std::map<std::string, std::function<void()>> commands_;
    std::function<void(const QString&)> menuAboutToShow_;
    std::map<core::ClickMode, std::function<void(int32_t)>> pickHandlers_;
    TableWidget* table_ = nullptr;
    ResetSeparatorsButton* image18_ = nullptr;
    QTimer* moveToEndTimer_ = nullptr;
    QLabel* rowLabel_ = nullptr;
    QLabel* releveLabel_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QComboBox* combo3_ = nullptr;
    QComboBox* combo4_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QLabel* swatch1_ = nullptr;
    QLabel* swatch2_ = nullptr;
    QLabel* swatch3_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    QLabel* fidelityLabel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    bool syncing_ = false;
};

}  // namespace zembu::app
