// korvanex-script: runs the real main window headless and answers it from a script, writing a transcript
// to standard output. Exit status 0 when the script ran through, 2 when the program and the script
// disagreed (an unanswered request, answers left over, a failed expectation), 1 on wrong usage.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <clocale>
#include <cstdio>
#include <memory>

#include "app/script/script_session.h"
#include "app/ui/tfzgwwindow.h"
#include "base/clock.h"
#include "base/file_system.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: korvanex-script [--program-dir DIR] [--today YYYY-MM-DD] [--time HH:MM:SS] "
                 "[--print-dir DIR] [--screenshot-dir DIR] SCRIPT\n");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Qt adopts the user's locale; data files and texts of the core always use a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QString programDir = QDir::currentPath();
    QString printDir;
    QString screenshotDir;
    QString scriptPath;
    kvx::CalendarDate today{2026, 12, 8};
    int seconds = 9 * 3600;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QStringLiteral("--program-dir") && hasValue) {
            programDir = args[++i];
        } else if (a == QStringLiteral("--print-dir") && hasValue) {
            printDir = args[++i];
        } else if (a == QStringLiteral("--screenshot-dir") && hasValue) {
            screenshotDir = args[++i];
        } else if (a == QStringLiteral("--today") && hasValue) {
            const QStringList p = args[++i].split(QLatin1Char('-'));
            if (p.size() != 3) return usage();
            today = {p[0].toInt(), p[1].toInt(), p[2].toInt()};
            // A mistyped day must not date the bookings of the run silently.
            if (!kvx::isValidDate(kvx::encodeDate(today))) return usage();
        } else if (a == QStringLiteral("--time") && hasValue) {
            const QStringList p = args[++i].split(QLatin1Char(':'));
            if (p.size() != 3) return usage();
            bool ok[3] = {};
            const int h = p[0].toInt(&ok[0]), m = p[1].toInt(&ok[1]), sec = p[2].toInt(&ok[2]);
            if (!ok[0] || !ok[1] || !ok[2] || h < 0 || h > 23 || m < 0 || m > 59 || sec < 0 || sec > 59) return usage();
            seconds = h * 3600 + m * 60 + sec;
        } else if (scriptPath.isEmpty() && !a.startsWith(QStringLiteral("--"))) {
            scriptPath = a;
        } else {
            return usage();
        }
    }
    if (scriptPath.isEmpty()) return usage();
    QFile scriptFile(scriptPath);
    if (!scriptFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "korvanex-script: cannot read %s\n", qPrintable(scriptPath));
        return 1;
    }
    QString parseError;
    const auto steps = kvx::script::parseScript(QString::fromUtf8(scriptFile.readAll()), parseError);
    if (!steps) {
        std::fprintf(stderr, "korvanex-script: %s\n", qPrintable(parseError));
        return 1;
    }
    // Screenshots go to the folder named, else to the folder the driver was started in (fixed before the
    // driver moves into the program directory).
    screenshotDir = QDir(screenshotDir.isEmpty() ? QDir::currentPath() : screenshotDir).absolutePath();
    // Like the program, the driver works inside the program directory.
    programDir = QDir(programDir).absolutePath();
    if (!QDir::setCurrent(programDir)) {
        std::fprintf(stderr, "korvanex-script: no program directory %s\n", qPrintable(programDir));
        return 1;
    }

    QTextStream out(stdout);
    kvx::script::ScriptSession session(out);
    session.setPrintFolder(printDir);
    session.setScreenshotFolder(screenshotDir);
    kvx::setModalRunner(&session);
    kvx::PosixFileSystem fs;
    kvx::FixedClock clock(today, seconds);
    int status = 0;
    {
        auto window = std::make_unique<kvx::tfzgwwindow>(fs, clock, programDir.toStdString() + "/",
                                                         kvx::tfzgwwindow::Options{false});
        session.setWindow(window.get());
        window->show();
        // A fresh run: the old window (closed already) goes, the clock moves to the new day, a new window starts.
        session.restart = [&](const QString& date) {
            window.reset();
            if (!date.isEmpty()) {
                const QStringList p = date.split(QLatin1Char('-'));
                const kvx::CalendarDate day{p[0].toInt(), p[1].toInt(), p[2].toInt()};
                if (!kvx::isValidDate(kvx::encodeDate(day)))
                    throw kvx::script::ScriptFailure("restart: no such day " + date.toStdString());
                clock.set(day, seconds);
            }
            window = std::make_unique<kvx::tfzgwwindow>(fs, clock, programDir.toStdString() + "/",
                                                        kvx::tfzgwwindow::Options{false});
            window->show();
            return window.get();
        };
        try {
            session.run(*steps);
        } catch (const kvx::script::ScriptFailure& failure) {
            out << "SCRIPT FAILURE: " << failure.what() << '\n';
            out.flush();
            std::fprintf(stderr, "korvanex-script: %s\n", failure.what());
            status = 2;
        }
        session.setWindow(nullptr);
    }
    kvx::setModalRunner(nullptr);
    return status;
}
