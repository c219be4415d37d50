// The main window as the script driver sees it: its state as transcript lines and the user's clicks on
// tree nodes, list rows and painted lines.
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTreeWidgetItemIterator>

#include "app/menus.h"
#include "app/ui/tfzgwwindow.h"
#include "app/ui/tzusatzform.h"
#include "app/ui/view_canvas.h"
#include "base/command_numbers.h"
#include "base/cp1252.h"
#include "framework/tkolistview.h"
#include "framework/tkotreeview.h"
#include "settings/delivery_options.h"

namespace kvx {

namespace {

// The system information's values differ from machine to machine; a transcript shows its labels only.
constexpr int kSystemInfoView = 30;
constexpr int kSystemInfoValueColumn = 20;

QString describeDelivery(const DeliveryData& d) {
    auto option = [](DeliveryOption o, int index) {
        return QStringLiteral("%1 \"%2\"").arg(index).arg(QString::fromStdString(deliveryOptionText(o, index)));
    };
    return QStringLiteral("delivery order-type %1 destination %2 shipping %3 payment %4 customer \"%5\"")
        .arg(option(DeliveryOption::OrderType, d.orderType), option(DeliveryOption::Destination, d.destination),
             option(DeliveryOption::Shipping, d.shipping), option(DeliveryOption::Payment, d.payment),
             QString::fromStdString(cp1252ToUtf8(d.customerNumber)));
}

QString describeFonts(const SettingsRecord& s) {
    QStringList fonts;
    const std::pair<FontSlot, const char*> fontSlots[] = {{FontSlot::Dialog, "dialog"},
                                                          {FontSlot::Detail, "detail"},
                                                          {FontSlot::List, "list"},
                                                          {FontSlot::Print, "print"},
                                                          {FontSlot::Tree, "tree"}};
    for (const auto& [slot, name] : fontSlots) {
        const FontDescription f = s.font(slot);
        fonts << QStringLiteral("%1 \"%2\" %3 w%4%5")
                     .arg(QString::fromLatin1(name), QString::fromStdString(cp1252ToUtf8(f.name)))
                     .arg(f.size)
                     .arg(f.weight)
                     .arg(f.italic != 0 ? QStringLiteral(" italic") : QString());
    }
    return QStringLiteral("fonts ") + fonts.join(QStringLiteral(", "));
}

QStringList pageLines(const TextPage& page, int view) {
    TextPage shown = page;
    if (view == kSystemInfoView) {
        std::erase_if(shown.items, [](const TextItem& item) { return item.column >= kSystemInfoValueColumn; });
    }
    QStringList out;
    int number = 1;
    for (const QString& line : textPageLines(shown)) {
        out << (number == page.highlightedLine ? QStringLiteral("> ") : QStringLiteral("| ")) + line;
        ++number;
    }
    return out;
}

}  // namespace

QStringList tfzgwwindow::describeView() const {
    QStringList out{QStringLiteral("view %1 \"%2\" menu %3").arg(viewNumber()).arg(captionPath()).arg(menuNumber())};
    const int kind = visibleListKind();
    if (kind != kNoList) {
        out << QStringLiteral("list kind %1, %2 rows%3")
                   .arg(kind)
                   .arg(m_list->rowCount())
                   .arg(m_dispatcher->refill().pending(kind) ? QStringLiteral(", refill pending") : QString());
        for (const QString& line : m_list->stateText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) out << line;
        return out;
    }
    if (const auto& start = m_canvas->startPage()) {
        for (const StartPageLine& line : start->centred) {
            out << QStringLiteral("| centred %1 %2%3: %4")
                       .arg(QString::fromLatin1(kStartPageFont))
                       .arg(line.pointSize)
                       .arg(line.italic ? QStringLiteral(" italic") : QString())
                       .arg(QString::fromStdString(line.text));
        }
        for (const TextItem& item : start->stockBlock.items)
            out << QStringLiteral("| line %1 column %2: %3")
                       .arg(item.line)
                       .arg(item.column)
                       .arg(QString::fromStdString(item.text));
        return out;
    }
    for (const ViewCanvas::FontLine& line : m_canvas->fontLines()) {
        const QFont& f = line.font;
        out << QStringLiteral("| [%1 %2%3%4] %5")
                   .arg(f.family())
                   .arg(f.pointSize())
                   .arg(f.bold() ? QStringLiteral(" bold") : QString())
                   .arg(f.italic() ? QStringLiteral(" italic") : QString())
                   .arg(line.text);
    }
    if (!m_canvas->fontLines().empty()) return out;
    out << pageLines(m_canvas->page(), viewNumber());
    return out;
}

QStringList tfzgwwindow::describe(const QString& what) {
    QStringList out;
    const bool all = what == QStringLiteral("all");
    if (all || what == QStringLiteral("view")) out << describeView();
    if (all || what == QStringLiteral("status")) {
        QStringList panels;
        for (QLabel* p : m_panels) panels << QStringLiteral("[%1]").arg(p->text());
        out << QStringLiteral("status ") + panels.join(QLatin1Char(' '));
    }
    if (what == QStringLiteral("settings")) out << describeSettings();
    if (what == QStringLiteral("files")) out << describeFiles();
    if (what == QStringLiteral("tree")) {
        out << QStringLiteral("tree%1").arg(m_tree->isVisibleTo(this) ? QString() : QStringLiteral(" (hidden)"));
        // Node data shown as the article span they carry (first..last).
        for (QString line : m_tree->stateText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype hash = line.lastIndexOf(QStringLiteral(" #"));
            if (hash >= 0) {
                const NumberSpan span = unpackSpan(line.mid(hash + 2).toUInt());
                line = line.left(hash) + QStringLiteral(" [%1..%2]").arg(span.first).arg(span.last);
            }
            out << QStringLiteral("  ") + line;
        }
    }
    if (what == QStringLiteral("info")) out << m_info->describe();
    if (what == QStringLiteral("menus")) {
        // The menu bar of every view as this mode and help state build it.
        MenuConditions conditions;
        conditions.stockMode = m_app->settings.stockMode();
        conditions.helpAvailable = helpEnabled();
        const MenuSource source = [conditions](int number, MenuTable& table) {
            return fillProgramMenu(number, table, conditions);
        };
        out << QStringLiteral("menus of the %1 mode, help %2")
                   .arg(conditions.stockMode ? QStringLiteral("stock") : QStringLiteral("simple"),
                        conditions.helpAvailable ? QStringLiteral("available") : QStringLiteral("disabled"));
        for (int number = menu::kBackOnly; number <= menu::kStockReport; ++number) {
            // No view shows these.
            if (number == menu::kUndefined403 || number == menu::kUndefined404 || number == menu::kNextPrevious)
                continue;
            out << QStringLiteral("menu %1").arg(number);
            for (const QString& line : menuTreeText(buildMenuTree(number, source, 0)).split(u'\n', Qt::SkipEmptyParts))
                out << QStringLiteral("  ") + line;
        }
    }
    if (all || what == QStringLiteral("menu")) {
        out << QStringLiteral("menu %1").arg(menuNumber());
        for (const QString& line : menuTreeText(menuTree()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            out << QStringLiteral("  ") + line;
    }
    return out;
}

QStringList tfzgwwindow::describeSettings() const {
    const SettingsRecord& s = m_app->settings;
    auto text = [&](std::size_t offset, std::size_t capacity) {
        return QString::fromStdString(cp1252ToUtf8(s.text(offset, capacity)));
    };
    return {QStringLiteral("settings dirty=%1 mode=%2 prices=%3 filter=\"%4\" number215=%5 catalogue-date=%6")
                .arg(s.dirty() ? 1 : 0)
                .arg(s.stockMode() ? QStringLiteral("stock") : QStringLiteral("simple"))
                .arg(s.netPrices() ? QStringLiteral("Netto") : QStringLiteral("Brutto"))
                .arg(QString::fromStdString(cp1252ToUtf8(s.statusFilterAbbreviations())))
                .arg(s.rangedNumber())
                .arg(s.catalogueDate()),
            QStringLiteral("company \"%1\" \"%2\"")
                .arg(text(SettingsRecord::kCompanyName, 40), text(SettingsRecord::kCompanyTown, 40)),
            QStringLiteral("text folder \"%1\"")
                .arg(text(SettingsRecord::kTextFolder, 120)
                         .replace(QString::fromStdString(m_app->programDir()), QStringLiteral("<program>/"))),
            QStringLiteral("datasheet folder \"%1\"")
                .arg(text(SettingsRecord::kDatasheetFolder, 120)
                         .replace(QString::fromStdString(m_app->programDir()), QStringLiteral("<program>/"))),
            QStringLiteral("company email \"%1\" street \"%2\" phone \"%3\"")
                .arg(text(SettingsRecord::kCompanyEmail, 40), text(SettingsRecord::kCompanyStreet, 40),
                     text(SettingsRecord::kCompanyPhone, 20)),
            describeDelivery(s.deliveryData()),
            describeFonts(s)};
}

QStringList tfzgwwindow::describeFiles() const {
    QStringList out;
    QDirIterator it(QString::fromStdString(m_app->programDir()), QDir::Files, QDirIterator::Subdirectories);
    const QDir base(QString::fromStdString(m_app->programDir()));
    QStringList names;
    while (it.hasNext()) {
        const QString path = base.relativeFilePath(it.next());
        if (path == QStringLiteral("transcript.txt") || path.endsWith(QStringLiteral(".pdf"))) continue;
        names << path;
    }
    names.sort();
    for (const QString& name : names)
        out << QStringLiteral("file %1 %2").arg(name).arg(QFileInfo(base.filePath(name)).size());
    if (out.isEmpty()) out << QStringLiteral("no files");
    return out;
}

bool tfzgwwindow::scriptSelectTree(const QString& argument, QString& error) {
    if (visibleListKind() != kCatalogueList || m_tree->isHidden()) {
        error = QStringLiteral("no group tree in this view");
        return false;
    }
    bool numeric = false;
    std::uint32_t datum = argument.toUInt(&numeric);
    if (!numeric) {
        const QTreeWidgetItem* found = nullptr;
        for (QTreeWidgetItemIterator it(m_tree); *it != nullptr && found == nullptr; ++it)
            if ((*it)->text(0).startsWith(argument)) found = *it;
        if (found == nullptr) {
            error = QStringLiteral("no tree node \"%1\"").arg(argument);
            return false;
        }
        datum = tkotreeview::nodeDatum(found);
    }
    if (!m_tree->clickNode(datum)) {
        error = QStringLiteral("no tree node #%1").arg(datum);
        return false;
    }
    return true;
}

bool tfzgwwindow::scriptClickRow(int row, RowClick kind, QString& error) {
    if (visibleListKind() == kNoList) {
        error = QStringLiteral("no list in this view");
        return false;
    }
    const bool ok = kind == RowClick::Click   ? m_list->clickRow(row)
                    : kind == RowClick::Right ? m_list->rightClickRow(row)
                                              : m_list->doubleClickRow(row);
    if (!ok) error = QStringLiteral("no row %1 in the list").arg(row);
    return ok;
}

bool tfzgwwindow::scriptClickLine(int line, bool doubleClick, QString& error) {
    if (visibleListKind() != kNoList) {
        error = QStringLiteral("a list is shown, not a painted view");
        return false;
    }
    if (m_canvas->onLineClick) m_canvas->onLineClick(line, doubleClick);
    return true;
}

}  // namespace kvx
