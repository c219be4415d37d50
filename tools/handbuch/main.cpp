// kvx-handbuch: builds the user manual K-VANEX.PDF from the Markdown chapters of docs/handbuch.
// Usage: kvx-handbuch OUTPUT.PDF SOURCE_FOLDER. Exit status 0 on success, 1 on any failure (with the reason
// on standard error), so that a build with a missing picture or chapter stops.
#include <QGuiApplication>
#include <QHashFunctions>
#include <cstdio>

#include "tools/handbuch/manual_document.h"

int main(int argc, char** argv) {
    // Font subsets are collected in hashes; a fixed seed gives them, and so the file, the same order each run.
    QHashSeed::setDeterministicGlobalSeed();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kvx-handbuch OUTPUT.PDF SOURCE_FOLDER\n");
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QList<kvx::manual::Chapter> chapters;
    QString error;
    int pages = 0;
    if (!kvx::manual::readChapters(folder, chapters, error) ||
        !kvx::manual::writeManual(folder, chapters, output, pages, error)) {
        std::fprintf(stderr, "kvx-handbuch: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("kvx-handbuch: %s, %d chapters, %d pages\n", qPrintable(output), static_cast<int>(chapters.size()),
                pages);
    return 0;
}
