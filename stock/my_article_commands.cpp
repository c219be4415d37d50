// My Articles: list, adding, editing, datasheet and link.
#include "stock/my_article_commands.h"

#include <algorithm>
#include <map>

#include "base/cp1252.h"
#include "base/short_string.h"
#include "catalogue/catalogue_article.h"

namespace kvx {

namespace {

std::string numberOrEmpty(long long v) {
    return v == 0 ? std::string() : std::to_string(v);
}

void reportWrite(UserInterface& ui, const StockWriteResult& w) {
    if (w.message.empty()) return;
    // A refusal or failure; with ok, the change was made but later changes are stopped.
    ui.error(w.message);
}

// Inserts record `r` after the entry dialog; the record number, or nothing when cancelled or failed.
std::optional<std::uint32_t> insertWithDialog(StockSession& s, UserInterface& ui, StockDialogs& dialogs,
                                              MyArticleRecord record) {
    if (!runEntryDialog(record, s.settings(), dialogs)) return std::nullopt;
    const InsertResult result = s.insertMyArticle(record);
    reportWrite(ui, result);
    if (!result.ok) return std::nullopt;
    return result.recordNumber;
}

}  // namespace

// ---- the list ----

std::vector<ListColumn> myArticlesColumns(bool net) {
    return {{"Nr", 5, true},
            {"Art-Nr", 7, true},
            {"Ort", 12, false},
            {"Name", 22, false},
            {"Beschreibung", 35, false, true},
            {std::string(net ? "NPreis" : "BPreis") + "(€)", 9, true},
            {"Bestand", 8, true},
            {"Bestellen", 10, true},
            {"Bestellt", 8, true},
            {"Bedarf", 8, true},
            {"MinBstd", 8, true},
            {"MinBMen", 8, true},
            {"Lieferzeit", 8, true},
            {"Datenbl", 9, false},
            {"Bemerkung", 60, false, true}};
}

ListContent myArticlesListContent(StockSession& session, const GroupTables& groups, bool net) {
    ListContent content;
    content.kind = kMyArticlesList;
    content.columns = myArticlesColumns(net);
    content.rows.reserve(session.myArticleCount());
    // The labels of the few goods groups in use, read once each.
    std::map<int, std::string> places;
    auto place = [&](int g) -> const std::string& {
        auto it = places.find(g);
        if (it == places.end()) it = places.emplace(g, cp1252ToUtf8(cutText(groups.productGroupName(g), 10))).first;
        return it->second;
    };
    session.forEachMyArticle([&](std::uint32_t n, const MyArticleRecord& r) {
        const CatalogueArticle a = r.article();
        // A damaged break index shows no price rather than another break's.
        const bool validBreak = r.priceBreakIndex >= 1 && r.priceBreakIndex <= 6;
        std::vector<std::string> cells{std::to_string(n + 1),
                                       r.notInCatalogue() ? "—" : std::to_string(r.articleNumber),
                                       r.notInCatalogue() ? "—" : place(r.goodsGroup),
                                       articleName(a),
                                       descriptionText(a),
                                       validBreak ? priceText(a, net, a.prices[r.priceBreakIndex - 1u]) : std::string(),
                                       std::to_string(r.stock),
                                       numberOrEmpty(r.quantityToOrder),
                                       numberOrEmpty(r.onOrder),
                                       numberOrEmpty(r.demand),
                                       numberOrEmpty(r.minimumStock),
                                       numberOrEmpty(r.minimumOrderQuantity),
                                       std::to_string(r.deliveryTime),
                                       r.datasheet.empty() ? "-" : "X",
                                       cp1252ToUtf8(r.remark)};
        content.rows.push_back({std::move(cells), n});
    });
    const std::uint32_t current = session.currentMyArticle();
    if (current < content.rows.size()) content.selectedRow = static_cast<int>(current);
    return content;
}

// ---- links ----

std::string defaultLink(const std::string& searchAddress, const std::string& articleName) {
    std::string link = searchAddress;
    if (link.find('?') == std::string::npos && link.find('=') == std::string::npos) {
        while (!link.empty() && link.back() == '/') link.pop_back();
        link += "/search?q=";
    }
    static const char* const kHex = "0123456789ABCDEF";
    for (const char c : cp1252ToUtf8(articleName)) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
                           b == '_' || b == '.' || b == '~';
        if (plain) {
            link += c;
        } else {
            link += '%';
            link += kHex[b >> 4];
            link += kHex[b & 15];
        }
    }
    return cutText(link, MyArticleRecord::kLinkCapacity);
}

