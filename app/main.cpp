// Program entry: the program's own directory becomes the working directory, then the main window runs.
#include <QApplication>
#include <clocale>
#include <QDir>
#include <filesystem>

#include "app/ui/tfzgwwindow.h"
#include "base/clock.h"
#include "base/file_system.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt adopts the user's locale; data files and texts of the core always use a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("KORVANEX"));
    // Data files are found relative to the program, whatever directory it was started from.
    const QString programDir = QCoreApplication::applicationDirPath();
    QDir::setCurrent(programDir);
    kvx::PosixFileSystem fs;
    kvx::SystemClock clock;
    kvx::tfzgwwindow window(fs, clock, programDir.toStdString() + "/", {});
    window.show();
    return QApplication::exec();
}
