#pragma once
// Helpers shared by the fuzz harnesses: a person who answers nothing, a
// scratch file for readers that take a path, and a small table for readers
// that apply a file to a table.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/interaction.h"
#include "core/table.h"

namespace zembu::fuzzing {

// Answers every message silently, every question with `answer`, and cancels
// input boxes and file choosers.
class SilentInteraction : public core::Interaction {
public:
    explicit SilentInteraction(core::Answer answer = core::Answer::Yes) : answer_(answer) {}
    void message(std::string_view, std::string_view, core::MessageIcon) override {}
    core::Answer question(std::string_view, std::string_view, core::Buttons, core::MessageIcon) override {
        return answer_;
    }
    std::optional<std::string> input(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> openFile(const core::FileRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const core::FileRequest&) override { return std::nullopt; }

private:
    core::Answer answer_;
};

// Capacities the harnesses give the readers: small, so that a table costs
// little to make and every input is cheap to read; the readers' capacity
// checks are reached all the same.
inline constexpr int32_t MaxReleves = 1000;
inline constexpr int32_t MaxSpecies = 300;

// The input as text.
inline std::string_view asText(const uint8_t* data, size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// Writes the input to this process's scratch file with the given extension
// and returns its path (the same path on every call with that extension).
std::filesystem::path scratchFile(std::string_view bytes, const std::string& extension);

// A table of five species rows and six relevés (TURBOVEG numbers 1001..1006)
// named "Species 1".. "Species 5" in layer 6, with a few covers.
const core::Table& smallTable();

}  // namespace zembu::fuzzing
