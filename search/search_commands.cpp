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

int currentSlot(const SearchSession& s) {
    return s.settings().searchSet();
}

void activate(SearchSession& s, const SearchParameterSet& set) {
    s.state.active = set;
    s.state.description = buildCriteriaDescription(set);
}

void showSelection(SearchSession& s) {
    s.state.selectionStatus = "Auswahl:" + cp1252ToUtf8(s.state.description);
}

// Line n of the slot lists: "n+1 name".
std::string slotLine(SearchSession& s, int n) {
    const SearchParameterSet set = SearchParameterSet::decode(s.parameters.read(static_cast<std::uint32_t>(n)));
    return std::to_string(n + 1) + " " + cp1252ToUtf8(set.name);
}

std::string notCreatable(const RecordFile& file) {
    return "Die Datei " + file.path() + " ist nicht anlegbar! " + file.lastError();
}

// Opens suchpar.dat for the slot lists; false after the message when it exists but cannot be opened.
bool openForList(SearchSession& s, UserInterface& ui) {
    RecordFile& file = s.parameters;
    if (!file.isOpen() && !file.open() && s.fs().exists(file.path())) {
        ui.error("Die Datei " + file.path() + " ist nicht lesbar! " + file.lastError());
        return false;
    }
    s.state.storedCount = file.count();
    return true;
}

// Stores a modified active set in its slot before another slot is used; false after the message.
bool storeModified(SearchSession& s, UserInterface& ui) {
    if (!s.state.modified) return true;
    std::string error;
    if (!writeSearchSlot(s, currentSlot(s), error)) {
        ui.error(error);
        return false;
    }
    s.state.modified = false;
    return true;
}

bool runSearch(SearchSession& s, UserInterface& ui, SearchDialogs& dialogs, bool all, std::uint32_t first,
               std::uint32_t last) {
    if (s.catalogue().articleCount() == 0) return false;
    if (!editSearchParameters(s, dialogs)) return false;
    SearchState& st = s.state;
    const SearchIndex& index = s.searchIndex();
    const StatusFilter filter = s.settings().statusFilterBytes();
    const int hits = all ? searchAll(index, kMaxSearchHits, st.active, filter, st.results, st.counters)
                         : searchRange(index, first, last, kMaxSearchHits, st.active, filter, st.results, st.counters);
    s.index.bytes = st.results.encode();
    s.index.changed = true;
    const std::uint32_t span = all ? s.catalogue().articleCount() : (last >= first ? last - first + 1 : 0);
    ui.status(hitCountText(hits, st.counters.scanned < span));
    // The caller fills the list right away (the dispatcher), so no refill needs to be remembered here.
    if (hits == 0) ui.inform(noHitMessage(st.active, st.description, st.counters));
    return true;
}

// Cells of hit k (article a), Windows-1252.
std::vector<std::string> hitCells(SearchSession& s, int k, ArticleNumber a, bool net) {
    const CatalogueArticle art = s.catalogue().articles().read(a);
    return {std::to_string(k),
            std::to_string(a),
            cutText(s.catalogue().groups().productGroupName(art.productGroupNumber()), 10),
            art.kurzbez[0],
            descriptionTextCp1252(art),
            utf8ToCp1252(listPriceText(art, net)),
            utf8ToCp1252(statusText(art.artikelstat))};
}

}  // namespace

std::string hitCountText(int hits, bool stoppedAtLimit) {
    std::string text = std::to_string(hits) + " Treffer";
    if (stoppedAtLimit) text += " – Suche bei " + std::to_string(hits) + " beendet";
    return text;
}

// ---- start and save ----

