// Script execution and transcript.
#include "app/script/script_session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <algorithm>

#include "app/ui/tfzgwwindow.h"
#include "app/ui/tzusatzform.h"
#include "framework/tkodialog.h"

namespace kvx::script {

namespace {

QString kindName(StepKind kind) {
    switch (kind) {
        case StepKind::Answer:
            return QStringLiteral("answer yes/no");
        case StepKind::Dialog:
            return QStringLiteral("dialog");
        case StepKind::File:
            return QStringLiteral("file");
        case StepKind::Print:
            return QStringLiteral("print");
        case StepKind::Font:
            return QStringLiteral("font");
        default:
            return QStringLiteral("action");
    }
}

bool isAnswer(StepKind kind) {
    return kind == StepKind::Answer || kind == StepKind::Dialog || kind == StepKind::File || kind == StepKind::Print ||
           kind == StepKind::Font;
}

}  // namespace

void ScriptSession::say(const QString& line) {
    // Paths inside the program directory are shown relative to it, so that transcripts do not depend on
    // where a run takes place.
    QString shown = line;
    if (m_window != nullptr) {
        QString dir = QString::fromStdString(m_window->app().programDir());
        if (dir.endsWith(QLatin1Char('/'))) dir.chop(1);
        if (!dir.isEmpty()) shown.replace(dir, QStringLiteral("<program>"));
    }
    m_out << shown << '\n';
    m_out.flush();
}

void ScriptSession::run(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        if (isAnswer(step.kind)) {
            m_answers.push_back(step);
            continue;
        }
        runAction(step);
    }
    if (!m_answers.empty()) {
        throw ScriptFailure(QStringLiteral("%1 answer(s) left over, the first from line %2 (%3)")
                                .arg(m_answers.size())
                                .arg(m_answers.front().line)
                                .arg(kindName(m_answers.front().kind))
                                .toStdString());
    }
}

Step ScriptSession::takeAnswer(StepKind kind, const QString& request) {
    if (m_answers.empty())
        throw ScriptFailure(
            (QStringLiteral("the program asks, but the script has no answer: ") + request).toStdString());
    if (m_answers.front().kind != kind) {
        throw ScriptFailure(QStringLiteral("the program asks for %1 (%2), but the next answer (line %3) is %4")
                                .arg(kindName(kind), request)
                                .arg(m_answers.front().line)
                                .arg(kindName(m_answers.front().kind))
                                .toStdString());
    }
    Step current = m_answers.front();
    m_answers.pop_front();
    return current;
}

void ScriptSession::copyFolder(const Step& step) {
    const QStringList names = step.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QDir from(names.at(0));
    if (!from.exists() || !QDir().mkpath(names.at(1)))
        throw ScriptFailure(QStringLiteral("line %1: cannot copy %2").arg(step.line).arg(step.text).toStdString());
    for (const QString& name : from.entryList(QDir::Files, QDir::Name)) {
        const QString target = names.at(1) + QLatin1Char('/') + name;
        QFile::remove(target);
        if (!QFile::copy(from.filePath(name), target))
            throw ScriptFailure(
                QStringLiteral("line %1: cannot copy %2").arg(step.line).arg(from.filePath(name)).toStdString());
    }
}

