#pragma once
// The one error type of the library: readers and commands throw it with the
// message the user is to see; the command that catches it shows it through
// Interaction and leaves the loaded table as it was.

#include <stdexcept>
#include <string>

namespace zembu::core {

// What a command says when it asks for more memory than there is.
inline constexpr const char* NotEnoughMemoryMessage = "There is not enough memory for this command.";

class ZembuError : public std::runtime_error {
public:
    explicit ZembuError(const std::string& message, std::string title = "ZEMBU")
        : std::runtime_error(message), title_(std::move(title)) {}

    // Title of the message box that shows the error.
    const std::string& title() const { return title_; }

private:
    std::string title_;
};

}  // namespace zembu::core