std::vector<std::string> recentLinks(const SettingsRecord& settings) {
    std::vector<std::string> links;
    const int count = settings.historyCount(SettingsRecord::History::EntryLinks);
    for (int k = 1; k <= count; ++k) links.push_back(settings.historyEntry(SettingsRecord::History::EntryLinks, k));
    return links;
}

void enterRecentLink(SettingsRecord& settings, const std::string& link) {
    if (link.empty()) return;
    constexpr auto kHistory = SettingsRecord::History::EntryLinks;
    std::vector<std::string> links = recentLinks(settings);
    const auto found = std::find(links.begin(), links.end(), link);
    if (!links.empty() && found == links.begin()) return;
    if (found != links.end()) links.erase(found);
    links.insert(links.begin(), link);
    const int capacity = SettingsRecord::historyCapacity(kHistory);
    if (static_cast<int>(links.size()) > capacity) links.resize(static_cast<std::size_t>(capacity));
    // The setters mark the settings dirty only where a byte changes.
    for (std::size_t i = 0; i < links.size(); ++i)
        settings.setHistoryEntry(kHistory, static_cast<int>(i) + 1, links[i]);
    settings.setHistoryCount(kHistory, static_cast<int>(links.size()));
}

LinkChoices linkChoices(const std::vector<std::string>& recent, const std::string& link) {
    LinkChoices choices;
    const auto found = std::find(recent.rbegin(), recent.rend(), link);
    if (found != recent.rend()) {
        choices.lines = recent;
        choices.selected = static_cast<int>(recent.rend() - found) - 1;
        return choices;
    }
    choices.lines.push_back(link);
    choices.lines.insert(choices.lines.end(), recent.begin(), recent.end());
    return choices;
}

// ---- the entry dialog ----

bool runEntryDialog(MyArticleRecord& record, SettingsRecord& settings, StockDialogs& dialogs) {
    MyArticleRecord copy = record;
    const std::string name = copy.article().kurzbez[0];
    // Without a link of its own the record is offered the search for its name, which OK then stores.
    if (copy.link.empty()) copy.link = defaultLink(settings.searchEngine(), name);
    const std::string link = copy.link;
    const LinkChoices choices = linkChoices(recentLinks(settings), link);
    MyArticleEntryRequest request;
    request.caption = cp1252ToUtf8(name);
    for (const std::string& line : choices.lines) request.links.push_back(cp1252ToUtf8(line));
    request.selectedLink = choices.selected;
    request.datasheetFolder = cp1252ToUtf8(copy.datasheet.empty() ? settings.datasheetFolder() : copy.datasheet);
    if (!dialogs.editMyArticle(copy, request)) return false;
    // The dialog checks its ranges; a record it returns outside them would still not be stored.
    if (firstFieldOutOfRange(copy) != 0) return false;
    enterRecentLink(settings, copy.link);
    // The quantities may have changed: what is to be ordered follows them at once.
    updateQuantityToOrder(copy);
    record = copy;
    return true;
}

// ---- commands ----

std::string articleLabel(const Catalogue& catalogue, ArticleNumber a) {
    return "Artikel " + std::to_string(a) + ":" + articleName(catalogue.articles().read(a));
}

