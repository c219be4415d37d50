// The manual as one typeset document: the chapters (one Markdown file each, in file-name order) read with
// QTextDocument, a title page, a table of contents with page numbers, every chapter on a new page, and the
// pictures the chapters reference. Writes an A4 PDF with page numbers.
#pragma once

#include <QString>
#include <QStringList>

namespace kvx::manual {

struct Chapter {
    QString fileName;  // e.g. "01-erster-start.md"
    QString markdown;
};

// Reads every *.md of `folder` in file-name order. Fails (with `error`) when there is none, when a file
// cannot be read, when a chapter does not begin with a "# " heading, or when a picture it references is
// missing or unreadable: a manual with holes is never written.
[[nodiscard]] bool readChapters(const QString& folder, QList<Chapter>& chapters, QString& error);

// Typesets the chapters and writes the PDF to `pdfPath` (through a temporary file renamed into place).
// `pageCount` receives the number of pages written.
[[nodiscard]] bool writeManual(const QString& folder, const QList<Chapter>& chapters, const QString& pdfPath,
                               int& pageCount, QString& error);

}  // namespace kvx::manual
