#pragma once
// The command line's Interaction: messages go to standard error as
// "title: text"; questions take the answer the flags chose; input boxes take
// their default; file choosers are never shown (files come as arguments).

#include <ostream>

#include "core/interaction.h"

namespace zembu::cli {

class CommandLineInteraction : public core::Interaction {
public:
    explicit CommandLineInteraction(std::ostream& err, core::Answer answer = core::Answer::No)
        : err_(err), answer_(answer) {}

    void message(std::string_view text, std::string_view title, core::MessageIcon icon) override;
    core::Answer question(std::string_view text, std::string_view title, core::Buttons buttons,
                          core::MessageIcon icon) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                     std::string_view defaultValue) override;
    std::optional<std::string> openFile(const core::FileRequest& request) override;
    std::optional<std::string> saveFile(const core::FileRequest& request) override;

    // Answer given to every question.
    void setAnswer(core::Answer answer) { answer_ = answer; }
    // Number of messages shown (commands use it to choose their exit status).
    int messageCount() const { return messages_; }

private:
    std::ostream& err_;
    core::Answer answer_;
    int messages_ = 0;
};

}  // namespace zembu::cli
