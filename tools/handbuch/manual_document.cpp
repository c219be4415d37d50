// Typesetting of the manual; see manual_document.h.
#include "tools/handbuch/manual_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace kvx::manual {

namespace {

const QRegularExpression& pictureReference() {
    static const QRegularExpression kPicture(QStringLiteral("!\\[[^\\]]*\\]\\(([^)\\s]+)\\)"));
    return kPicture;
}

struct Heading {
    int level = 1;
    QString text;
};

// The chapter and section headings ("# " and "## " lines outside indented code), in order.
QList<Heading> headingsOf(const QList<Chapter>& chapters) {
    QList<Heading> headings;
    for (const Chapter& c : chapters) {
        for (const QString& line : c.markdown.split(QLatin1Char('\n'))) {
            if (line.startsWith(QStringLiteral("# ")))
                headings.append({1, line.mid(2).trimmed()});
            else if (line.startsWith(QStringLiteral("## ")))
                headings.append({2, line.mid(3).trimmed()});
        }
    }
    return headings;
}

constexpr int kResolution = 300;  // dots per inch of the PDF's coordinate system
constexpr qreal kPicturesPerScreenPixel = kResolution / 96.0 * 0.75;

// Front matter: the title page and the table of contents, whose page numbers are filled in after layout.
QTextTable* insertFrontMatter(QTextCursor& c, const QList<Heading>& headings, const QFont& base) {
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTopMargin(12);
    auto line = [&](const QString& text, int points, bool bold, qreal topMargin) {
        QTextBlockFormat b = centred;
        b.setTopMargin(topMargin);
        QTextCharFormat f;
        QFont font = base;
        font.setPointSize(points);
        font.setBold(bold);
        f.setFont(font);
        c.setBlockFormat(b);
        c.setBlockCharFormat(f);
        c.insertText(text, f);
        c.insertBlock();
    };
    line(QStringLiteral("KORVANEX"), 36, true, 600);
    line(QStringLiteral("Lagerverwaltung"), 22, true, 40);
    line(QStringLiteral("auf der Basis der Zelvo Artikelliste"), 14, false, 20);
    line(QStringLiteral("Handbuch zu Version 1.0"), 14, false, 400);

    QTextBlockFormat contentsHead;
    contentsHead.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    contentsHead.setBottomMargin(40);
    QTextCharFormat headFont;
    QFont hf = base;
    hf.setPointSize(20);
    hf.setBold(true);
    headFont.setFont(hf);
    c.setBlockFormat(contentsHead);
    c.insertText(QStringLiteral("Inhalt"), headFont);

    QTextTableFormat tf;
    tf.setBorder(0);
    tf.setCellPadding(4);
    tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tf.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 88), QTextLength(QTextLength::PercentageLength, 12)});
    QTextTable* table = c.insertTable(static_cast<int>(headings.size()), 2, tf);
    for (int i = 0; i < headings.size(); ++i) {
        QTextCharFormat f;
        QFont font = base;
        font.setBold(headings[i].level == 1);
        f.setFont(font);
        QTextCursor title = table->cellAt(i, 0).firstCursorPosition();
        QTextBlockFormat indent;
        indent.setLeftMargin(headings[i].level == 1 ? 0 : 60);
        indent.setTopMargin(headings[i].level == 1 ? 14 : 0);
        title.setBlockFormat(indent);
        title.insertText(headings[i].text, f);
        QTextCursor page = table->cellAt(i, 1).firstCursorPosition();
        QTextBlockFormat right = indent;
        right.setLeftMargin(0);
        right.setAlignment(Qt::AlignRight);
        page.setBlockFormat(right);
        page.insertText(QStringLiteral("000"), f);
    }
    c.movePosition(QTextCursor::End);
    return table;
}

// Every chapter starts on a new page; pictures are scaled to the text width and centred.
void shapeChapters(QTextDocument& doc, qreal textWidth) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        if (b.blockFormat().headingLevel() == 1) {
            QTextBlockFormat f = b.blockFormat();
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            c.setBlockFormat(f);
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat image = fragment.charFormat().toImageFormat();
            const QImage picture = doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
            qreal w = picture.width() * kPicturesPerScreenPixel;
            qreal h = picture.height() * kPicturesPerScreenPixel;
            if (w > textWidth) {
                h = h * textWidth / w;
                w = textWidth;
            }
            // The layout multiplies an image's size by the device's dots per inch over 96.
            const qreal layoutScale = kResolution / 96.0;
            image.setWidth(w / layoutScale);
            image.setHeight(h / layoutScale);
            QTextCursor pick(&doc);
            pick.setPosition(fragment.position());
            pick.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            pick.setCharFormat(image);
            QTextBlockFormat centred = b.blockFormat();
            centred.setAlignment(Qt::AlignHCenter);
            centred.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
            c.setBlockFormat(centred);
        }
    }
}

int pageOf(const QTextDocument& doc, const QTextBlock& block) {
    const qreal top = doc.documentLayout()->blockBoundingRect(block).top();
    return static_cast<int>(top / doc.pageSize().height()) + 1;
}

// Fills the contents table with the page of each heading; false when the headings and the table disagree.
bool fillContents(QTextDocument& doc, QTextTable& table, QString& error) {
    QList<int> pages;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level == 1 || level == 2) pages.append(pageOf(doc, b));
    }
    if (pages.size() != table.rows()) {
        error = QStringLiteral("%1 headings typeset, %2 in the contents").arg(pages.size()).arg(table.rows());
        return false;
    }
    for (int i = 0; i < table.rows(); ++i) {
        QTextCursor cell = table.cellAt(i, 1).firstCursorPosition();
        cell.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cell.insertText(QString::number(pages[i]));
    }
    return true;
}

