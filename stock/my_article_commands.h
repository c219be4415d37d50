// The My Articles operations of the main window: the list (view 4), adding a catalogue article with its
// questions and the entry dialog, editing an entry, and opening its datasheet or internet link through the
// shell. They talk to the user through UserInterface and StockDialogs; texts handed out are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/user_interface.h"
#include "base/view_port.h"
#include "catalogue/group_tables.h"
#include "settings/settings_record.h"
#include "stock/stock_dialogs.h"
#include "stock/stock_session.h"

namespace kvx {

inline constexpr const char* kNoMyArticles = " Keine Artikel in \"Meine Artikel\"";
inline constexpr const char* kSimpleModeRefusal = " Im einfachen Modus nicht möglich";
inline constexpr const char* kAskInternet = "Internetverbindung erforderlich. Fortsetzen?";
inline constexpr const char* kArticleAdded = "Artikel wurde zu Meine Artikel hinzugefügt";

// ---- the list (kind 4) ----
std::vector<ListColumn> myArticlesColumns(bool netPrices);
// One row per record, first to last; the row's datum is the record number. "Ort" is the goods group's label
// cut to 10 characters ("?" outside the group file); the price is that of the record's own price break.
ListContent myArticlesListContent(StockSession& session, const GroupTables& groups, bool netPrices);

// ---- links ----
// The link offered for an article without one: the search address followed by the article name,
// percent-encoded as UTF-8. An address that is not already a query prefix (no "?" and no "=") gets
// "/search?q=" first. Windows-1252 in and out, cut to the link field's 120 characters.
std::string defaultLink(const std::string& searchAddress, const std::string& articleName);
// The recent links of the settings, most recent first (Windows-1252).
std::vector<std::string> recentLinks(const SettingsRecord& settings);
// Enters a confirmed link: nothing for an empty one; a new one goes in front (the oldest of 20 drops off); one
// found further down moves to the front. The settings are marked dirty only when this changes them.
void enterRecentLink(SettingsRecord& settings, const std::string& link);
struct LinkChoices {
    std::vector<std::string> lines;
    int selected = 0;
};
// The drop-down list for link L: the recent links with the last entry equal to L selected, or L in front of
// them, selected, when it is not among them.
LinkChoices linkChoices(const std::vector<std::string>& recent, const std::string& link);

// ---- the entry dialog ----
// Runs the entry dialog on a copy of `record` (caption: the article name). On OK the link is entered into the
// recent links, the quantity to order is recomputed from the new quantities, and `record` is replaced.
[[nodiscard]] bool runEntryDialog(MyArticleRecord& record, SettingsRecord& settings, StockDialogs& dialogs);

// ---- commands ----
// "Zu meine Artikel" (126): asks "... bereits vorhanden. Ändern?" and edits the entry, or asks "... zu Meine
// Artikel hinzufügen?" and inserts it through the entry dialog. Nothing for an article that is not selectable.
// True when My Articles changed.
bool addToMyArticles(StockSession& s, UserInterface& ui, StockDialogs& dialogs, ArticleNumber a);
// The ordering entry point (151): asks "... verwenden?"; inserts the article when it is not yet present
// ("Artikel wurde zu Meine Artikel hinzugefügt") or says it is there. The record number of the entry, or
// nothing when the user declined, cancelled or the insertion failed.
std::optional<std::uint32_t> useArticle(StockSession& s, UserInterface& ui, StockDialogs& dialogs, ArticleNumber a);
// Catalogue article `a` put into My Articles through the entry dialog, without a question; its record number, or
// nothing when cancelled, refused or failed (shown).
std::optional<std::uint32_t> insertArticle(StockSession& s, UserInterface& ui, StockDialogs& dialogs, ArticleNumber a);
// "Ändern.." (127): edits record n and writes it back on OK. True when it was written.
bool editMyArticle(StockSession& s, UserInterface& ui, StockDialogs& dialogs, std::uint32_t n);
// "Datenblatt zeigen" (144) and "Internet-Link aufrufen" (155) for record n.
void showDatasheet(StockSession& s, UserInterface& ui, std::uint32_t n);
void showLink(StockSession& s, UserInterface& ui, std::uint32_t n);
// Asks "Internetverbindung erforderlich. Fortsetzen?" and hands the address to the shell; a shell failure is
// reported as an error.
void openAddress(UserInterface& ui, const std::string& address);

// "Artikel " + a + ":" + name of catalogue article a (UTF-8).
std::string articleLabel(const Catalogue& catalogue, ArticleNumber a);

}  // namespace kvx
