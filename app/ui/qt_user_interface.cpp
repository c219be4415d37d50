// The user-interface port on Qt.
#include "app/ui/qt_user_interface.h"

#include "framework/box_dialog.h"
#include "framework/choice_dialogs.h"
#include "framework/messages.h"
#include "framework/printing.h"
#include "framework/shell.h"
#include "framework/small_dialogs.h"
#include "framework/system_dialogs.h"

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

namespace {
QStringList qLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& line : lines) out << QString::fromStdString(line);
    return out;
}
}  // namespace

std::optional<int> QtUserInterface::chooseLine(const ChoiceRequest& r) {
    int index = r.current;
    bool ok = false;
    switch (r.style) {
        case ChoiceRequest::Style::List:
            ok = runListChoice(m_owner, q(r.caption), q(r.prompt), qLines(r.lines), index);
            break;
        case ChoiceRequest::Style::Combo:
        case ChoiceRequest::Style::EditableCombo:
            ok = runComboChoice(m_owner, q(r.caption), q(r.prompt), qLines(r.lines), index,
                                r.style == ChoiceRequest::Style::EditableCombo);
            break;
        case ChoiceRequest::Style::Radio:
            ok = runRadioChoice(m_owner, q(r.caption), q(r.prompt), qLines(r.lines), index);
            break;
    }
    if (!ok) return std::nullopt;
    return index;
}

std::optional<std::string> QtUserInterface::chooseFile(const FileRequest& r) {
    auto chosen = chooseFileChecked(r.save, q(r.title), q(r.path), qLines(r.suffixes));
    if (!chosen) return std::nullopt;
    return chosen->toStdString();
}

std::optional<std::string> QtUserInterface::chooseDirectory(const std::string& caption, const std::string& path) {
    QString value = q(path);
    if (!runDirectoryChoice(m_owner, q(caption), value)) return std::nullopt;
    return value.toStdString();
}

int QtUserInterface::showBox(const BoxRequest& r) {
    BoxOptions options;
    options.owner = m_owner;
    options.caption = q(r.caption);
    options.text = q(r.text);
    for (const auto& [caption, id] : r.buttons) options.buttons.push_back({q(caption), id, {}});
    return kvx::showBox(options);
}

void QtUserInterface::showLines(const std::string& caption, const std::vector<std::string>& lines) {
    int width = 20;
    for (const auto& line : lines) width = std::max<int>(width, static_cast<int>(q(line).size()) + 2);
    runAboutLines(m_owner, q(caption), qLines(lines), std::min(width, 80));
}

bool QtUserInterface::print(PrintJob& job) {
    return printPages(job);
}

ShellResult QtUserInterface::shellOpen(const std::string& target) {
    return kvx::shellOpen(q(target));
}

}  // namespace kvx
