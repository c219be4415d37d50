// The script language of korvanex-script: one step per line; answers are queued before the action that
// needs them. See docs/script-driver.md.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kvx::script {

enum class StepKind {
    // answers, queued
    Answer,  // yes | no
    Dialog,  // block of dialog operations ending with a press or cancel
    File,    // a path, or cancel (a directory choice is a code-built dialog: a Dialog answer)
    Print,   // ok | cancel
    Font,    // NAME SIZE [bold] [italic] | cancel
    // actions
    Idle,
    Command,
    Tree,   // select the tree node with this datum (or "first-last" article numbers)
    Click,  // list row (0-based)
    RightClick,
    DoubleClick,
    LineClick,  // painted view line
    LineDoubleClick,
    Show,   // view | status | info | menu | all
    Close,  // the window's close button
    ExpectClosed,
    Restart,     // a fresh program run in the same program directory, optionally on another day (YYYY-MM-DD)
    Screenshot,  // a PNG of the main window, or with `info` of the information form
    Note,        // a text copied into the transcript
    Copy         // FROM TO: the files of folder FROM copied into folder TO (both in the program directory)
};

// One operation inside a dialog block: set ID TEXT | check ID on|off | select ID INDEX | date ID DD.MM.YYYY |
// screenshot NAME.png | press ID | cancel.
struct DialogOp {
    QString verb;
    int id = 0;
    QString value;
};

struct Step {
    StepKind kind = StepKind::Note;
    int line = 0;  // line number in the script
    QString text;  // argument as written
    int number = 0;
    std::vector<DialogOp> ops;  // Dialog: the operations in order
};

// The answer to a font dialog: `font NAME SIZE [bold] [italic]` (the name may contain blanks) or `font cancel`.
struct FontAnswer {
    bool cancel = false;
    QString name;
    int size = 0;
    bool bold = false;
    bool italic = false;
};
std::optional<FontAnswer> parseFontAnswer(const QString& rest);

// The argument of a screenshot step: `[info] NAME.png`. The name is a plain file name (no folder part), so a
// script writes only into the screenshot folder of its run.
struct ScreenshotTarget {
    bool infoForm = false;
    QString fileName;
};
std::optional<ScreenshotTarget> parseScreenshotTarget(const QString& rest);

// Parses the whole script; on a syntax error returns nothing and sets `error` ("line N: ...").
std::optional<std::vector<Step>> parseScript(const QString& source, QString& error);

}  // namespace kvx::script