bool addToMyArticles(StockSession& s, UserInterface& ui, StockDialogs& dialogs, ArticleNumber a) {
    if (!s.catalogue().articles().isSelectable(a)) return false;
    const std::string label = articleLabel(s.catalogue(), a);
    if (const std::uint32_t k = s.index().find(a); k != 0) {
        if (!ui.ask(label + " bereits vorhanden. Ändern?")) return false;
        return editMyArticle(s, ui, dialogs, k - 1);
    }
    if (!ui.ask(label + " zu Meine Artikel hinzufügen?")) return false;
    const std::optional<MyArticleRecord> record = s.makeRecordFor(a);
    return record && insertWithDialog(s, ui, dialogs, *record).has_value();
}

std::optional<std::uint32_t> insertArticle(StockSession& s, UserInterface& ui, StockDialogs& dialogs, ArticleNumber a) {
    const std::optional<MyArticleRecord> record = s.makeRecordFor(a);
    if (!record) return std::nullopt;
    return insertWithDialog(s, ui, dialogs, *record);
}

std::optional<std::uint32_t> useArticle(StockSession& s, UserInterface& ui, StockDialogs& dialogs, ArticleNumber a) {
    if (!s.catalogue().articles().isSelectable(a)) return std::nullopt;
    if (!ui.ask(articleLabel(s.catalogue(), a) + " verwenden?")) return std::nullopt;
    if (const std::uint32_t k = s.index().find(a); k != 0) {
        ui.inform(kArticleAlreadyPresent);
        return k - 1;
    }
    const std::optional<MyArticleRecord> record = s.makeRecordFor(a);
    if (!record) return std::nullopt;
    const std::optional<std::uint32_t> n = insertWithDialog(s, ui, dialogs, *record);
    if (n) ui.inform(kArticleAdded);
    return n;
}

bool editMyArticle(StockSession& s, UserInterface& ui, StockDialogs& dialogs, std::uint32_t n) {
    std::optional<MyArticleRecord> record = s.readMyArticle(n);
    if (!record) {
        ui.inform("Meine Artikel, Datensatz nicht vorhanden: " + std::to_string(n));
        return false;
    }
    if (!runEntryDialog(*record, s.settings(), dialogs)) return false;
    const StockWriteResult w = s.writeMyArticle(n, *record);
    reportWrite(ui, w);
    return w.ok;
}

void showDatasheet(StockSession& s, UserInterface& ui, std::uint32_t n) {
    const std::string p = "NR " + std::to_string(n + 1);
    const std::optional<MyArticleRecord> r = s.readMyArticle(n);
    if (!r) {
        ui.inform(p + " Kein Datenblatt");
        return;
    }
    if (r->datasheet.empty()) {
        ui.inform(p + " Artnr:" + std::to_string(r->articleNumber) + " " + articleName(r->article()) +
                  " Kein Datenblatt");
        return;
    }
    const std::string path = cp1252ToUtf8(r->datasheet);
    if (!ui.ask(articleName(r->article()) + "; Datenblatt zeigen: " + path)) return;
    openAddress(ui, path);
}

void showLink(StockSession& s, UserInterface& ui, std::uint32_t n) {
    const std::optional<MyArticleRecord> r = s.readMyArticle(n);
    if (!r) {
        ui.inform("NR " + std::to_string(n + 1) + " Kein Link");
        return;
    }
    // A stored link is used as it is; without one the search address itself.
    const std::string address = cp1252ToUtf8(r->link.empty() ? s.settings().searchEngine() : r->link);
    if (!ui.ask(articleName(r->article()) + "; Internetlink zeigen/suchen: " + address)) return;
    openAddress(ui, address);
}

void openAddress(UserInterface& ui, const std::string& address) {
    if (!ui.ask(kAskInternet)) return;
    const ShellResult result = ui.shellOpen(address);
    if (!result.ok()) ui.error(result.errorText);
}

}  // namespace kvx
