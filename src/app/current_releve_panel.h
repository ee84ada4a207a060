#pragma once
// The current-relevé panel beside the table: the current relevé line by line,
// with a button that deletes the selected species from it.

#include <QDockWidget>
#include <cstdint>
#include <functional>

class QListWidget;
class QPushButton;

namespace zembu::core {
class Interaction;
class Workspace;
}

namespace zembu::app {

class CurrentRelevePanel : public QDockWidget {
    Q_OBJECT

public:
    CurrentRelevePanel(core::Workspace& ws, core::Interaction& ui, QWidget* parent = nullptr);

    // Shows the current relevé of the workspace.
    void showCurrent();
    // Called after species were deleted from the relevé.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    QListWidget* list() const { return list_; }
    void deleteSelected();

private:
    core::Workspace& ws_;
    core::Interaction& ui_;
    QListWidget* list_;
    QPushButton* delete_;
    int32_t shown_ = 0;
    std::function<void()> changed_;
};

}  // namespace zembu::app