// QPdfWriter stamps the time of the run; a fixed stamp of the same length keeps every offset of the file and
// makes two builds of the same sources byte for byte equal.
QByteArray withFixedCreationDate(QByteArray pdf) {
    static const QRegularExpression kStamp(QStringLiteral("/CreationDate \\(D:([0-9]{14})([^)]*)\\)"));
    const QString text = QString::fromLatin1(pdf);
    const QRegularExpressionMatch m = kStamp.match(text);
    if (!m.hasMatch()) return pdf;
    QByteArray fixed = "20260101000000";
    QByteArray zone = m.captured(2).toLatin1();
    zone.fill('0');
    if (!zone.isEmpty()) zone[0] = 'Z';
    const QByteArray replacement = "/CreationDate (D:" + fixed + zone + ")";
    pdf.replace(m.capturedStart(), m.capturedLength(), replacement);
    return pdf;
}

}  // namespace

bool readChapters(const QString& folder, QList<Chapter>& chapters, QString& error) {
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        error = QStringLiteral("no chapters (*.md) in ") + folder;
        return false;
    }
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            error = file.fileName() + QStringLiteral(": ") + file.errorString();
            return false;
        }
        const QString text = QString::fromUtf8(file.readAll());
        if (!text.startsWith(QStringLiteral("# "))) {
            error = file.fileName() + QStringLiteral(": a chapter begins with its \"# \" heading");
            return false;
        }
        auto it = pictureReference().globalMatch(text);
        while (it.hasNext()) {
            const QString picture = it.next().captured(1);
            if (QImage(dir.filePath(picture)).isNull()) {
                error = file.fileName() + QStringLiteral(": picture ") + dir.filePath(picture) +
                        QStringLiteral(" is missing or unreadable (tools/handbuch-bilder.sh makes the pictures)");
                return false;
            }
        }
        chapters.append({name, text});
    }
    return true;
}

bool writeManual(const QString& folder, const QList<Chapter>& chapters, const QString& pdfPath, int& pageCount,
                 QString& error) {
    // Typeset into memory first: the file is written only when the whole manual is done.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 20, 12),
                                     QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("KORVANEX Handbuch"));
    writer.setCreator(QStringLiteral("kvx-handbuch"));
    // Fixed metadata instead of the generated one, which carries the time of the run.
    writer.setDocumentXmpMetadata(QByteArrayLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'><dc:title><rdf:Alt>"
        "<rdf:li xml:lang='x-default'>KORVANEX Handbuch</rdf:li></rdf:Alt></dc:title></rdf:Description>"
        "</rdf:RDF></x:xmpmeta>\n<?xpacket end='w'?>"));

    const QRectF body = writer.pageLayout().paintRectPixels(kResolution);
    const qreal footerHeight = kResolution * 0.4;  // 0.4 inch below the text for the page number

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QFont base(QStringLiteral("DejaVu Sans"), 10);
    doc.setDefaultFont(base);
    doc.setPageSize(QSizeF(body.width(), body.height() - footerHeight));
    doc.setBaseUrl(QUrl::fromLocalFile(QDir(folder).absolutePath() + QLatin1Char('/')));
    for (const Chapter& c : chapters) {
        auto it = pictureReference().globalMatch(c.markdown);
        while (it.hasNext()) {
            const QString picture = it.next().captured(1);
            doc.addResource(QTextDocument::ImageResource, QUrl(picture), QImage(QDir(folder).filePath(picture)));
        }
    }

    const QList<Heading> headings = headingsOf(chapters);
    QTextCursor c(&doc);
    QTextTable* contents = insertFrontMatter(c, headings, base);
    // The first block of inserted Markdown merges into the block at the cursor and loses its own format; a
    // blank first paragraph takes that place, so the first chapter keeps its heading.
    QString all = QStringLiteral("\u00a0\n\n");
    for (const Chapter& ch : chapters) all += ch.markdown + QStringLiteral("\n\n");
    c.insertMarkdown(all, QTextDocument::MarkdownDialectGitHub);
    shapeChapters(doc, doc.pageSize().width() - 2 * doc.documentMargin());
    if (!fillContents(doc, *contents, error)) return false;

    QPainter painter(&writer);
    if (!painter.isActive()) {
        error = pdfPath + QStringLiteral(": the PDF cannot be started");
        return false;
    }
    const qreal pageHeight = doc.pageSize().height();
    pageCount = doc.pageCount();
    QFont footerFont = base;
    footerFont.setPointSize(8);
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0) writer.newPage();
        painter.save();
        painter.translate(0, -i * pageHeight);
        doc.drawContents(&painter, QRectF(0, i * pageHeight, body.width(), pageHeight));
        painter.restore();
        if (i == 0) continue;  // the title page has no number
        painter.setFont(footerFont);
        const QRectF foot(0, pageHeight + footerHeight / 3, body.width(), footerHeight * 2 / 3);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KORVANEX – Handbuch"));
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Seite %1 von %2").arg(i + 1).arg(pageCount));
    }
    if (!painter.end()) {
        error = pdfPath + QStringLiteral(": the PDF cannot be finished");
        return false;
    }
    QSaveFile out(pdfPath);
    const QByteArray bytes = withFixedCreationDate(pdf.data());
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        error = pdfPath + QStringLiteral(": ") + out.errorString();
        return false;
    }
    return true;
}

}  // namespace kvx::manual
