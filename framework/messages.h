// Message services: information, error and yes/no question, and the status line. Every box goes through
// the modal runner, so scripts and tests can answer it.
#pragma once

#include <QString>

class QStatusBar;

namespace kvx {

struct MessageOptions {
    bool messageBoxes = true;   // off: informations and errors go to the status line
    bool confirmations = true;  // off: questions go to the status line and are answered yes
};

MessageOptions& messageOptions();

// The status bar and the number of its panel for messages (the last panel when the number is too high).
void setMessageStatusBar(QStatusBar* bar, int panel);

void showInformation(const QString& text);
void showError(const QString& title, const QString& text);
bool askYesNo(const QString& title, const QString& text);
// Writes a blank and the text into the message panel; without a status bar shows it as information.
void showStatus(const QString& text);

}  // namespace kvx
