#pragma once
// The port through which the rules reach the player. The Qt window implements it
// with real modal dialogs, the engine with answers read from its input, the tests
// with a scripted fake. Modal calls block and return the player's answer.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class Icon { Exclamation, Question, Information, Stop };

enum class StatusField { Debt, Health, Fame, Cash, Savings, GoodsCount };

enum class ListId { Market, Room };

// Button identities of the game's dialogs.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdBankLeave = 1111;

// The number field of a quantity or amount dialog.
struct NumberField {
    int controlId = 0;          // the edit control
    std::int64_t value = 0;     // proposed on entry
    std::int64_t lower = 0;     // validation bounds, inclusive
    std::int64_t upper = 0;
    int spinLower = 1;          // up-down range as its 16-bit control carries it
    int spinUpper = 0;
};

// Check boxes of the settings dialog.
struct SettingsChecks {
    int hackersAllowed = 0;     // kIdHackersCheck
    int soundOff = 0;           // kIdSoundOffCheck
};

// Everything a dialog shows on entry, computed by the rules.
struct DialogRequest {
    int id = 0;                                         // template number
    std::vector<std::pair<int, std::string>> texts;     // control ID -> text set on entry
    std::optional<NumberField> field;
    std::vector<std::vector<std::string>> rows;         // top-ten table: five cells a row
    int selected = 0;                                   // top-ten table: highlighted row
    std::optional<SettingsChecks> checks;               // settings dialog
};

struct DialogResult {
    int button = kIdCancel;     // kIdOk, kIdCancel or kIdBankLeave
    std::int32_t value = 0;     // the validated number, after OK
    std::string name;           // congratulations dialog: the name typed
    SettingsChecks checks;      // settings dialog: the boxes as left
};

class Ui {
public:
    virtual ~Ui() = default;

    virtual void ShowNews(const std::string& text) = 0;
    virtual void ShowDiary(const std::string& middle, const std::string& top,
                           const std::string& bottom) = 0;
    // A message box with one OK button.
    virtual void ShowMessage(const std::string& text, Icon icon) = 0;
    // A Yes/No message box; true for Yes.
    virtual bool AskYesNo(const std::string& text, Icon icon) = 0;
    // Runs a dialog modally. Dialogs with a number field validate it with
    // ValidateNumberField and stay open until it is valid or cancelled.
    virtual DialogResult RunDialog(const DialogRequest& request) = 0;

    // Starts the wave file sound/NAME asynchronously; called only while sound is on.
    virtual void PlaySound(const std::string& file) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetStatusText(StatusField field, const std::string& text) = 0;
    virtual void SetFameColour(bool good) = 0;
    // The rows, their order or the selection of a list changed.
    virtual void ListChanged(ListId list) = 0;
    // Scroll the list to its first row and give it the keyboard focus.
    virtual void FocusList(ListId list) = 0;
    // The place buttons switched between the subway and the street map.
    virtual void MapChanged(int mapMode) = 0;
    // The main window closes once the current command has returned.
    virtual void CloseMainWindow(bool ok) = 0;
    // The program ends at once with this status.
    virtual void Exit(int status) = 0;
    // Called again and again, every few hundredths of a second, while the rules
    // wait (a few seconds at most) for a file another game holds: a window
    // keeps painting meanwhile.
    virtual void WaitingForFile() {}
};

// Reads a number field's text as the dialogs do on OK: an optional sign and
// decimal digits, within the field's bounds. Returns the value, or the message
// to show when the text is refused.
struct FieldCheck {
    bool valid = false;
    std::int32_t value = 0;
    std::string message;
};
FieldCheck ValidateNumberField(const NumberField& field, const std::string& text);