void loadSearchAtStart(SearchSession& s) {
    s.state.active = SearchParameterSet{};
    s.state.modified = false;
    try {
        RecordFile& file = s.parameters;
        // A slot the file does not hold is clamped like any damaged count; a file that exists but cannot be
        // opened says nothing about its slots.
        if (file.isOpen() || !s.fs().exists(file.path())) {
            const int count = file.count();
            if (currentSlot(s) >= count && currentSlot(s) > 0)
                s.settings().setSearchSet(static_cast<std::uint8_t>(count > 0 ? count - 1 : 0));
        }
        // A suchpar.dat that cannot be opened leaves the empty set, as a missing one does.
        (void)readSearchSlot(s, currentSlot(s));
    } catch (const IoError&) {
        // A damaged suchpar.dat leaves the empty set; the file is rewritten by the next save of a set.
    }
    s.state.description = buildCriteriaDescription(s.state.active);
    showSelection(s);
    s.state.results = SearchResultList::decode(s.index.bytes);
}

bool saveSearchParameters(SearchSession& s, std::string& error) {
    if (!s.state.modified) return true;
    if (!writeSearchSlot(s, currentSlot(s), error)) return false;
    s.state.modified = false;
    return true;
}

bool readSearchSlot(SearchSession& s, int n) {
    RecordFile& file = s.parameters;
    if (!file.isOpen() && !file.open()) return false;
    s.state.storedCount = file.count();
    if (n >= 0 && n < file.count())
        activate(s, SearchParameterSet::decode(file.read(static_cast<std::uint32_t>(n))));
    else
        s.state.description = buildCriteriaDescription(s.state.active);
    return true;
}

bool writeSearchSlot(SearchSession& s, int n, std::string& error) {
    RecordFile& file = s.parameters;
    if (!file.isOpen() && !file.openOrCreate()) {
        error = notCreatable(file);
        return false;
    }
    s.state.storedCount = file.count();
    if (n < 0 || n > file.count()) return true;
    file.writeAndSync(static_cast<std::uint32_t>(n), s.state.active.encode());
    s.state.storedCount = file.count();
    return true;
}

// ---- commands ----

bool editSearchParameters(SearchSession& s, SearchDialogs& dialogs) {
    SearchHistory words(s.settings(), SearchHistory::Kind::Words);
    SearchHistory units(s.settings(), SearchHistory::Kind::Units);
    SearchDialogContext context;
    context.slotNumber = currentSlot(s) + 1;
    context.words = words.entries();
    context.units = units.entries();
    context.putWord = [&words](const std::string& w) { words.put(w); };
    context.putUnit = [&units](const std::string& u) { units.put(u); };
    SearchParameterSet edited = s.state.active;
    if (!dialogs.editSearchParameters(edited, context)) return false;
    activate(s, edited);
    s.state.modified = true;
    showSelection(s);
    return true;
}

bool searchSelectedArticles(SearchSession& s, UserInterface& ui, SearchDialogs& dialogs, std::uint32_t first,
                            std::uint32_t last) {
    return runSearch(s, ui, dialogs, false, first, last);
}

bool searchAllArticles(SearchSession& s, UserInterface& ui, SearchDialogs& dialogs) {
    return runSearch(s, ui, dialogs, true, 0, 0);
}

void showSearchCriteria(SearchSession& s, UserInterface& ui) {
    ui.inform(cp1252ToUtf8(s.state.description));
    showSelection(s);
}

void loadParameterSet(SearchSession& s, UserInterface& ui) {
    if (!storeModified(s, ui) || !openForList(s, ui)) return;
    if (s.state.storedCount == 0) {
        ui.inform(kNoParameterSetStored);
        return;
    }
    ChoiceRequest request;
    request.caption = "Parameter laden";
    request.prompt = "Parameter";
    for (int n = 0; n < s.state.storedCount; ++n) request.lines.push_back(slotLine(s, n));
    request.current = std::min<int>(currentSlot(s), s.state.storedCount - 1);
    const std::optional<int> chosen = ui.chooseLine(request);
    if (!chosen || *chosen < 0 || *chosen >= s.state.storedCount) return;
    s.settings().setSearchSet(static_cast<std::uint8_t>(*chosen));
    // The file was open for the list, so the slot is read.
    (void)readSearchSlot(s, *chosen);
    s.state.modified = false;
}

