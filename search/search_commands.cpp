// Search commands, parameter slots, result list rows and the text export.
#include "search/search_commands.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/date_number.h"
#include "base/io_error.h"
#include "base/short_string.h"
#include "base/time_of_day.h"
#include "search/criteria_description.h"
#include "search/search_dialog_context.h"
#include "search/search_history.h"

namespace kvx {

namespace {

int currentSlot(const AppState& app) {
    return app.settings.searchSet();
}

void setCurrentSlot(AppState& app, int n) {
    if (n == currentSlot(app)) return;
    app.settings.data()[SettingsRecord::kSearchSet] = static_cast<std::uint8_t>(n);
    app.settings.setDirty();
}

void activate(AppState& app, const SearchParameterSet& set) {
    app.search.active = set;
    app.search.description = buildCriteriaDescription(set);
}

void showSelection(AppState& app) {
    app.search.selectionStatus = "Auswahl:" + cp1252ToUtf8(app.search.description);
}

// Line n of the slot lists: "n+1 name".
std::string slotLine(AppState& app, int n) {
    const SearchParameterSet set = SearchParameterSet::decode(app.searchParameters.read(static_cast<std::uint32_t>(n)));
    return std::to_string(n + 1) + " " + cp1252ToUtf8(set.name);
}

std::array<std::uint8_t, 5> statusFilterOf(const SettingsRecord& s) {
    std::array<std::uint8_t, 5> f{};
    std::copy_n(s.data() + SettingsRecord::kStatusFilter, f.size(), f.begin());
    return f;
}

bool runSearch(AppState& app, UserInterface& ui, bool all, std::uint32_t first, std::uint32_t last) {
    if (app.catalogue.articleCount() < 2) return false;
    if (!editSearchParameters(app, ui)) return false;
    SearchState& s = app.search;
    FileArticleSource source(app.fs(), kArticleFile, app.catalogue.articleCount());
    const auto filter = statusFilterOf(app.settings);
    const int hits = all ? searchAll(source, kMaxSearchHits, s.active, filter, s.results, s.counters)
                         : searchRange(source, first, last, kMaxSearchHits, s.active, filter, s.results, s.counters);
    app.searchIndex.bytes = s.results.encode();
    app.searchIndex.changed = true;
    // The caller fills the list right away (the dispatcher), so no refill needs to be remembered here.
    if (hits == 0) ui.inform(noHitMessage(s.active, s.description, s.counters));
    return true;
}

// Cells of hit k (article a), Windows-1252.
std::vector<std::string> hitCells(AppState& app, int k, ArticleNumber a, bool net) {
    const CatalogueArticle art = app.catalogue.articles().read(a);
    return {std::to_string(k),
            std::to_string(a),
            cutText(app.catalogue.groups().productGroupName(art.productGroupNumber()), 10),
            art.kurzbez[0],
            descriptionTextCp1252(art),
            utf8ToCp1252(listPriceText(art, net)),
            utf8ToCp1252(statusText(art.artikelstat))};
}

}  // namespace

// ---- start and save ----

void loadSearchAtStart(AppState& app) {
    app.search.active = SearchParameterSet{};
    app.search.modified = false;
    try {
        readSearchSlot(app, currentSlot(app));
    } catch (const IoError&) {
        // A damaged suchpar.dat leaves the empty set; the file is rewritten by the next save of a set.
    }
    app.search.description = buildCriteriaDescription(app.search.active);
    showSelection(app);
    app.search.results = SearchResultList::decode(app.searchIndex.bytes);
}

void saveSearchParameters(AppState& app) {
    if (app.search.modified) writeSearchSlot(app, currentSlot(app));
    app.search.modified = false;
}

bool readSearchSlot(AppState& app, int n) {
    RecordFile& file = app.searchParameters;
    if (!file.isOpen() && !file.open()) return false;
    app.search.storedCount = file.count();
    if (n >= 0 && n < file.count())
        activate(app, SearchParameterSet::decode(file.read(static_cast<std::uint32_t>(n))));
    else
        app.search.description = buildCriteriaDescription(app.search.active);
    return true;
}

bool writeSearchSlot(AppState& app, int n) {
    RecordFile& file = app.searchParameters;
    if (!file.isOpen() && !file.openOrCreate()) return false;
    app.search.storedCount = file.count();
    if (n < 0 || n > file.count()) return true;
    file.writeOrThrow(static_cast<std::uint32_t>(n), app.search.active.encode());
    app.search.storedCount = file.count();
    return true;
}

// ---- commands ----

bool editSearchParameters(AppState& app, UserInterface& ui) {
    SearchHistory words(app.settings, SearchHistory::Kind::Words);
    SearchHistory units(app.settings, SearchHistory::Kind::Units);
    SearchDialogContext context;
    context.slotNumber = currentSlot(app) + 1;
    context.words = words.entries();
    context.units = units.entries();
    context.putWord = [&words](const std::string& w) { words.put(w); };
    context.putUnit = [&units](const std::string& u) { units.put(u); };
    SearchParameterSet edited = app.search.active;
    if (!ui.editSearchParameters(edited, context)) return false;
    activate(app, edited);
    app.search.modified = true;
    showSelection(app);
    return true;
}

bool searchSelectedArticles(AppState& app, UserInterface& ui, std::uint32_t first, std::uint32_t last) {
    return runSearch(app, ui, false, first, last);
}

bool searchAllArticles(AppState& app, UserInterface& ui) {
    return runSearch(app, ui, true, 0, 0);
}

void showSearchCriteria(AppState& app, UserInterface& ui) {
    ui.inform(cp1252ToUtf8(app.search.description));
    showSelection(app);
}

void loadParameterSet(AppState& app, UserInterface& ui) {
    if (app.search.modified) writeSearchSlot(app, currentSlot(app));
    app.search.modified = false;
    RecordFile& file = app.searchParameters;
    if (!file.isOpen()) file.open();
    app.search.storedCount = file.count();
    if (app.search.storedCount == 0) {
        ui.inform(kNoParameterSetStored);
        return;
    }
    ChoiceRequest request;
    request.caption = "Parameter laden";
    request.prompt = "Parameter";
    for (int n = 0; n < app.search.storedCount; ++n) request.lines.push_back(slotLine(app, n));
    request.current = std::min<int>(currentSlot(app), app.search.storedCount - 1);
    const std::optional<int> chosen = ui.chooseLine(request);
    if (!chosen || *chosen < 0 || *chosen >= app.search.storedCount) return;
    setCurrentSlot(app, *chosen);
    readSearchSlot(app, *chosen);
    app.search.modified = false;
}

void storeParameterSet(AppState& app, UserInterface& ui) {
    RecordFile& file = app.searchParameters;
    if (!file.isOpen()) file.open();
    app.search.storedCount = file.count();
    const int stored = app.search.storedCount;
    ChoiceRequest request;
    request.caption = "Parameter speichern";
    request.prompt = "Parameter";
    for (int n = 0; n < std::min(stored, kMaxSearchSlots); ++n) request.lines.push_back(slotLine(app, n));
    // A slot number is one byte: with 256 sets there is no room for a new one.
    if (stored < kMaxSearchSlots) request.lines.push_back("NEU");
    request.current = std::min<int>(currentSlot(app), static_cast<int>(request.lines.size()) - 1);
    const std::optional<int> chosen = ui.chooseLine(request);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(request.lines.size())) return;
    setCurrentSlot(app, *chosen);
    writeSearchSlot(app, *chosen);
    app.search.modified = false;
}

