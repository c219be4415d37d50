// A UserInterface for core tests, and the fake of the search and settings subsystems' dialogs: answers
// questions, requests and dialogs from one queue and logs everything said, so a test scripts one
// conversation.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "base/user_interface.h"
#include "search/search_dialogs.h"
#include "settings/settings_dialogs.h"

namespace kvx::test {

// An answer is a bool (questions), a number, a text (text, file, directory requests), or Cancel; the search
// dialog takes an edit applied to its set (its result is the dialog's OK), the filter dialog the five bytes;
// a settings dialog takes the values it returns with OK (Cancel cancels it).
struct Cancel {};
struct SearchDialogAnswer {
    std::function<bool(SearchParameterSet&, SearchDialogContext&)> edit;
};
using FilterAnswer = std::array<std::uint8_t, 5>;
using Answer = std::variant<bool, std::int32_t, std::string, Cancel, SearchDialogAnswer, FilterAnswer, FolderSettings,
                            BasicSettings, ChosenFont, InternetAddress, DeliveryData, CompanyData>;

class FakeUi final : public UserInterface, public SearchDialogs, public SettingsDialogs {
  public:
    std::deque<Answer> answers;
    std::vector<std::string> log;  // "info: ...", "error[title]: ...", "ask: ... -> yes", ...
    FileRequest lastFileRequest;   // the last file choice asked for
    NumberRequest lastNumberRequest;
    DateRequest lastDateRequest;

    void inform(const std::string& text) override { log.push_back("info: " + text); }
    void error(const std::string& text, const std::string& title) override {
        log.push_back("error[" + title + "]: " + text);
    }
    bool ask(const std::string& text, const std::string& title) override;
    void status(const std::string& text) override { log.push_back("status: " + text); }
    std::optional<std::int32_t> askNumber(const NumberRequest& request) override;
    std::optional<std::string> askText(const TextRequest& request) override;
    std::optional<DateNumber> askDate(const DateRequest& request) override;
    std::optional<int> chooseLine(const ChoiceRequest& request) override;
    std::optional<std::string> chooseFile(const FileRequest& request) override;
    std::optional<std::string> chooseDirectory(const std::string& caption, const std::string& path) override;
    int showBox(const BoxRequest& request) override;
    void showLines(const std::string& caption, const std::vector<std::string>& lines) override;
    bool print(PrintJob& job) override;
    ShellResult shellOpen(const std::string& target) override;
    bool editSearchParameters(SearchParameterSet& set, SearchDialogContext& context) override;
    bool editStatusFilter(std::array<std::uint8_t, 5>& filter) override;
    bool editFolders(FolderSettings& folders) override;
    bool editBasicSettings(BasicSettings& settings) override;
    bool chooseFont(FontSlot slot, ChosenFont& font) override;
    bool editInternetAddress(InternetAddress& entry) override;
    bool editDeliveryData(DeliveryData& data) override;
    bool editCompanyData(CompanyData& data) override;

    // Lines logged that start with `prefix`.
    std::vector<std::string> linesStartingWith(const std::string& prefix) const;

  private:
    Answer next(const std::string& what);
    // Takes the next answer for a settings dialog: OK with its value of type T, anything else cancels.
    template <typename T>
    bool settingsDialog(const std::string& what, const std::string& opened, T& value);
};

}  // namespace kvx::test
