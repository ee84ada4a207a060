#pragma once
// Interaction: the only way the library talks to a person.
//
// Commands take an Interaction& and use it for message boxes, questions, input
// boxes, file choosers, progress and the busy pointer. The desktop program
// answers with Qt dialogs, the tests with a script, the command-line tool from
// its flags. Texts are UTF-8; titles and texts are the program's fixed texts.

#include <optional>
#include <string>
#include <string_view>

namespace zembu::core {

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class Buttons { YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Yes, No, Cancel };

// A file chooser request: title, filter in the program's "Name|*.ext|Name|*.*"
// form, proposed name (or pattern) and the folder to start in.
struct FileRequest {
    std::string title;
    std::string filter;
    std::string proposedName;
    std::string directory;
    bool mustExist = true;  // open dialogs only
};

class Interaction {
public:
    virtual ~Interaction() = default;

    // A message box with one OK button.
    virtual void message(std::string_view text, std::string_view title,
                         MessageIcon icon = MessageIcon::None) = 0;

    // A question; returns the button pressed (Cancel also when the box is closed).
    virtual Answer question(std::string_view text, std::string_view title, Buttons buttons,
                            MessageIcon icon = MessageIcon::Question) = 0;

    // An input box; nullopt when cancelled.
    virtual std::optional<std::string> input(std::string_view prompt, std::string_view title,
                                             std::string_view defaultValue) = 0;

    // File choosers; nullopt when cancelled. The result is a path in the
    // file system's encoding.
    virtual std::optional<std::string> openFile(const FileRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileRequest& request) = 0;

    // The progress meter: shown, set to a text such as "42 %", hidden.
    virtual void progressShow() {}
    virtual void progressSet(int percent, std::string_view text) {}
    virtual void progressHide() {}

    // A line of status text (empty to clear).
    virtual void status(std::string_view text) {}

    // Puts text (UTF-8) on the clipboard.
    virtual void setClipboardText(std::string_view text) {}

    // hodiny / obnova: the busy pointer on and off.
    virtual void hodiny() {}
    virtual void obnova() {}
};

// Shows the busy pointer for the lifetime of the object.
class BusyScope {
public:
    explicit BusyScope(Interaction& ui) : ui_(ui) { ui_.hodiny(); }
    ~BusyScope() { ui_.obnova(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Interaction& ui_;
};

}  // namespace zembu::core
