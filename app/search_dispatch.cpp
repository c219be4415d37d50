// Search commands of the dispatcher.
#include "app/search_dispatch.h"

#include "app/main_views.h"
#include "search/search_commands.h"

namespace kvx {

namespace {

void showResults(AppState& app, WindowPort& window) {
    window.showList(kSearchList, true);
    window.fillList(searchListContent(app));
    window.refreshStatusPanels();
    window.repaint();
}

}  // namespace

bool isSearchCommand(int command) {
    switch (command) {
        case 170:
        case 178:
        case 179:
        case 189:
        case 190:
        case 247:
        case 248:
        case 249:
            return true;
        default:
            return false;
    }
}

void runSearchCommand(int command, AppState& app, UserInterface& ui, WindowPort& window, ListRefill& refill,
                      const CatalogueListRange& range) {
    const bool enoughArticles = app.catalogue.articleCount() >= 2;
    switch (command) {
        case 170:
            if (!editAvailabilityFilter(app, ui)) return;
            window.refreshStatusPanels();
            refill.request(kCatalogueList);
            refill.request(kSearchList);
            window.repaint();
            return;
        case 178:
            showSearchCriteria(app, ui);
            window.refreshStatusPanels();
            return;
        case 179:
            exportSearchResult(app, ui);
            return;
        case 189:
            loadParameterSet(app, ui);
            return;
        case 190:
            storeParameterSet(app, ui);
            return;
        case 247: {
            if (!enoughArticles) return;
            // Without a selected group the range is empty and nothing is scanned.
            const bool empty = range.last < range.first || range.first < 0;
            const auto first = static_cast<std::uint32_t>(empty ? 1 : range.first);
            const auto last = static_cast<std::uint32_t>(empty ? 0 : range.last);
            if (searchSelectedArticles(app, ui, first, last)) showResults(app, window);
            window.refreshStatusPanels();
            return;
        }
        case 248:
            if (!enoughArticles) return;
            if (searchAllArticles(app, ui)) showResults(app, window);
            window.refreshStatusPanels();
            return;
        case 249:
            if (!enoughArticles) return;
            window.showList(kCatalogueList, true);
            refill.request(kCatalogueList);
            window.repaint();
            return;
        default:
            return;
    }
}

ListContent searchListContent(AppState& app) {
    ListContent content;
    content.kind = kSearchList;
    if (!app.catalogue.isLoaded()) return content;
    content.columns = searchResultColumns(app.settings.netPrices());
    for (CatalogueListRow& row : searchResultRows(app))
        content.rows.push_back({std::move(row.cells), row.articleNumber});
    return content;
}

}  // namespace kvx
