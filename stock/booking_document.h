// The booking document: the 8016-byte record shared by orders (bestell.dat), demand (bedarf.dat),
// consumption (verbrauch.dat), calculations (kalku.dat) and the direct order (dirbest.dat). A header and
// up to 50 positions of 158 bytes that name My Articles records or, in the direct order, catalogue articles.
// The kinds differ in which fields they use, not in code. Texts are Windows-1252; money in thousandths.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/date_number.h"
#include "base/le_bytes.h"
#include "base/money.h"
#include "catalogue/catalogue_article.h"
#include "stock/my_article_record.h"

namespace kvx {

inline constexpr const char* kNoMorePositions = "Keine weiteren Positionen möglich";

struct BookingPosition {
    static constexpr std::size_t kSize = 158;
    static constexpr std::size_t kNameCapacity = 24, kDescriptionCapacity = 80;

    std::uint16_t recordNumber = 0;  // My Articles record; the catalogue article when catalogueDirect
    std::string name;                // at the time the position was made
    std::string description;
    std::uint16_t quantity = 0;
    std::uint16_t delivered = 0;
    std::uint16_t catalogueNumber = 0;  // stored signed; article numbers go up to 65535
    Money grossTotal = 0;
    Money unitPrice = 0;
    Money deliveredGross = 0;
    Money netTotal = 0;
    Money deliveredNet = 0;
    std::uint8_t breakIndex = 0;
    std::uint8_t deliveredBreakIndex = 0;
    std::uint8_t catalogueDirect = 0;  // 1: names a catalogue article (direct order)
    std::array<std::uint8_t, 21> reserved{};

    static BookingPosition decode(const std::uint8_t* rec);  // kSize bytes
    void encode(std::uint8_t* rec) const;
    bool operator==(const BookingPosition&) const = default;
};

struct BookingDocument {
    static constexpr std::size_t kSize = 8016;
    static constexpr std::size_t kMaxPositions = 50;
    static constexpr std::size_t kPositionsOffset = 35;
    static constexpr std::size_t kTextFileCapacity = 80;

    DateNumber bookedDate = 0;       // order date / demand applied / calculation made
    DateNumber createdDate = 0;      // "Angelegt"
    DateNumber eventDate = 0;        // delivery / demand / consumption date
    std::uint8_t positionCount = 0;  // as stored; a damaged file may hold more than 50
    std::uint8_t directOrder = 0;
    std::uint8_t status = 0;  // 0 in work, 1 ordered, 2 booked
    std::uint16_t costCentre = 0;
    std::uint16_t pieceCount = 1;  // stored signed; read as unsigned
    Money grossOrdered = 0;
    Money netOrdered = 0;
    Money grossDelivered = 0;
    Money netDelivered = 0;
    std::array<BookingPosition, kMaxPositions> positions{};
    std::string textFile;

    static BookingDocument decode(const std::uint8_t* rec, std::size_t size);  // size >= kSize, else empty
    static BookingDocument decode(const Bytes& rec) { return decode(rec.data(), rec.size()); }
    void encode(std::uint8_t* rec) const;
    Bytes encode() const;

    // A fresh document: everything zero, created today, piece count 1.
    static BookingDocument initialised(DateNumber today);

    // The positions that count: the stored number, at most 50.
    std::size_t validPositions() const { return positionCount < kMaxPositions ? positionCount : kMaxPositions; }
    bool operator==(const BookingDocument&) const = default;
};

// New position from My Articles record `r` with quantity q (0: the record's minimum order quantity, 1 when
// that is 0). Returns the 0-based index of the new position, or nothing when the document already holds 50
// (refuse with kNoMorePositions; the document is unchanged).
[[nodiscard]] std::optional<std::size_t> addMyArticlePosition(BookingDocument& doc, std::uint16_t r,
                                                              const MyArticleRecord& record, std::uint16_t q);
// New position for catalogue article `a` of the direct order: both numbers a, quantity 1.
[[nodiscard]] std::optional<std::size_t> addCataloguePosition(BookingDocument& doc, ArticleNumber a,
                                                              const CatalogueArticle& article);
// Removes position `index` (0-based), moving the later ones down; false when there is no such position.
[[nodiscard]] bool deletePosition(BookingDocument& doc, std::size_t index);

// After a My Articles record was inserted at record number r: every valid position naming a My Articles
// record >= r names the next one. Returns true when anything changed. A number that cannot grow (65535)
// names nothing before and after and is left alone.
bool renumberPositions(BookingDocument& doc, std::uint32_t r);
// The same on a stored document (BookingDocument::kSize bytes), touching nothing but the record numbers, so
// that bytes this program does not interpret stay as they are.
bool renumberStoredDocument(std::uint8_t* document, std::uint32_t r);

// After My Articles was re-sorted for a new catalogue: every valid position naming a My Articles record
// n < newPlace.size() names record newPlace[n] and carries articleAt[newPlace[n]] as its catalogue number.
// Direct positions and numbers beyond the file are left alone; only those two fields are touched. True when
// anything changed.
bool relinkStoredDocument(std::uint8_t* document, const std::vector<std::uint32_t>& newPlace,
                          const std::vector<ArticleNumber>& articleAt);
// The direct order's positions: catalogue article `a` becomes newNumber(a) (both numbers).
bool relinkStoredDirectPositions(std::uint8_t* document, const std::function<ArticleNumber(ArticleNumber)>& newNumber);

}  // namespace kvx
