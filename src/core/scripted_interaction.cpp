#include "core/scripted_interaction.h"

namespace zembu::core {

namespace {

const char* kindName(ScriptedInteraction::Kind kind) {
    switch (kind) {
        case ScriptedInteraction::Kind::Message: return "message";
        case ScriptedInteraction::Kind::Question: return "question";
        case ScriptedInteraction::Kind::Input: return "input";
        case ScriptedInteraction::Kind::OpenFile: return "open file";
        case ScriptedInteraction::Kind::SaveFile: return "save file";
    }
    return "?";
}

}  // namespace

ScriptedInteraction& ScriptedInteraction::expectMessage(std::string text, std::string title) {
    expected_.push_back({Kind::Message, std::move(text), std::move(title), Answer::Ok, {}});
    return *this;
}

ScriptedInteraction& ScriptedInteraction::expectQuestion(std::string text, std::string title,
                                                         Answer answer) {
    expected_.push_back({Kind::Question, std::move(text), std::move(title), answer, {}});
    return *this;
}

ScriptedInteraction& ScriptedInteraction::expectInput(std::string prompt, std::string title,
                                                      std::optional<std::string> answer) {
    expected_.push_back({Kind::Input, std::move(prompt), std::move(title), Answer::Ok, std::move(answer)});
    return *this;
}

ScriptedInteraction& ScriptedInteraction::expectOpenFile(std::string title,
                                                         std::optional<std::string> path) {
    expected_.push_back({Kind::OpenFile, "", std::move(title), Answer::Ok, std::move(path)});
    return *this;
}

ScriptedInteraction& ScriptedInteraction::expectSaveFile(std::string title,
                                                         std::optional<std::string> path) {
    expected_.push_back({Kind::SaveFile, "", std::move(title), Answer::Ok, std::move(path)});
    return *this;
}

const ScriptedInteraction::Expectation* ScriptedInteraction::take(const Prompt& prompt) {
    shown_.push_back(prompt);
    const std::string shownText = std::string(kindName(prompt.kind)) + " \"" + prompt.text +
                                  "\" titled \"" + prompt.title + "\"";
    if (expected_.empty()) {
        failures_.push_back("unexpected " + shownText);
        return nullptr;
    }
    const Expectation& next = expected_.front();
    const bool textMatters = prompt.kind != Kind::OpenFile && prompt.kind != Kind::SaveFile;
    if (next.kind != prompt.kind || next.title != prompt.title || (textMatters && next.text != prompt.text)) {
        failures_.push_back("expected " + std::string(kindName(next.kind)) + " \"" + next.text +
                            "\" titled \"" + next.title + "\" but got " + shownText);
        return nullptr;
    }
    current_ = next;
    expected_.pop_front();
    return &current_;
}

void ScriptedInteraction::message(std::string_view text, std::string_view title, MessageIcon icon) {
    Prompt p{Kind::Message, std::string(text), std::string(title), icon};
    take(p);
}

Answer ScriptedInteraction::question(std::string_view text, std::string_view title, Buttons buttons,
                                     MessageIcon icon) {
    Prompt p{Kind::Question, std::string(text), std::string(title), icon, buttons};
    const Expectation* e = take(p);
    return e ? e->answer : Answer::Cancel;
}

std::optional<std::string> ScriptedInteraction::input(std::string_view prompt, std::string_view title,
                                                      std::string_view defaultValue) {
    Prompt p{Kind::Input, std::string(prompt), std::string(title)};
    p.defaultValue = defaultValue;
    const Expectation* e = take(p);
    return e ? e->value : std::nullopt;
}

std::optional<std::string> ScriptedInteraction::openFile(const FileRequest& request) {
    Prompt p{Kind::OpenFile, "", request.title};
    p.request = request;
    const Expectation* e = take(p);
    return e ? e->value : std::nullopt;
}

std::optional<std::string> ScriptedInteraction::saveFile(const FileRequest& request) {
    Prompt p{Kind::SaveFile, "", request.title};
    p.request = request;
    const Expectation* e = take(p);
    return e ? e->value : std::nullopt;
}

void ScriptedInteraction::progressSet(int percent, std::string_view text) {
    percentages_.push_back(percent);
    progressTexts_.emplace_back(text);
}

std::string ScriptedInteraction::report() const {
    std::string out;
    for (const auto& f : failures_) out += f + "\n";
    for (const auto& e : expected_)
        out += "never shown: " + std::string(kindName(e.kind)) + " \"" + e.text + "\" titled \"" +
               e.title + "\"\n";
    return out;
}

}  // namespace zembu::core