void ScriptSession::runAction(const Step& step) {
    if (m_window == nullptr) throw ScriptFailure("no window");
    const QString head = QStringLiteral("> ") + [&] {
        switch (step.kind) {
            case StepKind::Idle:
                return QStringLiteral("idle");
            case StepKind::Command:
                return QStringLiteral("command %1").arg(step.number);
            case StepKind::Tree:
                return QStringLiteral("tree ") + step.text;
            case StepKind::Click:
                return QStringLiteral("click %1").arg(step.number);
            case StepKind::RightClick:
                return QStringLiteral("rightclick %1").arg(step.number);
            case StepKind::DoubleClick:
                return QStringLiteral("doubleclick %1").arg(step.number);
            case StepKind::LineClick:
                return QStringLiteral("lineclick %1").arg(step.number);
            case StepKind::LineDoubleClick:
                return QStringLiteral("linedoubleclick %1").arg(step.number);
            case StepKind::Show:
                return QStringLiteral("show ") + step.text;
            case StepKind::Close:
                return QStringLiteral("close");
            case StepKind::ExpectClosed:
                return QStringLiteral("expect-closed");
            case StepKind::Restart:
                return step.text.isEmpty() ? QStringLiteral("restart") : QStringLiteral("restart ") + step.text;
            case StepKind::Screenshot:
                return QStringLiteral("screenshot ") + step.text;
            case StepKind::Copy:
                return QStringLiteral("copy ") + step.text;
            default:
                return QStringLiteral("note ") + step.text;
        }
    }();
    say(head);
    if (step.kind == StepKind::Restart) {
        if (!m_window->isClosedForGood())
            throw ScriptFailure(QStringLiteral("line %1: the window is still open; close it before a restart")
                                    .arg(step.line)
                                    .toStdString());
        if (!restart) throw ScriptFailure("no restart in this driver");
        m_window = restart(step.text);
        return;
    }
    if (step.kind == StepKind::Copy) {
        copyFolder(step);
        return;
    }
    if (m_window->isClosedForGood() && step.kind != StepKind::ExpectClosed && step.kind != StepKind::Note &&
        step.kind != StepKind::Show)
        throw ScriptFailure(QStringLiteral("line %1: the window is closed").arg(step.line).toStdString());
    const bool wasClosed = m_window->isClosedForGood();
    QString error;
    bool ok = true;
    switch (step.kind) {
        case StepKind::Idle:
            for (int guard = 0; guard < 1000 && m_window->idleStep(); ++guard) {
            }
            break;
        case StepKind::Command:
            m_window->dispatch(step.number);
            break;
        case StepKind::Tree:
            ok = m_window->scriptSelectTree(step.text, error);
            break;
        case StepKind::Click:
            ok = m_window->scriptClickRow(step.number, RowClick::Click, error);
            break;
        case StepKind::RightClick:
            ok = m_window->scriptClickRow(step.number, RowClick::Right, error);
            break;
        case StepKind::DoubleClick:
            ok = m_window->scriptClickRow(step.number, RowClick::Double, error);
            break;
        case StepKind::LineClick:
            ok = m_window->scriptClickLine(step.number, false, error);
            break;
        case StepKind::LineDoubleClick:
            ok = m_window->scriptClickLine(step.number, true, error);
            break;
        case StepKind::Show:
            show(step.text);
            break;
        case StepKind::Close:
            m_window->close();
            break;
        case StepKind::ExpectClosed:
            ok = m_window->isClosedForGood();
            if (!ok) error = QStringLiteral("the window is still open");
            break;
        case StepKind::Screenshot: {
            const std::optional<ScreenshotTarget> target = parseScreenshotTarget(step.text);
            QWidget* widget = m_window;
            if (target && target->infoForm) {
                auto* info = m_window->findChild<tzusatzform*>();
                widget = info != nullptr && info->isVisible() ? info : nullptr;
                if (widget == nullptr) error = QStringLiteral("the information form is not shown");
            }
            ok = target && widget != nullptr;
            if (ok) screenshot(*widget, target->fileName, step.line);
            break;
        }
        default:
            break;
    }
    if (!wasClosed && m_window->isClosedForGood()) say(QStringLiteral("  window closed"));
    if (!ok) throw ScriptFailure(QStringLiteral("line %1: %2").arg(step.line).arg(error).toStdString());
}

// The bytes of a file, line by line: a line ends after each LF; CR, LF, tab and every byte outside printable
// ASCII are written as \r, \n, \t and \xNN, a backslash as \\, so that the transcript shows the file exactly.
static QStringList fileBytesLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("file %1: cannot be read").arg(path)};
    const QByteArray bytes = file.readAll();
    QStringList lines{QStringLiteral("file %1, %2 bytes").arg(path).arg(bytes.size())};
    QString line;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '\r') {
            line += QStringLiteral("\\r");
        } else if (b == '\n') {
            line += QStringLiteral("\\n");
        } else if (b == '\t') {
            line += QStringLiteral("\\t");
        } else if (b == '\\') {
            line += QStringLiteral("\\\\");
        } else if (b < 0x20 || b > 0x7E) {
            line += QStringLiteral("\\x%1").arg(b, 2, 16, QLatin1Char('0'));
        } else {
            line += QLatin1Char(static_cast<char>(b));
        }
        if (b == '\n') {
            lines.push_back(QStringLiteral("| ") + line);
            line.clear();
        }
    }
    if (!line.isEmpty()) lines.push_back(QStringLiteral("| ") + line);
    return lines;
}

