// The search operations of the commands: the search dialog with the search itself, the stored parameter
// sets in suchpar.dat, the criteria shown, the availability filter, the result list rows and the text
// export. They work on the search session and talk to the user only through the UserInterface port and
// the search dialogs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/user_interface.h"
#include "catalogue/catalogue_article.h"
#include "search/search_dialogs.h"
#include "search/search_session.h"

namespace kvx {

inline constexpr const char* kNoParameterSetStored = "Es sind noch keine Suchparameter gespeichert";
inline constexpr const char* kSearchSavedAsText = "Suche wurde als Text gespeichert";
// Slot numbers are one byte in the settings.
inline constexpr int kMaxSearchSlots = 256;

// The hint after a search: "37 Treffer", or "500 Treffer – Suche bei 500 beendet" when the hit limit ended the
// scan before the last article.
std::string hitCountText(int hits, bool stoppedAtLimit);

// ---- start and save ----
// Clears the active set, reads the current slot of suchpar.dat (silently nothing when the file or the slot
// does not exist), rebuilds the description and takes the last result list from the loaded suchidx.dat. A
// slot number of the settings beyond the file (damaged, or a file replaced since) is clamped to its last
// set, or to 0 when there is none, and the settings are marked modified.
void loadSearchAtStart(SearchSession& s);
// Save of all user data: a modified active set goes into its slot. False with `error` when suchpar.dat
// cannot be opened or created; the set then stays marked modified.
[[nodiscard]] bool saveSearchParameters(SearchSession& s, std::string& error);

// Reads slot n into the active set (when n is below the stored count) and rebuilds the description; false
// when suchpar.dat cannot be opened. Updates the stored count.
[[nodiscard]] bool readSearchSlot(SearchSession& s, int n);
// Writes the active set into slot n when n <= the stored count (n == count appends); false with `error`
// (file name and reason) when the file cannot be opened or created. Updates the stored count. The record is
// synced (with the directory when the file was created) before this returns; a write or sync error throws
// IoError.
[[nodiscard]] bool writeSearchSlot(SearchSession& s, int n, std::string& error);

// ---- commands ----
// The search dialog on the active set; on OK the set is replaced and marked modified, the description is
// rebuilt and the status line text set. False when cancelled.
[[nodiscard]] bool editSearchParameters(SearchSession& s, SearchDialogs& dialogs);
// "Auswahl in gewählten Artikeln" (first..last record positions) and "Auswahl im Gesamtbestand": the dialog,
// then the scan; the result list is marked changed and, with no hit, "Keine Artikel!" is shown. False
// when nothing was searched (empty catalogue, dialog cancelled); the caller then shows the result list.
[[nodiscard]] bool searchSelectedArticles(SearchSession& s, UserInterface& ui, SearchDialogs& dialogs,
                                          std::uint32_t first, std::uint32_t last);
[[nodiscard]] bool searchAllArticles(SearchSession& s, UserInterface& ui, SearchDialogs& dialogs);
// "Suchkriterium zeigen".
void showSearchCriteria(SearchSession& s, UserInterface& ui);
// "Parameter laden" / "Parameter speichern". A suchpar.dat that cannot be opened or created is reported
// ("Die Datei suchpar.dat ist nicht anlegbar!" with the reason); the active set then stays as it was, still
// marked modified, and the current slot is not changed.
void loadParameterSet(SearchSession& s, UserInterface& ui);
// "Parameter speichern" writes the set into its slot and makes it durable first, then saves the settings with
// the new slot number (settings.dat, atomically): after a crash at any moment the settings name a slot the
// file holds. A settings.dat that cannot be saved is reported; the block stays marked modified for the quit.
void storeParameterSet(SearchSession& s, UserInterface& ui);
// "Verfügbarkeit": the filter dialog; on OK the five bytes go back and the settings are marked modified.
[[nodiscard]] bool editAvailabilityFilter(SearchSession& s, SearchDialogs& dialogs);
// "Suche als Text speichern". A file that cannot be written throws IoError.
void exportSearchResult(SearchSession& s, UserInterface& ui);

// ---- result list ----
std::vector<ListColumn> searchResultColumns(bool net);
// One row per hit (item data = the article's record position); cells UTF-8.
std::vector<CatalogueListRow> searchResultRows(SearchSession& s);
// The lines of the text export without line ends, Windows-1252.
std::vector<std::string> searchResultTextLines(SearchSession& s);

// A line of fixed-width columns: right-aligned texts padded on the left; left-aligned ones get a blank in
// front and are cut to width - 1; the line is cut to 255 characters.
std::string formatColumns(const std::vector<ListColumn>& columns, const std::vector<std::string>& cells);

}  // namespace kvx
