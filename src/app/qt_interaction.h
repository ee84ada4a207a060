#pragma once
// The desktop program's Interaction: Qt message boxes, questions, input
// boxes, file dialogs, the progress meter in the status bar and the busy
// pointer.

#include <QPointer>
#include <QWidget>

#include "core/interaction.h"

class QLabel;
class QProgressBar;

namespace zembu::app {

class QtInteraction : public core::Interaction {
public:
    QtInteraction() = default;

    // The window dialogs belong to, and the status-bar widgets of the meter.
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    QWidget* parentWidget() const { return parent_; }
    void setProgressWidgets(QProgressBar* bar, QLabel* status);

    void message(std::string_view text, std::string_view title, core::MessageIcon icon) override;
    core::Answer question(std::string_view text, std::string_view title, core::Buttons buttons,
                          core::MessageIcon icon) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultValue) override;
    std::optional<std::string> openFile(const core::FileRequest& request) override;
    std::optional<std::string> saveFile(const core::FileRequest& request) override;
    void progressShow() override;
    void progressSet(int percent, std::string_view text) override;
    void progressHide() override;
    void status(std::string_view text) override;
    void setClipboardText(std::string_view text) override;
    void hodiny() override;
    void obnova() override;

private:
    QPointer<QWidget> parent_;
    QPointer<QProgressBar> bar_;
    QPointer<QLabel> status_;
};

// Turns the program's "Name|*.a;*.b|Name|*.*" filter into Qt's
// "Name (*.a *.A *.b *.B);;Name (*)" form (Linux names are case-sensitive,
// and "*.*" would miss names without a dot).
QString qtFilter(const std::string& filter);

}  // namespace zembu::app
