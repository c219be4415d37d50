// Stock keeping's files for one run: artikel.dat with its index, the booking files bestell.dat, bedarf.dat,
// verbrauch.dat and kalku.dat in the user data directory, the direct order dirbest.dat, and the journal
// through which every record write goes (journal.h), so that no change leaves a torn record or half a
// booking behind.
//
// Failure contract:
// - open(): a file that can neither be opened nor created is reported as "Die Datei <name> ist nicht
//   anlegbar!" (with the system's reason on a second line) and the session goes on without it.
// - Reads throw IoError when the system reports a read error; a record beyond the end is "nothing".
// - Every write returns a StockWriteResult: a refusal (user error; nothing changed), or an I/O failure
//   naming the file and the reason. When a failure leaves it open whether the change reached the files
//   (a journal is left for the next start), writesStopped() is true and every later write is refused in
//   this run; the next start settles the files to all-before or all-after.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/file_system.h"
#include "catalogue/catalogue.h"
#include "settings/settings_record.h"
#include "stock/article_index.h"
#include "stock/booking_document.h"
#include "stock/journal.h"
#include "stock/my_article_record.h"
#include "stock/position_pricing.h"

namespace kvx {

enum class BookingFile { Orders = 0, Demand = 1, Consumption = 2, Calculations = 3, DirectOrder = 4 };
inline constexpr std::array<BookingFile, 4> kRenumberedBookingFiles = {
    BookingFile::Orders, BookingFile::Demand, BookingFile::Consumption, BookingFile::Calculations};
// "bestell.dat", "bedarf.dat", "verbrauch.dat", "kalku.dat", "dirbest.dat".
const char* bookingFileName(BookingFile file);

inline constexpr const char* kArticleAlreadyPresent = "Der Artikel ist bereits in Meine Artikel";
inline constexpr const char* kWritesStopped =
    "Die Lagerdaten werden nach einem Schreibfehler in diesem Lauf nicht mehr geändert. Bitte das Programm neu "
    "starten.";

struct StockWriteResult {
    bool ok = false;
    // UTF-8: why nothing was changed, or what failed (file and reason). Also set with ok when the change was
    // made but its journal could not be removed (later writes are stopped): show it either way.
    std::string message;
};

struct InsertResult : StockWriteResult {
    // The new record's number. Positions naming a record >= it were renumbered in the files; documents held
    // in memory must be renumbered the same way (renumberPositions).
    std::uint32_t recordNumber = 0;
};

// Records to write together as one change.
struct StockTransaction {
    std::vector<std::pair<std::uint32_t, MyArticleRecord>> myArticles;  // record number < count
    struct Document {
        BookingFile file;
        std::uint32_t number;  // <= count; count appends
        BookingDocument document;
    };
    std::vector<Document> documents;
};

class StockSession final {
  public:
    // `userDirectory` holds artikel.dat, the four booking files and the journal ("meinart");
    // `directOrderPath` is dirbest.dat in the program directory.
    StockSession(FileSystem& fs, const Clock& clock, SettingsRecord& settings, const Catalogue& catalogue,
                 std::string userDirectory, std::string directOrderPath = "dirbest.dat");
    ~StockSession();
    StockSession(const StockSession&) = delete;
    StockSession& operator=(const StockSession&) = delete;

    // Replays or drops a journal left by an interrupted change; to be run before the files are opened (open()
    // does it first). Returns the message to show, empty when there is none.
    [[nodiscard]] std::string recover();
    // Start-up: recovery, then every file opened or created empty, then the index loaded. Returns the messages
    // to show (empty when all is well).
    [[nodiscard]] std::vector<std::string> open();
    // Closes every file; false with `error` when the system reported a failure.
    [[nodiscard]] bool close(std::string& error);

    bool writesStopped() const { return m_writesStopped; }
    const std::string& journalPath() const { return m_journalPath; }
    std::string path(BookingFile file) const;
    const std::string& myArticlesPath() const { return m_myArticles.path; }

    // --- My Articles ---
    bool myArticlesOpen() const { return m_myArticles.file != nullptr; }
    std::uint32_t myArticleCount() const { return m_myArticles.count; }
    const ArticleIndex& index() const { return m_index; }
    std::optional<MyArticleRecord> readMyArticle(std::uint32_t n);
    // The article name of record n (UTF-8), "Error DSNR" + n when it cannot be read.
    std::string myArticleName(std::uint32_t n);
    // A new record for catalogue article `a` (nothing when `a` is not selectable in the catalogue).
    std::optional<MyArticleRecord> makeRecordFor(ArticleNumber a) const;
    // Rewrites record n (n < count), e.g. after the entry dialog.
    [[nodiscard]] StockWriteResult writeMyArticle(std::uint32_t n, const MyArticleRecord& record);
    // Puts the record at its sorted place, moving the later records up and renumbering the positions of the
    // four booking files, all as one change. Refused when the article is present already or the file is full.
    [[nodiscard]] InsertResult insertMyArticle(const MyArticleRecord& record);

    // --- booking files ---
    bool isOpen(BookingFile file) const { return m_bookings[index(file)].file != nullptr; }
    std::uint32_t documentCount(BookingFile file) const { return m_bookings[index(file)].count; }
    // Document n, or nothing beyond the end. A document of bestell.dat with creation date 0 gets today.
    std::optional<BookingDocument> readDocument(BookingFile file, std::uint32_t n);
    // Document n, or an initialised one (created today, piece count 1) when there is none.
    BookingDocument readOrInitialise(BookingFile file, std::uint32_t n);
    [[nodiscard]] StockWriteResult writeDocument(BookingFile file, std::uint32_t n, const BookingDocument& document);

    // Several records as one change (a booking: the document and the My Articles records it changes).
    [[nodiscard]] StockWriteResult commit(const StockTransaction& transaction);

    // The price data of a position: from the article copy of its My Articles record, or from the catalogue
    // for a direct position; nothing when it names nothing.
    std::optional<PriceData> priceDataFor(const BookingPosition& position);

    // "User-Files löschen": artikel.dat and the four booking files emptied, the direct order cleared, as one
    // change; the current order number in the settings goes back to 0.
    [[nodiscard]] StockWriteResult deleteUserFiles();

  private:
    struct StockFile {
        std::string path;
        std::size_t recordSize = 0;
        std::unique_ptr<File> file;
        std::uint32_t count = 0;
    };
    static std::size_t index(BookingFile file) { return static_cast<std::size_t>(file); }
    std::set<std::string> allPaths() const;
    std::string openFile(StockFile& f);
    void closeFile(StockFile& f);
    StockFile* fileFor(const std::string& path);
    Bytes readRecord(StockFile& f, std::uint32_t n, std::uint32_t records = 1);
    std::optional<StockWriteResult> refuseWrites() const;
    // Commits through the journal and, when applied, takes the new counts from the final sizes.
    StockWriteResult commitChange(const ChangeSet& change);
    // The images of an insertion at record number r: artikel.dat from r on, the renumbered documents. Throws
    // IoError when a record cannot be read.
    ChangeSet insertionChange(const MyArticleRecord& record, std::uint32_t r);
    bool addDocumentWrites(ChangeSet& change, const StockTransaction& t, std::string& refusal);

    FileSystem& m_fs;
    const Clock& m_clock;
    SettingsRecord& m_settings;
    const Catalogue& m_catalogue;
    std::string m_userDirectory;
    std::string m_journalPath;
    StockFile m_myArticles;
    std::array<StockFile, 5> m_bookings;
    ArticleIndex m_index;
    bool m_writesStopped = false;
};

}  // namespace kvx
