// The user-interface port on Qt.
#include "app/ui/qt_user_interface.h"

#include "framework/messages.h"
#include "framework/printing.h"
#include "framework/shell.h"
#include "framework/small_dialogs.h"

namespace kvx {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

void QtUserInterface::inform(const std::string& text) {
    showInformation(q(text));
}
void QtUserInterface::error(const std::string& text, const std::string& title) {
    showError(q(title), q(text));
}
bool QtUserInterface::ask(const std::string& text, const std::string& title) {
    return askYesNo(q(title), q(text));
}
void QtUserInterface::status(const std::string& text) {
    showStatus(q(text));
}

std::optional<std::int32_t> QtUserInterface::askNumber(const NumberRequest& r) {
    std::int32_t value = r.value;
    if (!runNumberInput(m_owner, q(r.caption), q(r.prompt), value, r.minimum, r.maximum, r.dateForm))
        return std::nullopt;
    return value;
}

std::optional<std::string> QtUserInterface::askText(const TextRequest& r) {
    QString value = q(r.value);
    if (!runTextInput(m_owner, q(r.caption), q(r.prompt), value, r.minLength, r.maxLength, q(r.okCaption)))
        return std::nullopt;
    return value.toStdString();
}

std::optional<DateNumber> QtUserInterface::askDate(const DateRequest& r) {
    DateNumber value = r.value;
    if (!runDateInput(m_owner, q(r.caption), value, r.limitA, r.limitB)) return std::nullopt;
    return value;
}

// TODO(lead): route through the list, file, directory, box and information-lines dialogs once they exist.
std::optional<int> QtUserInterface::chooseLine(const ChoiceRequest&) {
    return std::nullopt;
}
std::optional<std::string> QtUserInterface::chooseFile(const FileRequest&) {
    return std::nullopt;
}
std::optional<std::string> QtUserInterface::chooseDirectory(const std::string&, const std::string&) {
    return std::nullopt;
}
int QtUserInterface::showBox(const BoxRequest&) {
    return 2;
}
void QtUserInterface::showLines(const std::string&, const std::vector<std::string>&) {}

bool QtUserInterface::print(PrintJob& job) {
    return printPages(job);
}

ShellResult QtUserInterface::shellOpen(const std::string& target) {
    return kvx::shellOpen(q(target));
}

}  // namespace kvx
