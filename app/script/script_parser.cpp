// Script parsing.
#include "app/script/script_parser.h"

#include <QRegularExpression>
#include <algorithm>

namespace kvx::script {

namespace {

std::optional<StepKind> actionKind(const QString& word) {
    static const QList<QPair<QString, StepKind>> kWords = {
        {QStringLiteral("idle"), StepKind::Idle},
        {QStringLiteral("command"), StepKind::Command},
        {QStringLiteral("tree"), StepKind::Tree},
        {QStringLiteral("click"), StepKind::Click},
        {QStringLiteral("rightclick"), StepKind::RightClick},
        {QStringLiteral("doubleclick"), StepKind::DoubleClick},
        {QStringLiteral("lineclick"), StepKind::LineClick},
        {QStringLiteral("linedoubleclick"), StepKind::LineDoubleClick},
        {QStringLiteral("show"), StepKind::Show},
        {QStringLiteral("close"), StepKind::Close},
        {QStringLiteral("expect-closed"), StepKind::ExpectClosed},
        {QStringLiteral("restart"), StepKind::Restart},
        {QStringLiteral("note"), StepKind::Note},
        {QStringLiteral("screenshot"), StepKind::Screenshot},
        {QStringLiteral("copy"), StepKind::Copy},
        {QStringLiteral("answer"), StepKind::Answer},
        {QStringLiteral("file"), StepKind::File},
        {QStringLiteral("print"), StepKind::Print},
        {QStringLiteral("font"), StepKind::Font},
    };
    for (const auto& [w, k] : kWords)
        if (w == word) return k;
    return std::nullopt;
}

bool parseDialogOp(const QString& line, DialogOp& op, QString& error) {
    const QString verb = line.section(QLatin1Char(' '), 0, 0);
    op.verb = verb;
    if (verb == QStringLiteral("cancel")) return true;
    if (verb == QStringLiteral("screenshot")) {
        op.value = line.section(QLatin1Char(' '), 1);
        const std::optional<ScreenshotTarget> target = parseScreenshotTarget(op.value);
        if (target && !target->infoForm) return true;
        error = QStringLiteral("screenshot NAME.png");
        return false;
    }
    bool ok = false;
    op.id = line.section(QLatin1Char(' '), 1, 1).toInt(&ok);
    if (!ok) {
        error = QStringLiteral("control id expected");
        return false;
    }
    op.value = line.section(QLatin1Char(' '), 2);
    // Values are checked here, so that a stray word (a trailing comment, say) is a syntax error rather than
    // a box silently left unchecked or a list set to its first line.
    const QString value = op.value.trimmed();
    if (verb == QStringLiteral("press")) {
        if (value.isEmpty()) return true;
        error = QStringLiteral("press takes a control id only");
        return false;
    }
    if (verb == QStringLiteral("check")) {
        if (value == QStringLiteral("on") || value == QStringLiteral("off")) return true;
        error = QStringLiteral("check ID on|off");
        return false;
    }
    if (verb == QStringLiteral("select")) {
        value.toInt(&ok);
        if (ok) return true;
        error = QStringLiteral("select ID INDEX");
        return false;
    }
    if (verb == QStringLiteral("set") || verb == QStringLiteral("date")) return true;
    error = QStringLiteral("unknown dialog operation '%1'").arg(verb);
    return false;
}

}  // namespace

std::optional<FontAnswer> parseFontAnswer(const QString& rest) {
    FontAnswer answer;
    if (rest.trimmed() == QStringLiteral("cancel")) {
        answer.cancel = true;
        return answer;
    }
    QStringList words = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (!words.isEmpty() && (words.back() == QStringLiteral("bold") || words.back() == QStringLiteral("italic"))) {
        (words.back() == QStringLiteral("bold") ? answer.bold : answer.italic) = true;
        words.pop_back();
    }
    if (words.size() < 2) return std::nullopt;
    bool ok = false;
    answer.size = words.back().toInt(&ok);
    if (!ok || answer.size <= 0) return std::nullopt;
    words.pop_back();
    answer.name = words.join(QLatin1Char(' '));
    return answer;
}

std::optional<ScreenshotTarget> parseScreenshotTarget(const QString& rest) {
    ScreenshotTarget target;
    QString name = rest.trimmed();
    if (name.startsWith(QStringLiteral("info "))) {
        target.infoForm = true;
        name = name.mid(5).trimmed();
    }
    static const QRegularExpression kPlainName(QStringLiteral("^[A-Za-z0-9_.-]+\\.png$"));
    if (!kPlainName.match(name).hasMatch() || name.startsWith(QLatin1Char('.'))) return std::nullopt;
    target.fileName = name;
    return target;
}

std::optional<std::vector<Step>> parseScript(const QString& source, QString& error) {
    std::vector<Step> steps;
    const QStringList lines = source.split(QLatin1Char('\n'));
    Step* openDialog = nullptr;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
        const int number = i + 1;
        if (openDialog != nullptr) {
            if (trimmed == QStringLiteral("end")) {
                if (openDialog->ops.empty() || (openDialog->ops.back().verb != QStringLiteral("press") &&
                                                openDialog->ops.back().verb != QStringLiteral("cancel"))) {
                    error = QStringLiteral("line %1: a dialog block ends with press or cancel").arg(number);
                    return std::nullopt;
                }
                openDialog = nullptr;
                continue;
            }
            DialogOp op;
            QString why;
            if (!parseDialogOp(trimmed, op, why)) {
                error = QStringLiteral("line %1: %2").arg(number).arg(why);
                return std::nullopt;
            }
            openDialog->ops.push_back(op);
            continue;
        }
        const QString word = trimmed.section(QLatin1Char(' '), 0, 0);
        const QString rest = trimmed.section(QLatin1Char(' '), 1);
        Step step;
        step.line = number;
        step.text = rest;
        if (word == QStringLiteral("dialog")) {
            step.kind = StepKind::Dialog;
            steps.push_back(step);
            openDialog = &steps.back();
            continue;
        }
        auto kind = actionKind(word);
        if (!kind) {
            error = QStringLiteral("line %1: unknown step '%2'").arg(number).arg(word);
            return std::nullopt;
        }
        step.kind = *kind;
        if (step.kind == StepKind::Answer && rest != QStringLiteral("yes") && rest != QStringLiteral("no")) {
            error = QStringLiteral("line %1: answer yes or answer no").arg(number);
            return std::nullopt;
        }
        if (step.kind == StepKind::Print && rest != QStringLiteral("ok") && rest != QStringLiteral("cancel")) {
            error = QStringLiteral("line %1: print ok or print cancel").arg(number);
            return std::nullopt;
        }
        if (step.kind == StepKind::Font && !parseFontAnswer(rest)) {
            error = QStringLiteral("line %1: font NAME SIZE [bold] [italic] or font cancel").arg(number);
            return std::nullopt;
        }
        if (step.kind == StepKind::Copy) {
            // Two plain relative folder names: the step never reaches outside the program directory.
            const QStringList names = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const bool plain = names.size() == 2 && std::all_of(names.begin(), names.end(), [](const QString& n) {
                                   return !n.startsWith(QLatin1Char('/')) && !n.contains(QStringLiteral(".."));
                               });
            if (!plain) {
                error = QStringLiteral("line %1: copy FROM TO (folders in the program directory)").arg(number);
                return std::nullopt;
            }
        }
        if (step.kind == StepKind::Restart && !rest.isEmpty() &&
            !QRegularExpression(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$")).match(rest).hasMatch()) {
            error = QStringLiteral("line %1: restart or restart YYYY-MM-DD").arg(number);
            return std::nullopt;
        }
        if (step.kind == StepKind::Show &&
            (rest == QStringLiteral("file") || rest.startsWith(QStringLiteral("file "))) &&
            rest.mid(5).trimmed().isEmpty()) {
            error = QStringLiteral("line %1: show file PATH").arg(number);
            return std::nullopt;
        }
        if (step.kind == StepKind::Screenshot && !parseScreenshotTarget(rest)) {
            error = QStringLiteral("line %1: screenshot [info] NAME.png").arg(number);
            return std::nullopt;
        }
        if (step.kind == StepKind::Show && rest.startsWith(QStringLiteral("record")) &&
            !QRegularExpression(QStringLiteral("^record [a-z]+\\.dat \\d+$")).match(rest).hasMatch()) {
            error = QStringLiteral("line %1: show record FILE N").arg(number);
            return std::nullopt;
        }
        if (step.kind == StepKind::Command || step.kind == StepKind::Click || step.kind == StepKind::RightClick ||
            step.kind == StepKind::DoubleClick || step.kind == StepKind::LineClick ||
            step.kind == StepKind::LineDoubleClick) {
            bool ok = false;
            step.number = rest.toInt(&ok);
            if (!ok) {
                error = QStringLiteral("line %1: a number is expected after '%2'").arg(number).arg(word);
                return std::nullopt;
            }
        }
        steps.push_back(step);
    }
    if (openDialog != nullptr) {
        error = QStringLiteral("dialog block without end");
        return std::nullopt;
    }
    return steps;
}

}  // namespace kvx::script
