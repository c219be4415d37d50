// Demand, consumption, calculation, cost centre and stock report commands of the command table.
#include "stock/booking_command_rows.h"

#include <algorithm>

#include "base/command_numbers.h"
#include "stock/calculations.h"
#include "stock/cost_centres.h"
#include "stock/cost_reports.h"
#include "stock/demand_consumption.h"
#include "stock/document_positions.h"
#include "stock/orders.h"
#include "stock/stock_command_table.h"
#include "stock/stock_reports.h"

namespace kvx {

namespace {

constexpr int kMyArticlesView = 4;
constexpr int kEditDemandView = 8;
constexpr int kCostReportView = 9;
constexpr int kDemandView = 10;
constexpr int kEditConsumptionView = 11;
constexpr int kConsumptionView = 12;
constexpr int kCostDetailsView = 13;
constexpr int kCostSumsView = 14;
constexpr int kCostCentresView = 15;
constexpr int kCalculationsView = 17;
constexpr int kEditCalculationView = 18;
constexpr int kStockValueView = 24;

BookingKind kindOfView(int view) {
    return view == kDemandView || view == kEditDemandView ? BookingKind::Demand : BookingKind::Consumption;
}

int listViewOf(BookingKind kind) {
    return kind == BookingKind::Demand ? kDemandView : kConsumptionView;
}

std::size_t& cursorOf(BookingViews& views, int view) {
    if (view == kEditDemandView) return views.demandCursor;
    if (view == kEditConsumptionView) return views.consumptionCursor;
    return views.calculationCursor;
}

BookingFile fileOfDocumentView(int view) {
    if (view == kEditCalculationView) return BookingFile::Calculations;
    return bookingFileOf(kindOfView(view));
}

bool hasMyArticles(const StockCommandContext& c) {
    if (c.session.myArticleCount() > 0) return true;
    c.ui.inform(kNoMyArticles);
    return false;
}

void reportFailure(const StockCommandContext& c, const StockWriteResult& w) {
    if (!w.ok && !w.message.empty()) c.ui.error(w.message);
}

// A list drawn as text lines: the titles on line 1, row r on line r + 2 (so that a click on a line selects
// entry line - 2), the selected row highlighted.
TextPage listAsPage(const ListContent& list) {
    TextPage page;
    int column = 1;
    for (std::size_t i = 0; i < list.columns.size(); ++i) {
        const ListColumn& col = list.columns[i];
        page.put(column, 1, col.title);
        for (std::size_t r = 0; r < list.rows.size(); ++r)
            if (i < list.rows[r].cells.size()) page.put(column, static_cast<int>(r) + 2, list.rows[r].cells[i]);
        column += col.width + 1;
    }
    if (list.selectedRow >= 0) page.highlightedLine = list.selectedRow + 2;
    return page;
}

// ---- document views ----

TextPage documentViewPage(const StockCommandContext& c, int view) {
    const BookingFile file = fileOfDocumentView(view);
    const StockSession::CurrentDocument& cur = c.session.current(file);
    const std::size_t cursor = cursorOf(c.bookingViews, view);
    if (view == kEditCalculationView)
        return calculationPage(c.session, c.costCentres, cur.document, cur.number, cursor);
    return bookingPage(c.session, kindOfView(view), c.costCentres, cur.document, cur.number, cursor);
}

void showDocumentView(const StockCommandContext& c) {
    const int view = c.window.currentView();
    c.window.showPageBesideList(documentViewPage(c, view), kMyArticlesList);
    c.refill.request(kMyArticlesList);
    c.window.repaint();
}

void addPositionHere(const StockCommandContext& c) {
    if (!hasMyArticles(c)) return;
    const int view = c.window.currentView();
    const std::uint32_t record = std::min(c.session.currentMyArticle(), c.session.myArticleCount() - 1);
    if (addPosition(c.session, c.session.currentRef(fileOfDocumentView(view)), cursorOf(c.bookingViews, view), record,
                    c.ui))
        showDocumentView(c);
}

void changePositionHere(const StockCommandContext& c) {
    const int view = c.window.currentView();
    if (changePositionQuantity(c.session, c.session.currentRef(fileOfDocumentView(view)),
                               cursorOf(c.bookingViews, view), c.ui))
        showDocumentView(c);
}

void deletePositionHere(const StockCommandContext& c) {
    const int view = c.window.currentView();
    if (deletePositionAtCursor(c.session.currentRef(fileOfDocumentView(view)), cursorOf(c.bookingViews, view), c.ui))
        showDocumentView(c);
}

void stepPositionHere(const StockCommandContext& c, int step) {
    const int view = c.window.currentView();
    stepPosition(c.session.current(fileOfDocumentView(view)).document, cursorOf(c.bookingViews, view), step);
    showDocumentView(c);
}

// ---- demand and consumption lists ----

void listChanged(const StockCommandContext& c, BookingKind kind) {
    c.refill.request(kind == BookingKind::Demand ? kDemandList : kConsumptionList);
    c.refill.request(kMyArticlesList);
    c.window.refreshStatusPanels();
    c.window.repaint();
}

void openList(const StockCommandContext& c, BookingKind kind) {
    const BookingFile file = bookingFileOf(kind);
    if (!openBookingList(c.session, kind, c.costCentres, c.session.currentRef(file), c.ui)) return;
    const int view = listViewOf(kind);
    if (c.window.currentView() != view)
        c.window.enterView(view, kind == BookingKind::Demand ? menu::kDemand : menu::kConsumption,
                           kind == BookingKind::Demand ? "Warenbedarf" : "Warenverbrauch");
    const int list = kind == BookingKind::Demand ? kDemandList : kConsumptionList;
    c.window.showList(list, false);
    c.refill.request(list);
    c.window.refreshStatusPanels();
    c.window.repaint();
}

void editBooking(const StockCommandContext& c, BookingKind kind) {
    const BookingFile file = bookingFileOf(kind);
    if (!mayEditBooking(c.session, kind, c.session.current(file).document, c.ui)) return;
    const int view = kind == BookingKind::Demand ? kEditDemandView : kEditConsumptionView;
    c.window.enterView(view, kind == BookingKind::Demand ? menu::kEditDemand : menu::kEditConsumption,
                       documentViewCaption(kind));
    cursorOf(c.bookingViews, view) = 0;
    showDocumentView(c);
}

// "Buchen" in the consumption document view: the document is repriced and written as leaving the view does,
// then booked as from the list; a booked document can no longer be edited, so the view returns to the list.
// A cancelled date or a refusal keeps the view open.
void bookConsumptionHere(const StockCommandContext& c) {
    const DocumentRef current = c.session.currentRef(BookingFile::Consumption);
    const StockWriteResult w = leaveBookingView(c.session, BookingKind::Consumption, current);
    if (!w.ok) {
        reportFailure(c, w);
        return;
    }
    showDocumentView(c);
    if (!bookConsumption(c.session, c.session.clock(), current, c.ui)) return;
    if (c.window.currentView() == kEditConsumptionView && c.window.leaveView()) {
        c.window.showList(kConsumptionList, false);
        cursorOf(c.bookingViews, kEditConsumptionView) = 0;
    }
    listChanged(c, BookingKind::Consumption);
}

void showDetails(const StockCommandContext& c) {
    const int view = c.window.currentView();
    InfoPage info;
    if (view == kCalculationsView) {
        if (!hasCalculation(c.session, c.ui)) return;
        const StockSession::CurrentDocument& cur = c.session.current(BookingFile::Calculations);
        info.type = kInfoCalculation;
        info.title = "Kalkulation";
        info.page = calculationPage(c.session, c.costCentres, cur.document, cur.number, 0);
        info.lines = static_cast<int>(cur.document.validPositions()) + 10;
    } else {
        const BookingKind kind = kindOfView(view);
        const BookingFile file = bookingFileOf(kind);
        if (c.session.documentCount(file) == 0) {
            c.ui.inform(kind == BookingKind::Demand ? "Kein Bedarf" : "Kein Verbrauch");
            return;
        }
        const StockSession::CurrentDocument& cur = c.session.current(file);
        info.type = kind == BookingKind::Demand ? kInfoDemand : kInfoConsumption;
        info.title = kindWord(kind);
        info.page = bookingPage(c.session, kind, c.costCentres, cur.document, cur.number, 0);
        info.lines = static_cast<int>(cur.document.validPositions()) + 10;
    }
    info.page.highlightedLine = 0;
    c.window.showInformationPage(info);
}

// ---- calculations ----

void rebuildCalculationList(const StockCommandContext& c) {
    c.bookingViews.pages[kCalculationsView] =
        calculationListPage(c.session, c.costCentres, c.session.current(BookingFile::Calculations).number);
    c.window.repaint();
}

void openCalculations(const StockCommandContext& c) {
    if (!openCalculationList(c.session, c.session.currentRef(BookingFile::Calculations), c.ui)) return;
    if (c.window.currentView() != kCalculationsView)
        c.window.enterView(kCalculationsView, menu::kCalculations, "Kalkulation");
    c.window.hideList();
    rebuildCalculationList(c);
}

void editCalculation(const StockCommandContext& c) {
    if (!hasMyArticles(c) || !hasCalculation(c.session, c.ui)) return;
    c.window.enterView(kEditCalculationView, menu::kEditCalculation, "Kalkulation ändern");
    cursorOf(c.bookingViews, kEditCalculationView) = 0;
    showDocumentView(c);
}

// ---- cost centres ----

void rebuildCostPage(const StockCommandContext& c, int view) {
    const SettingsRecord& settings = c.session.settings();
    if (view == kCostReportView || view == kCostSumsView) {
        const ListContent list = costCentreOverview(c.session, c.costCentres, settings);
        std::vector<int>& centres = c.bookingViews.entryCentres[view];
        centres.clear();
        for (const ListContent::Row& row : list.rows)
            if (row.datum != kNoCostCentreRow) centres.push_back(static_cast<int>(row.datum));
        c.bookingViews.pages[view] = listAsPage(list);
    } else if (view == kCostCentresView) {
        c.bookingViews.pages[view] = listAsPage(costCentreManagementList(c.costCentres, settings));
    } else if (view == kCostDetailsView) {
        c.bookingViews.pages[view] = costDetailsPage(c.session, c.costCentres, settings);
    }
    c.window.repaint();
}

void enterPaintedView(const StockCommandContext& c, int view, int menuNumber, const char* caption) {
    if (c.window.currentView() != view) c.window.enterView(view, menuNumber, caption);
    c.window.hideList();
}

void openCostOverview(const StockCommandContext& c, int view) {
    if (!hasMyArticles(c)) return;
    enterPaintedView(c, view, view == kCostReportView ? menu::kCostReport : menu::kBackOnly,
                     view == kCostReportView ? "Kalkulation" : "KostenSummen");
    rebuildCostPage(c, view);
}

void openCostDetails(const StockCommandContext& c) {
    if (!hasMyArticles(c)) return;
    enterPaintedView(c, kCostDetailsView, menu::kCostDetails, "KostenDetails");
    rebuildCostPage(c, kCostDetailsView);
}

void openCostCentres(const StockCommandContext& c) {
    enterPaintedView(c, kCostCentresView, menu::kCostCentres, "KostenStellen");
    rebuildCostPage(c, kCostCentresView);
}

// ---- reports ----

void showStockHistory(const StockCommandContext& c) {
    if (!hasMyArticles(c)) return;
    const std::uint32_t n = std::min(c.session.currentMyArticle(), c.session.myArticleCount() - 1);
    InfoPage info;
    info.type = kInfoStockHistory;
    info.title = "Bestandsverlauf";
    info.page = stockHistoryPage(c.session, c.costCentres, c.session.clock(), n);
    info.lines = std::max(30, info.page.lineCount() + 3);
    c.window.showInformationPage(info);
}

void openStockValue(const StockCommandContext& c) {
    enterPaintedView(c, kStockValueView, menu::kStockReport, "Waren-Bestand");
    c.bookingViews.pages[kStockValueView] =
        stockValuePage(c.session, c.session.catalogue().groups(), c.session.clock());
    c.window.repaint();
}

CommandRow row(int number, std::vector<int> views, std::function<void()> handler) {
    return {number, true, std::move(views), std::nullopt, std::move(handler)};
}

// The numbers other views use in both modes (positions, "Neu", text files); their rows here serve only the
// stock views, which the simple mode never shows.
CommandRow anyModeRow(int number, std::vector<int> views, std::function<void()> handler) {
    return {number, false, std::move(views), std::nullopt, std::move(handler)};
}

}  // namespace

ListContent bookingListContent(StockSession& session, const CostCentres& centres, BookingViews& views, int kind) {
    const BookingKind k = kind == kDemandList ? BookingKind::Demand : BookingKind::Consumption;
    BookingList list = bookingList(session, k, centres, session.current(bookingFileOf(k)).number);
    (k == BookingKind::Demand ? views.demandTotals : views.consumptionTotals) = {list.grossTotal, list.netTotal};
    list.content.kind = kind;
    return std::move(list.content);
}

std::optional<std::string> bookingTotalsStatus(const BookingViews& views, int view) {
    if (view != kDemandView && view != kConsumptionView) return std::nullopt;
    const BookingListTotals& t = view == kDemandView ? views.demandTotals : views.consumptionTotals;
    return orderTotalsText({t.gross, t.net});
}

std::vector<ListColumn> bookingListColumnsOf(int kind) {
    return bookingListColumns(kind == kDemandList ? BookingKind::Demand : BookingKind::Consumption);
}

void onBookingRow(const StockCommandContext& c, int kind, std::uint32_t document, bool open) {
    const BookingKind k = kind == kDemandList ? BookingKind::Demand : BookingKind::Consumption;
    const BookingFile file = bookingFileOf(k);
    if (document >= c.session.documentCount(file)) return;
    const StockWriteResult w = makeDocumentCurrent(c.session, file, c.session.currentRef(file), document);
    if (!w.ok) {
        reportFailure(c, w);
        return;
    }
    if (open) editBooking(c, k);
}

void showMyArticleInfo(const StockCommandContext& c) {
    if (!hasMyArticles(c)) return;
    const std::uint32_t n = std::min(c.session.currentMyArticle(), c.session.myArticleCount() - 1);
    InfoPage info;
    info.type = kInfoMyArticle;
    info.title = "Artikel";
    info.page = myArticleInfoPage(c.session, c.session.catalogue().groups(), n);
    info.lines = info.page.lineCount() + 3;
    c.window.showInformationPage(info);
}

StockWriteResult leaveBookingDocumentView(StockSession& session, int view) {
    switch (view) {
        case kEditDemandView:
        case kEditConsumptionView:
            return leaveBookingView(session, kindOfView(view), session.currentRef(fileOfDocumentView(view)));
        case kEditCalculationView:
            return leaveCalculationView(session, session.currentRef(BookingFile::Calculations));
        default:
            return {true, {}};
    }
}

std::vector<PaintedViewSource> bookingPaintedViews(const StockCommandContext& c) {
    std::vector<PaintedViewSource> sources;
    auto pageOf = [c](int view) { return [c, view]() -> const TextPage& { return c.bookingViews.pages[view]; }; };
    for (int view : {kCostReportView, kCostSumsView}) {
        sources.push_back({view, pageOf(view),
                           [c, view] { return static_cast<int>(c.bookingViews.entryCentres[view].size()); },
                           [c, view](int entry) {
                               const std::vector<int>& centres = c.bookingViews.entryCentres[view];
                               if (entry < 0 || static_cast<std::size_t>(entry) >= centres.size()) return;
                               c.costCentres.select(centres[static_cast<std::size_t>(entry)]);
                               rebuildCostPage(c, view);
                           }});
    }
    sources.push_back({kCostCentresView, pageOf(kCostCentresView), [c] { return c.costCentres.count(); },
                       [c](int entry) {
                           c.costCentres.select(entry);
                           rebuildCostPage(c, kCostCentresView);
                       }});
    sources.push_back({kCostDetailsView, pageOf(kCostDetailsView), [] { return 0; }, [](int) {}});
    sources.push_back({kStockValueView, pageOf(kStockValueView), [] { return 0; }, [](int) {}});
    sources.push_back({kCalculationsView, pageOf(kCalculationsView),
                       [c] { return static_cast<int>(c.session.documentCount(BookingFile::Calculations)); },
                       [c](int entry) {
                           const StockWriteResult w = makeDocumentCurrent(
                               c.session, BookingFile::Calculations, c.session.currentRef(BookingFile::Calculations),
                               static_cast<std::uint32_t>(entry));
                           reportFailure(c, w);
                           rebuildCalculationList(c);
                       },
                       // A double click shows the entry's details, as "Details" does.
                       [c](int entry) {
                           if (c.session.current(BookingFile::Calculations).number == static_cast<std::uint32_t>(entry))
                               showDetails(c);
                       }});
    return sources;
}

std::vector<CommandRow> bookingCommandRows(const StockCommandContext& c) {
    const std::vector<int> documentViews{kEditDemandView, kEditConsumptionView, kEditCalculationView};
    return {
        // Demand and consumption.
        row(cmd::kDemand, {}, [c] { openList(c, BookingKind::Demand); }),
        row(cmd::kConsumption, {}, [c] { openList(c, BookingKind::Consumption); }),
        row(cmd::kEditDemand, {kDemandView}, [c] { editBooking(c, BookingKind::Demand); }),
        row(cmd::kEditConsumption, {kConsumptionView}, [c] { editBooking(c, BookingKind::Consumption); }),
        anyModeRow(cmd::kNew,
                   {kDemandView, kConsumptionView, kCalculationsView, kEditDemandView, kEditConsumptionView,
                    kEditCalculationView},
                   [c] {
                       const int view = c.window.currentView();
                       if (view == kDemandView || view == kConsumptionView) {
                           const BookingKind kind = kindOfView(view);
                           if (newBooking(c.session, kind, c.costCentres, c.session.settings(), c.session.clock(),
                                          c.session.currentRef(bookingFileOf(kind)), c.ui))
                               listChanged(c, kind);
                       } else if (view == kCalculationsView) {
                           if (newCalculation(c.session, c.costCentres, c.session.settings(), c.session.clock(),
                                              c.session.currentRef(BookingFile::Calculations), c.ui))
                               rebuildCalculationList(c);
                       } else {
                           addPositionHere(c);
                       }
                   }),
        anyModeRow(cmd::kChange, {kEditDemandView, kEditConsumptionView, kEditCalculationView, kCostCentresView},
                   [c] {
                       if (c.window.currentView() != kCostCentresView) {
                           changePositionHere(c);
                       } else if (renameSelectedCostCentre(c.costCentres, c.ui)) {
                           rebuildCostPage(c, kCostCentresView);
                       }
                   }),
        anyModeRow(cmd::kDeletePosition, documentViews, [c] { deletePositionHere(c); }),
        anyModeRow(cmd::kNext, {kEditDemandView, kEditConsumptionView, kEditCalculationView, kCostDetailsView},
                   [c] {
                       if (c.window.currentView() != kCostDetailsView) return stepPositionHere(c, 1);
                       stepCostCentre(c.costCentres, 1);
                       rebuildCostPage(c, kCostDetailsView);
                   }),
        anyModeRow(cmd::kPrevious, {kEditDemandView, kEditConsumptionView, kEditCalculationView, kCostDetailsView},
                   [c] {
                       if (c.window.currentView() != kCostDetailsView) return stepPositionHere(c, -1);
                       stepCostCentre(c.costCentres, -1);
                       rebuildCostPage(c, kCostDetailsView);
                   }),
        row(cmd::kBook, {kDemandView, kConsumptionView, kEditConsumptionView},
            [c] {
                if (c.window.currentView() == kEditConsumptionView) return bookConsumptionHere(c);
                const BookingKind kind = kindOfView(c.window.currentView());
                const DocumentRef current = c.session.currentRef(bookingFileOf(kind));
                const bool booked = kind == BookingKind::Demand
                                        ? bookDemand(c.session, c.session.clock(), current, c.ui)
                                        : bookConsumption(c.session, c.session.clock(), current, c.ui);
                if (booked) listChanged(c, kind);
            }),
        row(cmd::kDemandCostCentre, {kDemandView},
            [c] {
                if (chooseBookingCostCentre(c.session, BookingKind::Demand, c.costCentres, c.session.settings(),
                                            c.session.currentRef(BookingFile::Demand), c.ui))
                    listChanged(c, BookingKind::Demand);
            }),
        row(cmd::kConsumptionCostCentre, {kConsumptionView},
            [c] {
                if (chooseBookingCostCentre(c.session, BookingKind::Consumption, c.costCentres, c.session.settings(),
                                            c.session.currentRef(BookingFile::Consumption), c.ui))
                    listChanged(c, BookingKind::Consumption);
            }),
        row(cmd::kRecompute, {kDemandView, kConsumptionView, kCalculationsView},
            [c] {
                const int view = c.window.currentView();
                if (view == kCalculationsView) {
                    if (recomputeCalculation(c.session, c.session.currentRef(BookingFile::Calculations), c.ui))
                        rebuildCalculationList(c);
                    return;
                }
                const BookingKind kind = kindOfView(view);
                if (recomputeBooking(c.session, kind, c.session.currentRef(bookingFileOf(kind)), c.ui))
                    listChanged(c, kind);
            }),
        anyModeRow(cmd::kSaveAsText, {kDemandView, kConsumptionView, kCalculationsView},
                   [c] {
                       const int view = c.window.currentView();
                       if (view == kCalculationsView) {
                           if (!hasCalculation(c.session, c.ui)) return;
                           const StockSession::CurrentDocument& cur = c.session.current(BookingFile::Calculations);
                           (void)saveCalculationAsText(c.session, c.fs, c.costCentres, c.session.settings(),
                                                       cur.document, cur.number, c.ui);  // reports its own outcome
                           return;
                       }
                       const BookingKind kind = kindOfView(view);
                       const StockSession::CurrentDocument& cur = c.session.current(bookingFileOf(kind));
                       (void)saveBookingAsText(c.session, c.fs, kind, c.costCentres, c.session.settings(), cur.document,
                                               cur.number, c.ui);  // reports its own outcome
                   }),
        row(cmd::kDetails, {kDemandView, kConsumptionView, kCalculationsView}, [c] { showDetails(c); }),
        row(cmd::kRecomputeDemand, {},
            [c] {
                (void)clearAllDemands(c.session, c.ui);  // tells the count itself
                c.refill.request(kMyArticlesList);
                c.window.repaint();
            }),
        // Calculations.
        row(cmd::kCalculations, {}, [c] { openCalculations(c); }),
        row(cmd::kEditCalculation, {kCalculationsView}, [c] { editCalculation(c); }),
        row(cmd::kCalculationCostCentre, {kCalculationsView},
            [c] {
                if (hasCalculation(c.session, c.ui) &&
                    chooseCalculationCostCentre(c.session, c.costCentres, c.session.settings(),
                                                c.session.currentRef(BookingFile::Calculations), c.ui))
                    rebuildCalculationList(c);
            }),
        row(cmd::kPieceCount, {kCalculationsView},
            [c] {
                if (hasCalculation(c.session, c.ui) &&
                    changePieceCount(c.session, c.session.currentRef(BookingFile::Calculations), c.ui))
                    rebuildCalculationList(c);
            }),
        row(cmd::kCalculationToDemand, {kCalculationsView},
            [c] {
                if (!hasCalculation(c.session, c.ui)) return;
                const BookingDocument calculation = c.session.current(BookingFile::Calculations).document;
                if (calculationToDemand(c.session, c.session.clock(), calculation,
                                        c.session.currentRef(BookingFile::Demand), c.ui)) {
                    c.refill.request(kDemandList);
                    c.window.repaint();
                }
            }),
        // Cost centres.
        row(cmd::kCostCentres, {}, [c] { openCostOverview(c, kCostReportView); }),
        row(cmd::kCostSums, {}, [c] { openCostOverview(c, kCostSumsView); }),
        row(cmd::kCostCentreDetails, {}, [c] { openCostDetails(c); }),
        row(cmd::kChooseCostCentre, {kCostDetailsView},
            [c] {
                if (chooseDetailsCostCentre(c.costCentres, c.session.settings(), c.ui))
                    rebuildCostPage(c, kCostDetailsView);
            }),
        row(cmd::kManageCostCentres, {}, [c] { openCostCentres(c); }),
        row(cmd::kCostCentreStatus, {kCostCentresView},
            [c] {
                if (changeSelectedCostCentreState(c.costCentres, c.session.settings(), c.ui))
                    rebuildCostPage(c, kCostCentresView);
            }),
        // Reports.
        row(cmd::kStockHistory, {kMyArticlesView}, [c] { showStockHistory(c); }),
        row(cmd::kStockReport, {}, [c] { openStockValue(c); }),
        row(cmd::kSaveStockReport, {kStockValueView},
            [c] {
                (void)saveStockValueAsText(c.session, c.fs, c.session.catalogue().groups(), c.session.clock(),
                                           c.session.settings(), c.ui);  // reports its own outcome
            }),
    };
}

}  // namespace kvx