void storeParameterSet(SearchSession& s, UserInterface& ui) {
    if (!openForList(s, ui)) return;
    const int stored = s.state.storedCount;
    ChoiceRequest request;
    request.caption = "Parameter speichern";
    request.prompt = "Parameter";
    for (int n = 0; n < std::min(stored, kMaxSearchSlots); ++n) request.lines.push_back(slotLine(s, n));
    // A slot number is one byte: with 256 sets there is no room for a new one.
    if (stored < kMaxSearchSlots) request.lines.push_back("NEU");
    request.current = std::min<int>(currentSlot(s), static_cast<int>(request.lines.size()) - 1);
    const std::optional<int> chosen = ui.chooseLine(request);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(request.lines.size())) return;
    std::string error;
    if (!writeSearchSlot(s, *chosen, error)) {
        // Not stored: the set keeps its modified mark and the current slot stays.
        ui.error(error);
        return;
    }
    s.settings().setSearchSet(static_cast<std::uint8_t>(*chosen));
    s.state.modified = false;
    // The slot is durable now, so the settings may name it.
    if (!s.settings().dirty()) return;
    if (s.settings().save(s.fs(), error))
        s.settings().setDirty(false);
    else
        ui.error(error);
}

bool editAvailabilityFilter(SearchSession& s, SearchDialogs& dialogs) {
    StatusFilter filter = s.settings().statusFilterBytes();
    if (!dialogs.editStatusFilter(filter)) return false;
    s.settings().setStatusFilterBytes(filter);
    return true;
}

void exportSearchResult(SearchSession& s, UserInterface& ui) {
    FileRequest request;
    request.save = true;
    request.title = "Suchergebnis als Text speichern";
    request.path = cp1252ToUtf8(s.settings().textFolder() + s.state.description + ".TXT");
    request.suffixes = {".TXT"};
    const std::optional<std::string> path = ui.chooseFile(request);
    if (!path) return;
    std::string text;
    for (const std::string& line : searchResultTextLines(s)) text += line + "\r\n";
    std::string error;
    if (!writeWholeFileAtomically(s.fs(), *path, text.data(), text.size(), error)) throw IoError(error);
    ui.inform(kSearchSavedAsText);
}

// ---- result list ----

std::vector<ListColumn> searchResultColumns(bool net) {
    return {{"Nr", 6, true},
            {"Art-Nr", 6, true},
            {"Ort", 10, false},
            {"Name", 20, false},
            {"Beschreibung", 30, false, true},
            {std::string(net ? "NPreis" : "BPreis") + "(€)", 9, true},
            {"Status", 10, false}};
}

std::vector<CatalogueListRow> searchResultRows(SearchSession& s) {
    std::vector<CatalogueListRow> rows;
    const SearchResultList& list = s.state.results;
    const bool net = s.settings().netPrices();
    for (int k = 1; k <= list.count; ++k) {
        CatalogueListRow row;
        row.articleNumber = list.slot(k);
        for (const std::string& cell : hitCells(s, k, row.articleNumber, net)) row.cells.push_back(cp1252ToUtf8(cell));
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

std::vector<std::string> searchResultTextLines(SearchSession& s) {
    const bool net = s.settings().netPrices();
    std::vector<ListColumn> columns = searchResultColumns(net);
    std::vector<std::string> titles;
    for (const ListColumn& c : columns) titles.push_back(utf8ToCp1252(c.title));
    std::vector<std::string> lines = {
        "Suche: " + formatDateNumber(s.clock().todayNumber()) + " " + formatTimeOfDay(s.clock().secondsSinceMidnight()),
        "", "Suchkriterium: " + s.state.description, "", formatColumns(columns, titles)};
    const SearchResultList& list = s.state.results;
    for (int k = 1; k <= list.count; ++k) lines.push_back(formatColumns(columns, hitCells(s, k, list.slot(k), net)));
    return lines;
}

}  // namespace kvx
