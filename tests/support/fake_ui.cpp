// Scripted answers for core tests.
#include "tests/support/fake_ui.h"

#include <stdexcept>

#include "search/search_dialog_context.h"
#include "search/search_parameter_set.h"

namespace kvx::test {

Answer FakeUi::next(const std::string& what) {
    if (answers.empty()) throw std::logic_error("FakeUi: no answer left for " + what);
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

bool FakeUi::ask(const std::string& text, const std::string& title) {
    Answer a = next("ask: " + text);
    const bool yes = std::holds_alternative<bool>(a) && std::get<bool>(a);
    log.push_back("ask[" + title + "]: " + text + " -> " + (yes ? "Ja" : "Nein"));
    return yes;
}

std::optional<std::int32_t> FakeUi::askNumber(const NumberRequest& request) {
    lastNumberRequest = request;
    Answer a = next("number: " + request.caption);
    log.push_back("number: " + request.caption);
    if (auto* v = std::get_if<std::int32_t>(&a)) return *v;
    return std::nullopt;
}

std::optional<std::string> FakeUi::askText(const TextRequest& request) {
    Answer a = next("text: " + request.caption);
    log.push_back("text: " + request.caption);
    if (auto* v = std::get_if<std::string>(&a)) return *v;
    return std::nullopt;
}

std::optional<DateNumber> FakeUi::askDate(const DateRequest& request) {
    lastDateRequest = request;
    Answer a = next("date: " + request.caption);
    log.push_back("date: " + request.caption);
    if (auto* v = std::get_if<std::int32_t>(&a)) return *v;
    return std::nullopt;
}

std::optional<int> FakeUi::chooseLine(const ChoiceRequest& request) {
    Answer a = next("choice: " + request.caption);
    log.push_back("choice: " + request.caption);
    if (auto* v = std::get_if<std::int32_t>(&a)) return *v;
    return std::nullopt;
}

std::optional<std::string> FakeUi::chooseFile(const FileRequest& request) {
    lastFileRequest = request;
    Answer a = next("file: " + request.title);
    log.push_back("file: " + request.title);
    if (auto* v = std::get_if<std::string>(&a)) return *v;
    return std::nullopt;
}

std::optional<std::string> FakeUi::chooseDirectory(const std::string& caption, const std::string&) {
    Answer a = next("directory: " + caption);
    log.push_back("directory: " + caption);
    if (auto* v = std::get_if<std::string>(&a)) return *v;
    return std::nullopt;
}

int FakeUi::showBox(const BoxRequest& request) {
    Answer a = next("box: " + request.caption);
    log.push_back("box: " + request.caption + ": " + request.text);
    if (auto* v = std::get_if<std::int32_t>(&a)) return *v;
    return 2;
}

void FakeUi::showLines(const std::string& caption, const std::vector<std::string>& lines) {
    std::string all = "lines: " + caption;
    for (const auto& l : lines) all += " | " + l;
    log.push_back(all);
}

bool FakeUi::print(PrintJob& job) {
    Answer a = next("print: " + job.title);
    const bool yes = std::holds_alternative<bool>(a) && std::get<bool>(a);
    log.push_back("print: " + job.title + (yes ? "" : " (abgebrochen)"));
    if (!yes || !job.drawPage) return false;
    for (int page = job.firstPage; page <= job.lastPage; ++page) {
        TextPage out;
        const bool more = job.drawPage(page, 60, out);
        for (const auto& line : textFileLines(out)) log.push_back("page " + std::to_string(page) + ": " + line);
        if (!more) break;
    }
    return true;
}

ShellResult FakeUi::shellOpen(const std::string& target) {
    log.push_back("shell: " + target);
    return {33, ""};
}

bool FakeUi::editSearchParameters(SearchParameterSet& set, SearchDialogContext& context) {
    Answer a = next("search dialog");
    const auto* edit = std::get_if<SearchDialogAnswer>(&a);
    const bool ok = edit && edit->edit && edit->edit(set, context);
    log.push_back("dialog: Suchparameter " + std::to_string(context.slotNumber) + (ok ? " -> OK" : " -> Abbruch"));
    return ok;
}

bool FakeUi::editStatusFilter(std::array<std::uint8_t, 5>& filter) {
    Answer a = next("filter dialog");
    const auto* bytes = std::get_if<FilterAnswer>(&a);
    log.push_back(std::string("dialog: Filter") + (bytes ? " -> OK" : " -> Abbruch"));
    if (!bytes) return false;
    filter = *bytes;
    return true;
}

template <typename T>
bool FakeUi::settingsDialog(const std::string& what, const std::string& opened, T& value) {
    Answer a = next("dialog: " + what);
    const auto* answer = std::get_if<T>(&a);
    log.push_back("dialog: " + what + " [" + opened + "]" + (answer ? " -> OK" : " -> Abbruch"));
    if (!answer) return false;
    value = *answer;
    return true;
}

bool FakeUi::editFolders(FolderSettings& f) {
    return settingsDialog("Verzeichnisse", f.datasheetFolder + "|" + f.textFolder, f);
}

bool FakeUi::editBasicSettings(BasicSettings& b) {
    return settingsDialog("Grundeinstellungen", std::to_string(b.priceDisplay) + "|" + std::to_string(b.workingMode),
                          b);
}

bool FakeUi::chooseFont(FontSlot slot, ChosenFont& f) {
    const std::string opened =
        f.name + " " + std::to_string(f.pointSize) + (f.bold ? " bold" : "") + (f.italic ? " italic" : "");
    return settingsDialog("font " + std::to_string(static_cast<int>(slot)), opened, f);
}

bool FakeUi::editInternetAddress(InternetAddress& e) {
    return settingsDialog("Internetadresse wählen",
                          e.company + "|" + e.url + "|" + e.abbreviation1 + "|" + e.abbreviation2, e);
}

bool FakeUi::editDeliveryData(DeliveryData& d) {
    const std::string opened = std::to_string(d.orderType) + "|" + std::to_string(d.destination) + "|" +
                               std::to_string(d.shipping) + "|" + std::to_string(d.payment) + "|" + d.customerNumber;
    return settingsDialog("Einstellungen", opened, d);
}

bool FakeUi::editCompanyData(CompanyData& c) {
    return settingsDialog("Firmendaten eingeben",
                          c.name + "|" + c.town + "|" + c.street + "|" + c.phone + "|" + c.email, c);
}

std::vector<std::string> FakeUi::linesStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& l : log)
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

}  // namespace kvx::test
