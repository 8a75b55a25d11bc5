#pragma once
// Everything a command asks or tells the user goes through this interface:
// the desktop program answers with dialogs, skyloom-cli with the terminal and
// the tests with a scripted fake.

#include <optional>
#include <string>
#include <vector>

namespace skyloom {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Information, Question, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Title shown by a message box that sets none of its own.
inline constexpr const char* kProductName = "Skyloom";

struct MessageBox {
    std::string text;  // line breaks inside are CR LF
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::string title;  // empty: the product name
};

struct InputBox {
    std::string prompt;
    std::string title;
    std::string preset;
};

struct WaypointChoice {
    std::vector<std::string> candidates;  // "IDENT lat:lon", as listed in the window
    std::string previousPoint;            // "lat lon" of the route point before it, may be empty
};

struct FileDialog {
    std::string filter;         // "Flightplans (*.fp)|*.fp"
    std::string initialFolder;  // ends with a separator
    std::string proposedName;   // save dialogs only
    bool warnOnOverwrite = false;
    bool mustExist = false;
};

class Prompts {
  public:
    virtual ~Prompts() = default;
    virtual MessageAnswer message(const MessageBox& box) = 0;
    // The typed text, or nothing when the box was cancelled.
    virtual std::optional<std::string> input(const InputBox& box) = 0;
    // The chosen candidate line, or empty text when the choice was cancelled.
    virtual std::string chooseWaypoint(const WaypointChoice& choice) = 0;
    // The chosen full path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> saveFile(const FileDialog& dialog) = 0;
    virtual std::optional<std::string> openFile(const FileDialog& dialog) = 0;
    // The busy mouse pointer while a command works.
    virtual void setBusy(bool /*busy*/) {}
};

}  // namespace skyloom
