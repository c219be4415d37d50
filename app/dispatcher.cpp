// The command dispatcher and the views of the main window.
#include "app/dispatcher.h"

#include "app/catalogue_commands.h"
#include "app/pending_command_rows.h"
#include "base/command_numbers.h"
#include "base/cp1252.h"
#include "catalogue/article_pages.h"
#include "search/search_command_table.h"
#include "settings/settings_command_table.h"
#include "stock/stock_command_table.h"

namespace kvx {

Dispatcher::Dispatcher(AppState& app, UserInterface& ui, SearchDialogs& searchDialogs, SettingsDialogs& settingsDialogs,
                       StockDialogs& stockDialogs, WindowPort& window)
    : m_app(app), m_ui(ui), m_stockDialogs(stockDialogs), m_window(window) {
    m_commands.add(ownCommandRows());
    m_commands.add(searchCommandRows({app.search, ui, searchDialogs, window, m_refill, m_range}));
    m_commands.add(settingsCommandRows({app.settingsSession, ui, settingsDialogs, window, m_refill}));
    m_orderViews.fs = &app.fs();
    m_orderViews.costCentreCount = [&app] { return app.costCentres.last(); };
    m_commands.add(stockCommandRows(stockContext()));
    m_commands.add(pendingCommandRows());
    for (PaintedViewSource& source : settingsPaintedViews(app.settingsSession))
        m_paintedViews[source.view] = std::move(source);
    for (PaintedViewSource& source : bookingPaintedViews(stockContext()))
        m_paintedViews[source.view] = std::move(source);
    for (PaintedViewSource& source : orderPaintedViews(m_orderViews)) m_paintedViews[source.view] = std::move(source);
}

StockCommandContext Dispatcher::stockContext() {
    return {m_app.stock,       m_ui,       m_stockDialogs, m_window,     m_refill, [this] { return m_currentArticle; },
            m_app.costCentres, m_app.fs(), m_bookingViews, &m_orderViews};
}

std::vector<CommandRow> Dispatcher::ownCommandRows() {
    auto row = [](int number, std::function<void()> handler, std::vector<int> views = {}) {
        return CommandRow{number, false, std::move(views), std::nullopt, std::move(handler)};
    };
    auto help = [this](int command) { return [this, command] { m_window.help(command); }; };
    return {
        row(cmd::kClose, [this] { m_window.closeWindow(); }),
        row(cmd::kAbout, [this] { m_ui.showLines(kAboutTitle, aboutLines(m_app)); }),
        row(cmd::kHelpContents, help(cmd::kHelpContents)),
        row(cmd::kHelpContext, help(cmd::kHelpContext)),
        row(cmd::kHelpIndex, help(cmd::kHelpIndex)),
        row(cmd::kBack, [this] { leaveView(); }),
        row(cmd::kCatalogue,
            [this] {
                if (m_app.catalogue.articleCount() >= 1) showCatalogueBrowser();
            }),
        row(cmd::kArticleInformation, [this] { articleInformation(); }, {2, 3, 4}),
        row(cmd::kShowTextFile, [this] { showTextFile(); }),
        row(cmd::kShowArticleGroup,
            [this] {
                if (m_app.catalogue.articleCount() >= 1) showArticleGroup();
            }),
        row(cmd::kOnlineCatalogue, [this] { openOnline(kOnlineCataloguePath); }),
        row(cmd::kOnlinePicture, [this] { openOnline(kOnlinePicturesPath); }),
        row(cmd::kImportCatalogue, [this] { importCatalogue(); }),
        row(cmd::kOpenManual, [this] { openManual(); }),
        row(cmd::kSystemInformation, [this] { showSystemInformation(); }),
        row(cmd::kDeleteUserFiles, [this] { deleteUserFiles(); }),
    };
}

void Dispatcher::dispatch(int command) {
    if (command < 0 || command > cmd::kHighest) {
        m_window.notImplemented();
        return;
    }
    const bool stockMode = m_app.settings.stockMode();
    // Checked before the operation exists, so that a stock command stays silent in simple mode whatever
    // state its own part is in.
    if (m_commands.isStockOnly(command) && !stockMode) return;
    const CommandRow* row = m_commands.find(command, m_window.currentView(), stockMode);
    if (row == nullptr || !row->handler) {
        m_window.notImplemented();
        return;
    }
    row->handler();
}

// ---- views ----

void Dispatcher::showCurrentView() {
    const int view = m_window.currentView();
    int kind = listKindOfView(view);
    if (kind != kNoList && m_window.lastListKindOf(view) != kNoList) kind = m_window.lastListKindOf(view);
    if (kind == kNoList) {
        m_window.hideList();
    } else {
        m_window.showList(kind, view == 3);
        m_refill.request(kind);
    }
    m_window.repaint();
}

void Dispatcher::leaveView() {
    // A document view hands its current document back to its file.
    if (!leaveOrderView(m_app.stock, m_ui, m_orderViews, m_window.currentView())) return;
    if (const std::optional<BookingFile> kind = documentOfView(m_window.currentView())) {
        // Demand, consumption and calculations are repriced first.
        StockWriteResult w = leaveBookingDocumentView(m_app.stock, m_window.currentView());
        if (w.ok) w = m_app.stock.writeBackCurrent(*kind);
        if (!w.message.empty()) m_ui.error(w.message);
    }
    if (!m_window.leaveView()) return;
    showCurrentView();
}

void Dispatcher::showCatalogueBrowser() {
    if (m_window.currentView() != 3) m_window.enterView(3, menu::kCatalogue, "Artikel-Liste");
    // The catalogue list itself, also where the view showed search results before.
    m_window.showList(kCatalogueList, true);
    m_refill.request(kCatalogueList);
    m_window.repaint();
}

void Dispatcher::idleFill() {
    const int kind = m_window.visibleListKind();
    if (kind == kNoList || !m_refill.take(kind)) return;
    m_window.fillList(listContent(kind));
    if (kind == kOrdersList || kind == kDemandList || kind == kConsumptionList) m_window.refreshStatusPanels();
    if (kind == kCatalogueList) m_selectAfterRefill = -1;
}

ListContent Dispatcher::listContent(int kind) const {
    ListContent content;
    content.kind = kind;
    if (kind == kSearchList) return searchListContent(m_app.search);
    if (kind == kMyArticlesList)
        return myArticlesListContent(m_app.stock, m_app.catalogue.groups(), m_app.settings.netPrices());
    if (kind == kDemandList || kind == kConsumptionList)
        return bookingListContent(m_app.stock, m_app.costCentres, m_bookingViews, kind);
    if (kind == kOrdersList) return ordersList(m_app.stock, m_orderViews);
    if (kind != kCatalogueList || !m_app.catalogue.isLoaded()) return content;
    const bool net = m_app.settings.netPrices();
    content.columns = listColumns(kind, net);
    StatusFilter filter{};
    for (int s = 1; s <= 5; ++s) filter[static_cast<std::size_t>(s - 1)] = m_app.settings.statusFilter(s) ? 1 : 0;
    for (CatalogueListRow& row :
         catalogueListRows(m_app.catalogue.articles(), m_range.first, m_range.last, filter, net)) {
        if (row.articleNumber == m_selectAfterRefill) content.selectedRow = static_cast<int>(content.rows.size());
        content.rows.push_back({std::move(row.cells), row.articleNumber});
    }
    return content;
}

const TextPage& Dispatcher::pageOfView(int view) const {
    static const TextPage kEmpty;
    if (const auto source = m_paintedViews.find(view); source != m_paintedViews.end()) return source->second.page();
    const auto it = m_pages.find(view);
    return it == m_pages.end() ? kEmpty : it->second;
}

bool Dispatcher::onPaintedLine(int line, bool doubleClick) {
    const int view = m_window.currentView();
    if (listKindOfView(view) != kNoList) return false;
    const auto source = m_paintedViews.find(view);
    const bool kept = source != m_paintedViews.end();
    const int entries = kept ? source->second.entries() : selectableEntries ? selectableEntries(view) : 0;
    const int entry = paintedLineEntry(view, line, entries);
    if (entry < 0) return false;
    if (kept) {
        source->second.select(entry);
        m_window.repaint();
        if (doubleClick && source->second.open) source->second.open(entry);
        return true;
    }
    m_selected[view] = entry;
    const auto page = m_pages.find(view);
    if (page != m_pages.end()) page->second.highlightedLine = line;
    m_window.repaint();
    return true;
}

int Dispatcher::selectedEntry(int view) const {
    const auto it = m_selected.find(view);
    return it == m_selected.end() ? -1 : it->second;
}

FontSlot Dispatcher::fontOfView(int view) {
    // The order text and shown text files are pages as they would be printed.
    return view == 16 || view == 20 ? FontSlot::Print : FontSlot::Detail;
}

// ---- catalogue browser ----

void Dispatcher::catalogueLoaded() {
    m_tree = m_app.catalogue.isLoaded() ? buildGroupTree(m_app.catalogue.groups()) : GroupTree{};
    m_range = {};
    m_currentArticle.reset();
    m_window.setTree(m_tree);
    m_refill.request(kCatalogueList);
}

void Dispatcher::onTreeNode(std::uint32_t data) {
    if (selectGroupNode(m_range, data, m_ui)) m_refill.request(kCatalogueList);
    // A group picked beside search results brings its articles back into the list.
    if (m_window.visibleListKind() == kSearchList) {
        m_window.showList(kCatalogueList, true);
        m_refill.request(kCatalogueList);
    }
}

void Dispatcher::onListRow(int kind, long n, RowClick click) {
    const std::uint16_t count = m_app.catalogue.articleCount();
    if (kind == kCatalogueList) {
        if (!checkArticleNumber(n, count, click == RowClick::Right, m_ui)) return;
        m_currentArticle = static_cast<ArticleNumber>(n);
        if (click != RowClick::Click) showCataloguePage(static_cast<ArticleNumber>(n));
    } else if (kind == kSearchList) {
        if (!m_app.catalogue.articles().isSelectable(n)) return;
        m_currentArticle = static_cast<ArticleNumber>(n);
        if (click == RowClick::Right) showCataloguePage(static_cast<ArticleNumber>(n));
    } else if (kind == kMyArticlesList) {
        if (n < 0 || static_cast<unsigned long>(n) >= m_app.stock.myArticleCount()) return;
        m_app.stock.setCurrentMyArticle(static_cast<std::uint32_t>(n));
        if (click != RowClick::Click && m_window.currentView() == 4) showMyArticleInfo(stockContext());
    } else if (kind == kDemandList || kind == kConsumptionList) {
        if (n < 0) return;
        onBookingRow(stockContext(), kind, static_cast<std::uint32_t>(n), click == RowClick::Double);
    } else if (kind == kOrdersList) {
        selectOrderRow(m_app.stock, m_ui, n);
    }
    // Orders and bookings keep their own current entries with their lists.
}

void Dispatcher::showCataloguePage(ArticleNumber n) {
    InfoPage info;
    info.type = kInfoCatalogueArticle;
    info.title = "Artikel";
    info.page = catalogueArticlePage(m_app.catalogue.groups(), n, m_app.catalogue.articles().read(n));
    info.lines = infoFormLines(info.type, 0, info.page.lineCount());
    m_window.showInformationPage(info);
}

void Dispatcher::articleInformation() {
    if (m_window.currentView() == 4) {
        showMyArticleInfo(stockContext());
        return;
    }
    if (!m_currentArticle) {
        m_ui.inform("Kein Artikel gewählt");
        return;
    }
    if (!m_app.catalogue.articles().isSelectable(*m_currentArticle)) {
        m_ui.inform("Kein Artikel gewählt " + std::to_string(*m_currentArticle));
        return;
    }
    showCataloguePage(*m_currentArticle);
}

void Dispatcher::showArticleGroup() {
    if (!m_currentArticle || !m_app.catalogue.articles().isSelectable(*m_currentArticle)) {
        m_ui.inform("Kein Artikel gewählt");
        return;
    }
    const int group = m_app.catalogue.articles().read(*m_currentArticle).productGroupNumber();
    const ArticleGroupLocation location = locateArticleGroup(m_app.catalogue.groups(), m_tree, group);
    showCatalogueBrowser();
    if (!location.found) return;
    applyArticleGroup(m_range, location);
    m_window.selectTreeNode(location.data);
    m_selectAfterRefill = *m_currentArticle;
    m_refill.request(kCatalogueList);
}

// ---- further commands ----

void Dispatcher::showTextFile() {
    FileRequest request;
    request.title = "Textdatei zeigen";
    request.path = cp1252ToUtf8(m_app.settings.textFolder());
    request.suffixes = {".TXT"};
    const std::optional<std::string> path = m_ui.chooseFile(request);
    if (!path) return;
    std::string contents;
    if (!readWholeFile(m_app.fs(), *path, contents)) {
        m_ui.inform("Datei nicht gefunden:" + *path);
        return;
    }
    m_pages[20] = textFilePage(contents);
    if (m_window.currentView() != 20) m_window.enterView(20, menu::kBackOnly, "Textfile");
    showCurrentView();
}

void Dispatcher::openOnline(const char* path) {
    if (!m_ui.ask(kAskInternet)) return;
    const ShellResult result = m_ui.shellOpen(m_address + path);
    if (!result.ok()) m_ui.error(result.errorText);
}

void Dispatcher::openManual() {
    if (!m_app.fs().exists(kManualFile)) {
        m_ui.inform(std::string("Datei nicht gefunden:") + kManualFile);
        return;
    }
    const ShellResult result = m_ui.shellOpen(m_app.programDir() + kManualFile);
    if (!result.ok()) m_ui.error(result.errorText);
}

void Dispatcher::importCatalogue() {
    // The import tells the user how it went; the tree follows the catalogue whether it is loaded or not.
    std::optional<RelinkReport> relinked;
    (void)kvx::importCatalogue(m_app, m_ui, &relinked);
    catalogueLoaded();
    if (relinked) {
        presentRelinkReport(m_app, m_ui, m_window, *relinked);
        // My Articles shows the new numbers (and the new prices when they were taken over).
        if (m_window.currentView() == 4) showCurrentView();
    }
    m_window.repaint();
}

void Dispatcher::showSystemInformation() {
    m_pages[30] = systemInformation(m_platform);
    if (m_window.currentView() != 30) m_window.enterView(30, menu::kBackOnly, "System-Info");
    showCurrentView();
}

void Dispatcher::deleteUserFiles() {
    // All five files and the direct order as one change: after a failure they hold what they held before.
    const StockWriteResult w = m_app.stock.deleteUserFiles();
    if (!w.message.empty()) m_ui.error(w.message);
    for (int kind : {kMyArticlesList, kOrdersList, kDemandList, kConsumptionList}) m_refill.request(kind);
    m_window.repaint();
}

}  // namespace kvx