void ScriptSession::show(const QString& what) {
    if (what.startsWith(QStringLiteral("file "))) {
        for (const QString& line : fileBytesLines(what.mid(5))) say(QStringLiteral("  ") + line);
        return;
    }
    if (what.startsWith(QStringLiteral("record "))) {
        const QStringList words = what.split(QLatin1Char(' '));
        for (const QString& line : m_window->describeRecord(words.value(1), words.value(2).toUInt()))
            say(QStringLiteral("  ") + line);
        return;
    }
    const QStringList parts = what.isEmpty() ? QStringList{QStringLiteral("all")} : what.split(QLatin1Char(' '));
    for (const QString& part : parts) {
        const QStringList lines = m_window->describe(part);
        if (lines.isEmpty())
            throw ScriptFailure((QStringLiteral("nothing to show for '") + part + QStringLiteral("'")).toStdString());
        for (const QString& line : lines) say(QStringLiteral("  ") + line);
    }
}

void ScriptSession::applyDialogOps(Tkodialog& dialog, const Step& answer) {
    for (const DialogOp& op : answer.ops) {
        bool ok = true;
        if (op.verb == QStringLiteral("set")) {
            ok = dialog.setControlText(op.id, op.value);
            say(QStringLiteral("    set %1 = \"%2\"").arg(op.id).arg(op.value));
        } else if (op.verb == QStringLiteral("check")) {
            ok = dialog.setChecked(op.id, op.value == QStringLiteral("on"));
            say(QStringLiteral("    check %1 %2").arg(op.id).arg(op.value));
        } else if (op.verb == QStringLiteral("select")) {
            ok = dialog.setCurrentIndex(op.id, op.value.toInt());
            say(QStringLiteral("    select %1 index %2").arg(op.id).arg(op.value));
        } else if (op.verb == QStringLiteral("date")) {
            ok = dialog.setControlText(op.id, op.value);
            say(QStringLiteral("    date %1 %2").arg(op.id).arg(op.value));
        } else if (op.verb == QStringLiteral("screenshot")) {
            say(QStringLiteral("    screenshot %1").arg(op.value));
            // A scripted dialog is never shown; it is shown just long enough to be drawn.
            const bool wasVisible = dialog.isVisible();
            if (!wasVisible) dialog.show();
            screenshot(dialog, op.value.trimmed(), answer.line);
            if (!wasVisible) dialog.hide();
        } else if (op.verb == QStringLiteral("press")) {
            say(QStringLiteral("    press %1").arg(op.id));
            ok = dialog.pressButton(op.id);
        } else if (op.verb == QStringLiteral("cancel")) {
            say(QStringLiteral("    cancel"));
            ok = dialog.pressButton(2);
        }
        if (!ok) {
            throw ScriptFailure(QStringLiteral("line %1: dialog \"%2\" has no usable control %3 for '%4'")
                                    .arg(answer.line)
                                    .arg(dialog.caption())
                                    .arg(op.id)
                                    .arg(op.verb)
                                    .toStdString());
        }
    }
}

int ScriptSession::runDialog(Tkodialog& dialog) {
    say(QStringLiteral("  dialog \"%1\"").arg(dialog.caption()));
    for (const ControlInfo& c : dialog.controls()) say(QStringLiteral("    control %1: \"%2\"").arg(c.id).arg(c.value));
    // An input error keeps the dialog open: the next dialog answer fills it again.
    for (;;) {
        const Step answer = takeAnswer(StepKind::Dialog, QStringLiteral("dialog \"%1\"").arg(dialog.caption()));
        applyDialogOps(dialog, answer);
        if (dialog.isClosed() || dialog.modalResult() != 0) break;
        say(QStringLiteral("    dialog stays open"));
    }
    say(QStringLiteral("    result %1").arg(dialog.modalResult()));
    return dialog.modalResult();
}

void ScriptSession::screenshot(QWidget& widget, const QString& fileName, int line) {
    QCoreApplication::processEvents();  // pending layouts and paints
    const QString folder = m_screenshotFolder.isEmpty() ? QDir::currentPath() : m_screenshotFolder;
    const QString path = QDir(folder).filePath(fileName);
    // A picture that cannot be written fails the run: a manual built from it would silently show an old one.
    if (!widget.grab().save(path, "PNG"))
        throw ScriptFailure(
            QStringLiteral("line %1: the screenshot %2 cannot be written").arg(line).arg(path).toStdString());
}

