// Search commands of the command table.
#include "search/search_command_table.h"

#include "base/command_numbers.h"
#include "search/search_commands.h"

namespace kvx {

namespace {

void showResults(const SearchCommandContext& c) {
    c.window.showList(kSearchList, true);
    c.window.fillList(searchListContent(c.session));
    c.window.refreshStatusPanels();
    c.window.repaint();
}

bool enoughArticles(const SearchCommandContext& c) {
    return c.session.catalogue().articleCount() >= 1;
}

void availability(const SearchCommandContext& c) {
    if (!editAvailabilityFilter(c.session, c.dialogs)) return;
    c.window.refreshStatusPanels();
    c.refill.request(kCatalogueList);
    c.refill.request(kSearchList);
    c.window.repaint();
}

void searchSelected(const SearchCommandContext& c) {
    if (!enoughArticles(c)) return;
    // Without a selected group the range is empty and nothing is scanned.
    const CatalogueListRange& range = c.range;
    const bool empty = range.last < range.first || range.first < 0;
    const auto first = static_cast<std::uint32_t>(empty ? 1 : range.first);
    const auto last = static_cast<std::uint32_t>(empty ? 0 : range.last);
    if (searchSelectedArticles(c.session, c.ui, c.dialogs, first, last)) showResults(c);
    c.window.refreshStatusPanels();
}

void searchAll(const SearchCommandContext& c) {
    if (!enoughArticles(c)) return;
    if (searchAllArticles(c.session, c.ui, c.dialogs)) showResults(c);
    c.window.refreshStatusPanels();
}

void resetSearch(const SearchCommandContext& c) {
    if (!enoughArticles(c)) return;
    c.window.showList(kCatalogueList, true);
    c.refill.request(kCatalogueList);
    c.window.repaint();
}

}  // namespace

std::vector<CommandRow> searchCommandRows(const SearchCommandContext& c) {
    return {
        {cmd::kAvailability, false, {}, {}, [c] { availability(c); }},
        {cmd::kShowSearchCriteria,
         false,
         {},
         {},
         [c] {
             showSearchCriteria(c.session, c.ui);
             c.window.refreshStatusPanels();
         }},
        {cmd::kSaveSearchAsText, false, {}, {}, [c] { exportSearchResult(c.session, c.ui); }},
        {cmd::kLoadParameters, false, {}, {}, [c] { loadParameterSet(c.session, c.ui); }},
        {cmd::kStoreParameters, false, {}, {}, [c] { storeParameterSet(c.session, c.ui); }},
        {cmd::kSearchSelected, false, {}, {}, [c] { searchSelected(c); }},
        {cmd::kSearchAll, false, {}, {}, [c] { searchAll(c); }},
        {cmd::kResetSearch, false, {}, {}, [c] { resetSearch(c); }},
    };
}

ListContent searchListContent(SearchSession& session) {
    ListContent content;
    content.kind = kSearchList;
    if (!session.catalogue().isLoaded()) return content;
    content.columns = searchResultColumns(session.settings().netPrices());
    for (CatalogueListRow& row : searchResultRows(session))
        content.rows.push_back({std::move(row.cells), row.articleNumber});
    return content;
}

}  // namespace kvx
