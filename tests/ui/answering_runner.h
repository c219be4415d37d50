// A ModalRunner for widget tests: answers each dialog with the next queued action (fill controls, press
// buttons), records messages, and keeps a transcript of what was shown and done. Installs itself for its
// lifetime.
#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "framework/modal_runner.h"
#include "framework/tkodialog.h"

namespace kvx::test {

struct RecordedMessage {
    MessageKind kind;
    QString title;
    QString text;
};

class AnsweringRunner final : public ModalRunner {
  public:
    using DialogAnswer = std::function<void(Tkodialog&)>;

    AnsweringRunner() { setModalRunner(this); }
    ~AnsweringRunner() override { setModalRunner(nullptr); }

    std::deque<DialogAnswer> dialogAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<bool> questionAnswers;
    // The font dialog: the font chosen, or nothing for "Abbrechen".
    std::deque<std::optional<QFont>> fontAnswers;
    std::vector<FontChoice> fontChoices;
    // The print dialog: accept or not, and the page range the user picks.
    bool printAccept = true;
    std::optional<std::pair<int, int>> printPages;

    std::vector<RecordedMessage> messages;
    std::vector<FileChoice> fileChoices;
    QStringList transcript;
    int dialogsRun = 0;

    int runDialog(Tkodialog& dialog) override;
    void showMessage(MessageKind kind, const QString& title, const QString& text) override;
    bool askQuestion(const QString& title, const QString& text) override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;
    std::optional<QFont> chooseFont(const FontChoice& choice) override;
    bool printDialog(QPrinter& printer, int& fromPage, int& toPage, int& copies, int minPage, int maxPage) override;
};

// Fills `id` with `text` and logs it; presses a button and logs it and whether the dialog stayed open.
void fill(Tkodialog& dialog, int id, const QString& text);
void press(Tkodialog& dialog, int id);

}  // namespace kvx::test
