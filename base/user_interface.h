// The port through which every operation of the core talks to the user with the generic requests:
// messages, questions, number, text, date, choice, file and print requests, shell starts. A subsystem's own
// dialogs are a port of that subsystem (search/search_dialogs.h). The Qt layer implements it with the real
// dialogs; the script driver answers it from a script; core tests answer it from a list. All texts are UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/date_number.h"
#include "base/text_page.h"

namespace kvx {

inline constexpr const char* kTitleInformation = "Mitteilung";
inline constexpr const char* kTitleError = "FEHLER";
inline constexpr const char* kTitleInputError = "Eingabefehler";
inline constexpr const char* kTitleSystemError = "Systemfehlermeldung";

// Whole number in min..max (Tlongintinputdlg); in date form the value is shown as a DateNumber.
struct NumberRequest {
    std::string caption;
    std::string prompt;
    std::int32_t value = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    bool dateForm = false;
};

// Text of minLength..maxLength characters (TTextinputdlg).
struct TextRequest {
    std::string caption;
    std::string prompt;
    std::string value;
    int minLength = 0;
    int maxLength = 80;
    std::string okCaption = "OK";
};

// Date between two limits (tdatumdlg2); the smaller limit is the earliest date.
struct DateRequest {
    std::string caption;
    DateNumber value = 0;
    DateNumber limitA = 0;
    DateNumber limitB = 0;
};

// One line of several (tauswahlboxdlg, tcomboauswahlboxdlg2).
struct ChoiceRequest {
    enum class Style { List, Combo, EditableCombo, Radio };
    std::string caption;
    std::string prompt;
    std::vector<std::string> lines;
    int current = 0;
    Style style = Style::List;
};

// File choice for opening or saving. Suffixes without a dot-star get "*" put in front for the filter.
struct FileRequest {
    bool save = false;
    std::string title;
    std::string path;                   // folder and file name to start from
    std::vector<std::string> suffixes;  // e.g. {".TXT"}; empty = any
};

// Box with up to three buttons (Tboxdlg). Returns the modal result of the pressed button.
struct BoxRequest {
    std::string caption;
    std::string text;                                  // lines separated by "\r\n"
    std::vector<std::pair<std::string, int>> buttons;  // caption, id
};

// Print request of the print dialog.
struct PrintRequest {
    int copies = 1;
    int fromPage = 1;
    int toPage = 1;
    int minPage = 1;
    int maxPage = 1;
    bool allPages = true;
    bool collate = false;
    bool printToFile = false;
    static PrintRequest forPages(int n) {
        PrintRequest r;
        r.toPage = n;
        r.maxPage = n;
        return r;
    }
};

// Pages of text to print: drawPage(page, linesPerPage, out) fills one page and answers whether another follows.
struct PrintJob {
    std::string title;
    std::string fontName;  // empty = the printer's default
    int fontSize = 10;
    PrintRequest request;
    int firstPage = 1;
    int lastPage = 1;
    int marginLeftMm = 15, marginTopMm = 10, marginRightMm = 20, marginBottomMm = 20;
    std::function<bool(int page, int linesPerPage, TextPage& out)> drawPage;
};

// Result of a shell start: success when `handle` is above 32; `errorText` then empty.
struct ShellResult {
    long handle = 0;
    std::string errorText;  // "ShellExecute: <code> <text>" on failure
    bool ok() const { return handle > 32; }
};

class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // Information, titled "Mitteilung".
    virtual void inform(const std::string& text) = 0;
    // Error with a title ("FEHLER" unless the caller names another).
    virtual void error(const std::string& text, const std::string& title = kTitleError) = 0;
    // Yes/No question; true for Yes.
    virtual bool ask(const std::string& text, const std::string& title = "") = 0;
    // Message panel of the status line.
    virtual void status(const std::string& text) = 0;

    virtual std::optional<std::int32_t> askNumber(const NumberRequest& request) = 0;
    virtual std::optional<std::string> askText(const TextRequest& request) = 0;
    virtual std::optional<DateNumber> askDate(const DateRequest& request) = 0;
    virtual std::optional<int> chooseLine(const ChoiceRequest& request) = 0;
    virtual std::optional<std::string> chooseFile(const FileRequest& request) = 0;
    virtual std::optional<std::string> chooseDirectory(const std::string& caption, const std::string& path) = 0;
    virtual int showBox(const BoxRequest& request) = 0;
    // Information lines box (Taboutdlg2).
    virtual void showLines(const std::string& caption, const std::vector<std::string>& lines) = 0;
    // Runs the print dialog and prints; false when cancelled or failed.
    virtual bool print(PrintJob& job) = 0;
    virtual ShellResult shellOpen(const std::string& target) = 0;
};

}  // namespace kvx