bool editAvailabilityFilter(AppState& app, UserInterface& ui) {
    std::array<std::uint8_t, 5> filter = statusFilterOf(app.settings);
    if (!ui.editStatusFilter(filter)) return false;
    std::copy(filter.begin(), filter.end(), app.settings.data() + SettingsRecord::kStatusFilter);
    app.settings.setDirty();
    return true;
}

void exportSearchResult(AppState& app, UserInterface& ui) {
    FileRequest request;
    request.save = true;
    request.title = "Suchergebnis als Text speichern";
    request.path = cp1252ToUtf8(app.settings.textFolder() + app.search.description + ".TXT");
    request.suffixes = {".TXT"};
    const std::optional<std::string> path = ui.chooseFile(request);
    if (!path) return;
    std::string text;
    for (const std::string& line : searchResultTextLines(app)) text += line + "\r\n";
    std::string error;
    if (!writeWholeFileAtomically(app.fs(), *path, text.data(), text.size(), error)) throw IoError(error);
    ui.inform(kSearchSavedAsText);
}

// ---- result list ----

std::vector<ListColumn> searchResultColumns(bool net) {
    return {
        {"Nr", 6, true},      {"Art-Nr", 6, true},         {"Ort", 10, false},
        {"Name", 20, false},  {"Beschreibung", 30, false}, {std::string(net ? "NPreis" : "BPreis") + "(€)", 9, true},
        {"Status", 10, false}};
}

std::vector<CatalogueListRow> searchResultRows(AppState& app) {
    std::vector<CatalogueListRow> rows;
    const SearchResultList& list = app.search.results;
    const bool net = app.settings.netPrices();
    for (int k = 1; k <= list.count; ++k) {
        CatalogueListRow row;
        row.articleNumber = list.slot(k);
        for (const std::string& cell : hitCells(app, k, row.articleNumber, net))
            row.cells.push_back(cp1252ToUtf8(cell));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string formatColumns(const std::vector<ListColumn>& columns, const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::size_t width = static_cast<std::size_t>(std::max(columns[c].width, 1));
        const std::string cell = c < cells.size() ? cells[c] : std::string();
        if (columns[c].rightAligned) {
            const std::string t = cutText(cell, width);
            line += std::string(width - t.size(), ' ') + t;
        } else {
            const std::string t = cutText(cell, width - 1);
            line += " " + t + std::string(width - 1 - t.size(), ' ');
        }
    }
    return cutText(line, 255);
}

std::vector<std::string> searchResultTextLines(AppState& app) {
    const bool net = app.settings.netPrices();
    std::vector<ListColumn> columns = searchResultColumns(net);
    std::vector<std::string> titles;
    for (const ListColumn& c : columns) titles.push_back(utf8ToCp1252(c.title));
    std::vector<std::string> lines = {"Suche: " + formatDateNumber(app.clock().todayNumber()) + " " +
                                          formatTimeOfDay(app.clock().secondsSinceMidnight()),
                                      "", "Suchkriterium: " + app.search.description, "",
                                      formatColumns(columns, titles)};
    const SearchResultList& list = app.search.results;
    for (int k = 1; k <= list.count; ++k) lines.push_back(formatColumns(columns, hitCells(app, k, list.slot(k), net)));
    return lines;
}

}  // namespace kvx
