// The answering ModalRunner of the widget tests.
#include "answering_runner.h"

namespace kvx::test {

namespace {
AnsweringRunner* g_active = nullptr;
void log(const QString& line) {
    if (g_active) g_active->transcript << line;
}
}  // namespace

int AnsweringRunner::runDialog(Tkodialog& dialog) {
    g_active = this;
    ++dialogsRun;
    transcript << QStringLiteral("dialog \"%1\"").arg(dialog.caption());
    for (const ControlInfo& c : dialog.controls())
        transcript << QStringLiteral("  control %1: \"%2\"").arg(c.id).arg(c.value);
    if (dialogAnswers.empty()) {
        transcript << QStringLiteral("  (no answer: cancel)");
        dialog.pressButton(dlgid::kCancel);
    } else {
        DialogAnswer answer = std::move(dialogAnswers.front());
        dialogAnswers.pop_front();
        answer(dialog);
    }
    transcript << QStringLiteral("  result %1").arg(dialog.modalResult());
    return dialog.modalResult();
}

void AnsweringRunner::showMessage(MessageKind kind, const QString& title, const QString& text) {
    messages.push_back({kind, title, text});
    transcript << QStringLiteral("  %1 [%2]: %3")
                      .arg(kind == MessageKind::Error ? QStringLiteral("error") : QStringLiteral("information"), title,
                           text);
}

bool AnsweringRunner::askQuestion(const QString& title, const QString& text) {
    const bool yes = questionAnswers.empty() ? false : questionAnswers.front();
    if (!questionAnswers.empty()) questionAnswers.pop_front();
    transcript << QStringLiteral("  question [%1]: %2").arg(title, text);
    return yes;
}

std::optional<QString> AnsweringRunner::chooseFile(const FileChoice& choice) {
    fileChoices.push_back(choice);
    if (fileAnswers.empty() || !fileAnswers.front()) {
        if (!fileAnswers.empty()) fileAnswers.pop_front();
        return std::nullopt;
    }
    // The text is taken out before the optional is dropped: copying a std::optional<QString> makes GCC 12
    // at -O3 warn about an uninitialised QString inside the disengaged case.
    QString answer = std::move(*fileAnswers.front());
    fileAnswers.pop_front();
    return answer;
}

std::optional<QFont> AnsweringRunner::chooseFont(const FontChoice& choice) {
    fontChoices.push_back(choice);
    if (fontAnswers.empty()) return std::nullopt;
    std::optional<QFont> answer = fontAnswers.front();
    fontAnswers.pop_front();
    return answer;
}

bool AnsweringRunner::printDialog(QPrinter&, int& fromPage, int& toPage, int& copies, int minPage, int maxPage) {
    transcript << QStringLiteral("print dialog %1-%2 (%3..%4) copies %5")
                      .arg(fromPage)
                      .arg(toPage)
                      .arg(minPage)
                      .arg(maxPage)
                      .arg(copies);
    if (!printAccept) return false;
    if (printPages) {
        fromPage = printPages->first;
        toPage = printPages->second;
    }
    return true;
}

void fill(Tkodialog& dialog, int id, const QString& text) {
    log(QStringLiteral("  set %1 = \"%2\"").arg(id).arg(text));
    dialog.setControlText(id, text);
}

void press(Tkodialog& dialog, int id) {
    log(QStringLiteral("  press %1").arg(id));
    dialog.pressButton(id);
    if (!dialog.isClosed()) log(QStringLiteral("  dialog stays open"));
}

}  // namespace kvx::test