void ScriptSession::showMessage(MessageKind kind, const QString& title, const QString& text) {
    const QString what = kind == MessageKind::Error ? QStringLiteral("error") : QStringLiteral("information");
    say(QStringLiteral("  %1 [%2]: %3").arg(what, title, text));
}

bool ScriptSession::askQuestion(const QString& title, const QString& text) {
    const Step answer = takeAnswer(StepKind::Answer, QStringLiteral("question \"%1\"").arg(text));
    const bool yes = answer.text == QStringLiteral("yes");
    say(QStringLiteral("  question [%1]: %2 -> %3")
            .arg(title, text, yes ? QStringLiteral("Ja") : QStringLiteral("Nein")));
    return yes;
}

std::optional<QString> ScriptSession::chooseFile(const FileChoice& choice) {
    const Step answer = takeAnswer(StepKind::File, QStringLiteral("file \"%1\"").arg(choice.title));
    say(QStringLiteral("  file choice \"%1\" (%2, %3): %4")
            .arg(choice.title, choice.save ? QStringLiteral("save") : QStringLiteral("open"),
                 choice.suffixes.join(QLatin1Char(' ')), answer.text));
    if (answer.text == QStringLiteral("cancel")) return std::nullopt;
    return answer.text;
}

std::optional<QFont> ScriptSession::chooseFont(const FontChoice& choice) {
    const Step step = takeAnswer(StepKind::Font, QStringLiteral("font \"%1\"").arg(choice.title));
    const std::optional<FontAnswer> answer = parseFontAnswer(step.text);
    const QFont& f = choice.initial;
    const QString opened = QStringLiteral("%1 %2%3%4")
                               .arg(f.family())
                               .arg(f.pointSize())
                               .arg(f.bold() ? QStringLiteral(" bold") : QString())
                               .arg(f.italic() ? QStringLiteral(" italic") : QString());
    const QString head =
        QStringLiteral("  font choice \"%1\" (%2, %3..%4): %5 -> ")
            .arg(choice.title, choice.fixedPitchOnly ? QStringLiteral("fixed pitch") : QStringLiteral("any pitch"))
            .arg(choice.minSize)
            .arg(choice.maxSize)
            .arg(opened);
    if (!answer || answer->cancel) {
        say(head + QStringLiteral("cancel"));
        return std::nullopt;
    }
    // The dialog offers only the sizes of its range.
    QFont font(answer->name, std::clamp(answer->size, choice.minSize, choice.maxSize));
    font.setBold(answer->bold);
    font.setItalic(answer->italic);
    say(head + QStringLiteral("%1 %2%3%4")
                   .arg(font.family())
                   .arg(font.pointSize())
                   .arg(font.bold() ? QStringLiteral(" bold") : QString())
                   .arg(font.italic() ? QStringLiteral(" italic") : QString()));
    return font;
}

bool ScriptSession::printDialog(QPrinter& printer, int& fromPage, int& toPage, int& copies, int minPage, int maxPage) {
    const Step answer = takeAnswer(StepKind::Print, QStringLiteral("print dialog"));
    say(QStringLiteral("  print dialog pages %1-%2 (%3..%4), copies %5 -> %6")
            .arg(fromPage)
            .arg(toPage)
            .arg(minPage)
            .arg(maxPage)
            .arg(copies)
            .arg(answer.text));
    if (answer.text != QStringLiteral("ok")) return false;
    const QString folder = m_printFolder.isEmpty() ? QDir::tempPath() : m_printFolder;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(folder).filePath(QStringLiteral("print-%1.pdf").arg(++m_printJobs)));
    return true;
}

void ScriptSession::pagePrinted(const QString& title, int page, const QStringList& lines) {
    say(QStringLiteral("  printed \"%1\" page %2").arg(title).arg(page));
    for (const QString& line : lines) say(QStringLiteral("    | ") + line);
}

bool ScriptSession::openExternally(const QString& target) {
    say(QStringLiteral("  shell open: ") + target);
    return true;
}

}  // namespace kvx::script
