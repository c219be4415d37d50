// Demand bookings (bedarf.dat) and consumption bookings (verbrauch.dat): their lists, new documents with
// the cost centre choice, booking them with their date dialogs (a demand raises the articles' demand at once
// when its date is less than 14 days away, else at a later start), the demand update at start-up, clearing
// every demand, repricing by single piece, the document page and its text file.
//
// Dates: a demand document holds the day it was applied to My Articles at offset 0 (0 while not applied)
// and the demand date at offset 8; a consumption document holds its consumption date at offset 8, which is
// also what its list and page show. Days between two dates are counted in the calendar.
//
// Every booking is one StockTransaction (the document and the My Articles records it changes) after
// planStockChanges' range check: all of it is written or nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/file_system.h"
#include "base/text_page.h"
#include "base/user_interface.h"
#include "base/view_port.h"
#include "settings/settings_record.h"
#include "stock/cost_centres.h"
#include "stock/document_positions.h"
#include "stock/stock_session.h"

namespace kvx {

inline constexpr const char* kNoMyArticles = " Keine Artikel in \"Meine Artikel\"";
inline constexpr int kDemandDeferralDays = 14;

enum class BookingKind { Demand, Consumption };
BookingFile bookingFileOf(BookingKind kind);
// "Bedarf" or "Verbrauch".
std::string kindWord(BookingKind kind);

// --- dates ---
// Days from `today` to `date` in the calendar (negative for a past date; 0 when either is no valid date).
int daysFromTo(DateNumber today, DateNumber date);
// A demand dated `date` is applied on `today` when fewer than 14 days lie between them (a past date too).
bool demandIsDue(DateNumber today, DateNumber date);
// The latest demand date the date dialog offers: the same day one month ahead, the last day of that month
// when it is shorter (31 January -> 28 or 29 February; 15 December -> 15 January of the next year).
DateNumber oneMonthAhead(DateNumber today);

// --- lists ---
struct BookingList {
    ListContent content;
    std::int64_t grossTotal = 0;  // offsets 19 and 23 summed over every document
    std::int64_t netTotal = 0;
};
// The rows from the last document to the first: "Nr", "Angelegt", "Bedarf per" (offset 0) or "Buch-Dat"
// (offset 8), "Kostenstelle", "Positionen", "Status", "GesBrutto", "GesNetto"; each row's datum is the
// document number; the current one is selected.
std::vector<ListColumn> bookingListColumns(BookingKind kind);
BookingList bookingList(StockSession& session, BookingKind kind, const CostCentres& centres,
                        std::uint32_t currentNumber);
// "Bedarf" / "Verbrauch" in the My Articles view: refused without My Articles records; the last document
// becomes current (an empty file gives an initialised one). Nothing when refused or the write-back failed.
std::optional<BookingList> openBookingList(StockSession& session, BookingKind kind, const CostCentres& centres,
                                           DocumentRef current, UserInterface& ui);

// "Neu": the question, for a demand the cost centre choice with the closed check, then an initialised
// document appended as the current one. True when one was appended.
bool newBooking(StockSession& session, BookingKind kind, const CostCentres& centres, const SettingsRecord& settings,
                const Clock& clock, DocumentRef current, UserInterface& ui);
// "Ändern": "Kein Bedarf"/"Kein Verbrauch" for an empty file, "... bereits gebucht" for a booked document.
// True when the document view may open (caption documentViewCaption(kind)).
bool mayEditBooking(StockSession& session, BookingKind kind, const BookingDocument& document, UserInterface& ui);
std::string documentViewCaption(BookingKind kind);
// "Kostenstelle": refused for a booked document; the choice with the closed check; a changed choice is
// stored and the document written. True when written.
bool chooseBookingCostCentre(StockSession& session, BookingKind kind, const CostCentres& centres,
                             const SettingsRecord& settings, DocumentRef current, UserInterface& ui);

// "Buchen" in the demand list. True when booked (applied now or deferred).
bool bookDemand(StockSession& session, const Clock& clock, DocumentRef current, UserInterface& ui);
// "Buchen" in the consumption list. True when booked.
bool bookConsumption(StockSession& session, const Clock& clock, DocumentRef current, UserInterface& ui);

// Start-up: every booked, not yet applied demand that is due is applied, all in one change, and
// "Bedarf aktualisiert:" + count shown when there was any. A document whose quantities would leave their
// range is reported and stays for a later start. `current`, when given and one of them, is read again.
// Returns the number applied.
int applyDueDemands(StockSession& session, const Clock& clock, UserInterface& ui, DocumentRef* current = nullptr);
// "Bedarfe Korrigiert": every demand of My Articles set to 0 in one change; count + " Bedarfe Korrigiert".
int clearAllDemands(StockSession& session, UserInterface& ui);

// "Neu berechnen": the current document repriced by single piece and written. True when written.
bool recomputeBooking(StockSession& session, BookingKind kind, DocumentRef current, UserInterface& ui);
// Leaving the document view: repriced by single piece, written when changed.
[[nodiscard]] StockWriteResult leaveBookingView(StockSession& session, BookingKind kind, DocumentRef current);

// The document page: kind word and number, the date, status and cost centre lines, the positions with the
// names and descriptions of the articles' current copies in My Articles, and the sum row
// "Summe " + pieces + " Stück". The position at `highlight` is highlighted.
TextPage bookingPage(StockSession& session, BookingKind kind, const CostCentres& centres,
                     const BookingDocument& document, std::uint32_t number, std::size_t highlight);
// "Als Textdatei speichern..": the page written to the file the user chooses (proposed: text folder +
// "Bedarf"/"Verbrauch" + number + ".TXT"). True when written.
bool saveBookingAsText(StockSession& session, FileSystem& fs, BookingKind kind, const CostCentres& centres,
                       const SettingsRecord& settings, const BookingDocument& document, std::uint32_t number,
                       UserInterface& ui);

}  // namespace kvx
