#include "cli/cli_interaction.h"

namespace zembu::cli {

namespace {

// Message texts use CR (and CR LF) between lines; a terminal wants LF.
std::string terminalText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

void CommandLineInteraction::message(std::string_view text, std::string_view title, core::MessageIcon) {
    ++messages_;
    err_ << title << ": " << terminalText(text) << '\n';
}

core::Answer CommandLineInteraction::question(std::string_view text, std::string_view title, core::Buttons,
                                              core::MessageIcon) {
    const char* answer = answer_ == core::Answer::Yes ? "Yes" : answer_ == core::Answer::No ? "No" : "Cancel";
    err_ << title << ": " << terminalText(text) << " [" << answer << "]\n";
    return answer_;
}

std::optional<std::string> CommandLineInteraction::input(std::string_view, std::string_view,
                                                         std::string_view defaultValue) {
    return std::string(defaultValue);
}

std::optional<std::string> CommandLineInteraction::openFile(const core::FileRequest&) { return std::nullopt; }

std::optional<std::string> CommandLineInteraction::saveFile(const core::FileRequest&) { return std::nullopt; }

}  // namespace zembu::cli
