// Demand and consumption bookings.
#include "stock/demand_consumption.h"

#include <map>

#include "base/cp1252.h"
#include "stock/document_page.h"
#include "stock/orders.h"
#include "stock/report_text.h"
#include "stock/stock_changes.h"

namespace kvx {

namespace {

constexpr std::uint8_t kBooked = 2;

std::string noDocumentText(BookingKind kind) {
    return kind == BookingKind::Demand ? "Kein Bedarf" : "Kein Verbrauch";
}

std::string alreadyBookedText(BookingKind kind) {
    return kind == BookingKind::Demand ? "Bedarf bereits gebucht" : "Verbrauch bereits gebucht";
}

// The date a list row and the page show: the applied day of a demand, the consumption date of a consumption.
DateNumber shownDate(BookingKind kind, const BookingDocument& d) {
    return kind == BookingKind::Demand ? d.bookedDate : d.eventDate;
}

std::string statusText(const BookingDocument& d) {
    return d.status == 0 ? "in Arbeit" : "gebucht";
}

RecordReader sessionReader(StockSession& session) {
    return [&session](std::uint32_t n) { return session.readMyArticle(n); };
}

// The quantity changes of the valid positions that name My Articles records.
std::vector<StockChange> changesOf(const BookingDocument& d, BookingKind kind) {
    std::vector<StockChange> changes;
    for (std::size_t i = 0; i < d.validPositions(); ++i) {
        const BookingPosition& p = d.positions[i];
        if (p.catalogueDirect != 0) continue;
        const std::int32_t q = p.quantity;
        if (kind == BookingKind::Demand) {
            changes.push_back({p.recordNumber, StockField::Demand, StockOperation::Add, q});
        } else {
            changes.push_back({p.recordNumber, StockField::CumulativeConsumption, StockOperation::Add, q});
            changes.push_back({p.recordNumber, StockField::Demand, StockOperation::SaturatingSubtract, q});
            changes.push_back({p.recordNumber, StockField::Stock, StockOperation::Subtract, q});
        }
    }
    return changes;
}

// Commits the document with the records of the plan; true when done (the messages shown).
bool commitBooking(StockSession& session, BookingKind kind, DocumentRef current, const BookingDocument& booked,
                   const StockPlan& plan, UserInterface& ui) {
    StockTransaction t;
    for (const auto& [n, r] : plan.records) t.myArticles.emplace_back(n, r);
    t.documents.push_back({bookingFileOf(kind), current.number, booked});
    if (!reportWrite(ui, session.commit(t))) return false;
    current.document = booked;
    current.changed = false;
    return true;
}

// The booking date dialog; a confirmed 0 is answered "dat=0" and today is used. Nothing when cancelled.
std::optional<DateNumber> askBookingDate(const std::string& caption, DateNumber today, DateNumber limitA,
                                         DateNumber limitB, UserInterface& ui) {
    DateRequest request;
    request.caption = caption;
    request.value = today;
    request.limitA = limitA;
    request.limitB = limitB;
    std::optional<DateNumber> date = ui.askDate(request);
    if (!date) return std::nullopt;
    if (*date == 0) {
        ui.error("dat=0");
        return today;
    }
    if (!isValidDate(*date)) {
        ui.inform("Ungültiges Datum: " + std::to_string(*date));
        return std::nullopt;
    }
    return date;
}

// The checks every booking of the current document starts with.
bool mayBook(StockSession& session, BookingKind kind, const BookingDocument& d, UserInterface& ui) {
    if (session.documentCount(bookingFileOf(kind)) == 0) {
        ui.inform(noDocumentText(kind));
        return false;
    }
    if (d.validPositions() == 0) {
        ui.inform("Keine Artikel");
        return false;
    }
    if (d.status != 0) {
        ui.inform(alreadyBookedText(kind));
        return false;
    }
    return true;
}

}  // namespace

BookingFile bookingFileOf(BookingKind kind) {
    return kind == BookingKind::Demand ? BookingFile::Demand : BookingFile::Consumption;
}

std::string kindWord(BookingKind kind) {
    return kind == BookingKind::Demand ? "Bedarf" : "Verbrauch";
}

std::string documentViewCaption(BookingKind kind) {
    return kindWord(kind) + " ändern";
}

int daysFromTo(DateNumber today, DateNumber date) {
    return daysBetween(today, date);
}

bool demandIsDue(DateNumber today, DateNumber date) {
    return daysFromTo(today, date) < kDemandDeferralDays;
}

DateNumber oneMonthAhead(DateNumber today) {
    if (!isValidDate(today)) return today;
    CalendarDate d = decodeDate(today);
    d.month += 1;
    if (d.month > 12) {
        d.month = 1;
        d.year += 1;
    }
    while (d.day > 28 && !isValidDate(encodeDate(d))) --d.day;
    return encodeDate(d);
}

std::vector<ListColumn> bookingListColumns(BookingKind kind) {
    return {{"Nr", 6, true},
            {"Angelegt", 10, false},
            {kind == BookingKind::Demand ? "Bedarf per" : "Buch-Dat", 10, false},
            {"Kostenstelle", 14, false},
            {"Positionen", 10, true},
            {"Status", 12, false},
            {"GesBrutto", 10, true},
            {"GesNetto", 10, true}};
}

BookingList bookingList(StockSession& session, BookingKind kind, const CostCentres& centres,
                        std::uint32_t currentNumber) {
    BookingList list;
    ListContent& c = list.content;
    c.kind = kind == BookingKind::Demand ? kDemandList : kConsumptionList;
    c.columns = bookingListColumns(kind);
    const BookingFile file = bookingFileOf(kind);
    for (std::uint32_t n = session.documentCount(file); n-- > 0;) {
        const std::optional<BookingDocument> d = session.readDocument(file, n);
        if (!d) continue;
        list.grossTotal += d->grossOrdered;
        list.netTotal += d->netOrdered;
        if (n == currentNumber) c.selectedRow = static_cast<int>(c.rows.size());
        c.rows.push_back({{std::to_string(n + 1), dateText(d->createdDate), dateText(shownDate(kind, *d)),
                           cp1252ToUtf8(centres.label(d->costCentre)), std::to_string(d->validPositions()),
                           statusText(*d), amountText(d->grossOrdered), amountText(d->netOrdered)},
                          n});
    }
    return list;
}

std::optional<BookingList> openBookingList(StockSession& session, BookingKind kind, const CostCentres& centres,
                                           DocumentRef current, UserInterface& ui) {
    if (session.myArticleCount() == 0) {
        ui.inform(kNoMyArticles);
        return std::nullopt;
    }
    const std::uint32_t count = session.documentCount(bookingFileOf(kind));
    const std::uint32_t last = count == 0 ? 0 : count - 1;
    if (!reportWrite(ui, makeDocumentCurrent(session, bookingFileOf(kind), current, last))) return std::nullopt;
    return bookingList(session, kind, centres, current.number);
}

bool newBooking(StockSession& session, BookingKind kind, const CostCentres& centres, const SettingsRecord& settings,
                const Clock& clock, DocumentRef current, UserInterface& ui) {
    if (!ui.ask(kind == BookingKind::Demand ? "Neue Bedarfsbuchung anlegen?" : "Neue Verbrauchsbuchung anlegen?"))
        return false;
    BookingDocument d = BookingDocument::initialised(clock.todayNumber());
    if (kind == BookingKind::Demand) {
        const std::optional<int> centre = chooseCostCentre(centres, settings, ui, kindWord(kind), 0, true);
        if (!centre) return false;
        d.costCentre = static_cast<std::uint16_t>(*centre);
    }
    const BookingFile file = bookingFileOf(kind);
    if (current.changed) {
        if (!reportWrite(ui, session.writeDocument(file, current.number, current.document))) return false;
        current.changed = false;
    }
    const std::uint32_t n = session.documentCount(file);
    if (!reportWrite(ui, session.writeDocument(file, n, d))) return false;
    current.document = std::move(d);
    current.number = n;
    current.changed = false;
    return true;
}

bool mayEditBooking(StockSession& session, BookingKind kind, const BookingDocument& document, UserInterface& ui) {
    if (session.documentCount(bookingFileOf(kind)) == 0) {
        ui.inform(noDocumentText(kind));
        return false;
    }
    if (document.status != 0) {
        ui.inform(alreadyBookedText(kind));
        return false;
    }
    return true;
}

bool chooseBookingCostCentre(StockSession& session, BookingKind kind, const CostCentres& centres,
                             const SettingsRecord& settings, DocumentRef current, UserInterface& ui) {
    if (!mayEditBooking(session, kind, current.document, ui)) return false;
    const std::optional<int> centre =
        chooseCostCentre(centres, settings, ui, kindWord(kind), current.document.costCentre, true);
    if (!centre || *centre == current.document.costCentre) return false;
    BookingDocument changed = current.document;
    changed.costCentre = static_cast<std::uint16_t>(*centre);
    if (!reportWrite(ui, session.writeDocument(bookingFileOf(kind), current.number, changed))) return false;
    current.document = std::move(changed);
    current.changed = false;
    return true;
}

bool bookDemand(StockSession& session, const Clock& clock, DocumentRef current, UserInterface& ui) {
    constexpr BookingKind kind = BookingKind::Demand;
    if (!mayBook(session, kind, current.document, ui)) return false;
    const DateNumber today = clock.todayNumber();
    const std::optional<DateNumber> date =
        askBookingDate("Bedarfsdatum", today, oneMonthAhead(today), current.document.createdDate, ui);
    if (!date) return false;
    BookingDocument booked = current.document;
    booked.status = kBooked;
    booked.eventDate = *date;
    if (!demandIsDue(today, *date)) {
        if (!commitBooking(session, kind, current, booked, StockPlan{true, {}, {}, {}}, ui)) return false;
        ui.inform("Bedarf gebucht; Artikelbedarf wird " + std::to_string(kDemandDeferralDays) +
                  " Tage vor Bedarf aktualisiert");
        return true;
    }
    booked.bookedDate = today;
    const StockPlan plan = planStockChanges(changesOf(booked, kind), sessionReader(session));
    if (!plan.ok) {
        ui.inform(plan.refusal);
        return false;
    }
    if (!commitBooking(session, kind, current, booked, plan, ui)) return false;
    ui.inform("Bedarf gebucht und Artikelbedarf aktualisiert");
    return true;
}

bool bookConsumption(StockSession& session, const Clock& clock, DocumentRef current, UserInterface& ui) {
    constexpr BookingKind kind = BookingKind::Consumption;
    if (!mayBook(session, kind, current.document, ui)) return false;
    const DateNumber today = clock.todayNumber();
    const std::optional<DateNumber> date =
        askBookingDate("Verbrauchsdatum", today, today, current.document.createdDate, ui);
    if (!date) return false;
    BookingDocument booked = current.document;
    booked.status = kBooked;
    booked.eventDate = *date;
    const StockPlan plan = planStockChanges(changesOf(booked, kind), sessionReader(session));
    if (!plan.ok) {
        ui.inform(plan.refusal);
        return false;
    }
    if (!commitBooking(session, kind, current, booked, plan, ui)) return false;
    ui.inform("Verbrauch gebucht");
    return true;
}

int applyDueDemands(StockSession& session, const Clock& clock, UserInterface& ui, DocumentRef* current) {
    const DateNumber today = clock.todayNumber();
    // The records as the documents accepted so far leave them: each document is checked on top of those.
    std::map<std::uint32_t, MyArticleRecord> state;
    const RecordReader read = [&](std::uint32_t n) -> std::optional<MyArticleRecord> {
        if (auto it = state.find(n); it != state.end()) return it->second;
        return session.readMyArticle(n);
    };
    StockTransaction t;
    for (std::uint32_t n = 0; n < session.documentCount(BookingFile::Demand); ++n) {
        std::optional<BookingDocument> d = session.readDocument(BookingFile::Demand, n);
        if (!d || d->status != kBooked || d->bookedDate != 0 || !demandIsDue(today, d->eventDate)) continue;
        d->bookedDate = today;
        StockPlan plan = planStockChanges(changesOf(*d, BookingKind::Demand), read);
        if (!plan.ok) {
            ui.inform("Bedarf " + std::to_string(n + 1) + ": " + plan.refusal);
            continue;
        }
        for (auto& [k, r] : plan.records) state[k] = std::move(r);
        t.documents.push_back({BookingFile::Demand, n, std::move(*d)});
    }
    if (t.documents.empty()) return 0;
    for (auto& [k, r] : state) t.myArticles.emplace_back(k, std::move(r));
    if (!reportWrite(ui, session.commit(t))) return 0;
    if (current) {
        for (const StockTransaction::Document& d : t.documents) {
            if (d.number != current->number) continue;
            current->document = d.document;
            current->changed = false;
        }
    }
    const int applied = static_cast<int>(t.documents.size());
    ui.inform("Bedarf aktualisiert:" + std::to_string(applied));
    return applied;
}

int clearAllDemands(StockSession& session, UserInterface& ui) {
    StockTransaction t;
    for (std::uint32_t n = 0; n < session.myArticleCount(); ++n) {
        std::optional<MyArticleRecord> r = session.readMyArticle(n);
        if (!r || r->demand <= 0) continue;
        r->demand = 0;
        updateQuantityToOrder(*r);
        t.myArticles.emplace_back(n, std::move(*r));
    }
    if (!t.myArticles.empty() && !reportWrite(ui, session.commit(t))) return 0;
    const int count = static_cast<int>(t.myArticles.size());
    ui.inform(std::to_string(count) + " Bedarfe Korrigiert");
    return count;
}

bool recomputeBooking(StockSession& session, BookingKind kind, DocumentRef current, UserInterface& ui) {
    const BookingFile file = bookingFileOf(kind);
    if (session.documentCount(file) == 0) {
        ui.inform(noDocumentText(kind));
        return false;
    }
    BookingDocument repriced = current.document;
    std::string refusal;
    if (!repriceDocument(repriced, priceLookup(session), PricingMode::BySinglePiece, false, refusal)) {
        ui.inform(refusal);
        return false;
    }
    if (!reportWrite(ui, session.writeDocument(file, current.number, repriced))) return false;
    current.document = std::move(repriced);
    current.changed = false;
    return true;
}

StockWriteResult leaveBookingView(StockSession& session, BookingKind kind, DocumentRef current) {
    return leaveDocument(session, bookingFileOf(kind), current, PricingMode::BySinglePiece);
}

TextPage bookingPage(StockSession& session, BookingKind kind, const CostCentres& centres,
                     const BookingDocument& document, std::uint32_t number, std::size_t highlight) {
    DocumentPageHead head;
    head.title = kindWord(kind) + " " + std::to_string(number + 1);
    head.lines = {{kind == BookingKind::Demand ? "Bedarf per" : "Datum", dateText(shownDate(kind, document))},
                  {"Status", statusText(document)},
                  {"Kostenstelle", cp1252ToUtf8(centres.label(document.costCentre))}};
    return documentPage(session, document, head, highlight, 0);
}

bool saveBookingAsText(StockSession& session, FileSystem& fs, BookingKind kind, const CostCentres& centres,
                       const SettingsRecord& settings, const BookingDocument& document, std::uint32_t number,
                       UserInterface& ui) {
    const std::string n = std::to_string(number + 1);
    FileRequest request;
    request.save = true;
    request.title = kindWord(kind) + " " + n + " als Text speichern";
    request.path = cp1252ToUtf8(settings.textFolder()) + kindWord(kind) + n + ".TXT";
    request.suffixes = {".TXT"};
    return savePageAsText(fs, ui, request, bookingPage(session, kind, centres, document, number, SIZE_MAX));
}

}  // namespace kvx
