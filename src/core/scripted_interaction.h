#pragma once
// ScriptedInteraction: answers prompts from a queue of expected prompts, for
// tests. Every prompt is compared with the next expectation (kind, text and
// title letter for letter); a prompt that is not expected is recorded as a
// failure and answered with Cancel (or nothing).

#include <deque>
#include <string>
#include <vector>

#include "core/interaction.h"

namespace zembu::core {

class ScriptedInteraction : public Interaction {
public:
    enum class Kind { Message, Question, Input, OpenFile, SaveFile };

    // One prompt as it was shown.
    struct Prompt {
        Kind kind;
        std::string text;   // message, question or input prompt
        std::string title;  // box or dialog title
        MessageIcon icon = MessageIcon::None;
        Buttons buttons = Buttons::YesNo;
        FileRequest request;       // file choosers
        std::string defaultValue;  // input boxes
    };

    ScriptedInteraction& expectMessage(std::string text, std::string title);
    ScriptedInteraction& expectQuestion(std::string text, std::string title, Answer answer);
    ScriptedInteraction& expectInput(std::string prompt, std::string title,
                                     std::optional<std::string> answer);
    ScriptedInteraction& expectOpenFile(std::string title, std::optional<std::string> path);
    ScriptedInteraction& expectSaveFile(std::string title, std::optional<std::string> path);

    void message(std::string_view text, std::string_view title, MessageIcon icon) override;
    Answer question(std::string_view text, std::string_view title, Buttons buttons,
                    MessageIcon icon) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultValue) override;
    std::optional<std::string> openFile(const FileRequest& request) override;
    std::optional<std::string> saveFile(const FileRequest& request) override;
    void progressShow() override { ++progressShown_; }
    void progressSet(int percent, std::string_view text) override;
    void progressHide() override { ++progressHidden_; }
    void status(std::string_view text) override { statusText_ = text; }
    void setClipboardText(std::string_view text) override { clipboard_ = text; }
    void hodiny() override { ++busyDepth_; }
    void obnova() override { --busyDepth_; }

    // Every prompt shown, in order.
    const std::vector<Prompt>& shown() const { return shown_; }
    // Prompts that did not match their expectation, described.
    const std::vector<std::string>& failures() const { return failures_; }
    // True when every expectation was used and nothing failed.
    bool done() const { return failures_.empty() && expected_.empty(); }
    // Failures and unused expectations, for a test's failure message.
    std::string report() const;

    const std::vector<int>& percentages() const { return percentages_; }
    const std::vector<std::string>& progressTexts() const { return progressTexts_; }
    int progressShown() const { return progressShown_; }
    int progressHidden() const { return progressHidden_; }
    int busyDepth() const { return busyDepth_; }
    const std::string& statusText() const { return statusText_; }
    // The text last put on the clipboard.
    const std::string& clipboard() const { return clipboard_; }

private:
    struct Expectation {
        Kind kind;
        std::string text;
        std::string title;
        Answer answer = Answer::Ok;
        std::optional<std::string> value;
    };

    // Takes the next expectation if it matches the prompt; records a failure otherwise.
    const Expectation* take(const Prompt& prompt);

    std::deque<Expectation> expected_;
    Expectation current_;
    std::vector<Prompt> shown_;
    std::vector<std::string> failures_;
    std::vector<int> percentages_;
    std::vector<std::string> progressTexts_;
    int progressShown_ = 0;
    int progressHidden_ = 0;
    int busyDepth_ = 0;
    std::string statusText_;
    std::string clipboard_;
};

}  // namespace zembu::core
