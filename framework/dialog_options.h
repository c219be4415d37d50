// Framework-wide options of the code-built dialogs, set once by the main window at start. The program runs
// with the defaults below, except the dialog font, which comes from the settings.
#pragma once

#include <QFont>
#include <optional>

namespace kvx {

class TraceLog;

struct DialogOptions {
    // The dialog font ("Dialogfont"); none = the form's own font, metrics 8 x 8.
    std::optional<QFont> dialogFont;
    // Tooltips from item hints only at level 2 or higher; the main window sets 1.
    int hintLevel = 1;
    // Standard buttons as wide as their caption (10..25 characters) instead of 10 characters.
    bool captionDependentButtonWidths = false;
    // Append the dialog id to every caption.
    bool showDialogId = false;
    bool systemMenu = true;
    // Input errors focus their field without a message box.
    bool messageBoxesSuppressed = false;
    // Number input appends " (min - max)" to its caption.
    bool showRange = false;
    // Where trace lines go; none = no tracing.
    TraceLog* trace = nullptr;
};

DialogOptions& dialogOptions();

// Absolute pixel height of a font as the metrics need it (point sizes converted at the screen's dpi).
int fontPixelHeight(const QFont& font);

}  // namespace kvx
