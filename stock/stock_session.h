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
#include <functional>
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
#include "stock/document_ref.h"
#include "stock/journal.h"
#include "stock/my_article_record.h"
#include "stock/position_pricing.h"

namespace kvx {

enum class BookingFile { Orders = 0, Demand = 1, Consumption = 2, Calculations = 3, DirectOrder = 4 };
inline constexpr std::array<BookingFile, 4> kRenumberedBookingFiles = {
    BookingFile::Orders, BookingFile::Demand, BookingFile::Consumption, BookingFile::Calculations};
// "bestell.dat", "bedarf.dat", "verbrauch.dat", "kalku.dat", "dirbest.dat".
const char* bookingFileName(BookingFile file);

// The re-link of the stock files that a catalogue import writes ahead and puts in place with the new
// catalogue (a journal in the program directory); replayed by the next start when the run ended before.
inline constexpr const char* kRelinkJournalFile = "zuordnung.dat";

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

    const Catalogue& catalogue() const { return m_catalogue; }
    SettingsRecord& settings() { return m_settings; }
    const SettingsRecord& settings() const { return m_settings; }
    const Clock& clock() const { return m_clock; }

    bool writesStopped() const { return m_writesStopped; }
    // Stops every later write of this run (the files wait for a recovery at the next start).
    void stopWrites() { m_writesStopped = true; }
    const std::string& journalPath() const { return m_journalPath; }
    std::string path(BookingFile file) const;
    const std::string& myArticlesPath() const { return m_myArticles.path; }

    // --- My Articles ---
    bool myArticlesOpen() const { return m_myArticles.file != nullptr; }
    std::uint32_t myArticleCount() const { return m_myArticles.count; }
    const ArticleIndex& index() const { return m_index; }
    std::optional<MyArticleRecord> readMyArticle(std::uint32_t n);
    // Records first..first+count-1 (within the file), read a block at a time, handed to `each` with their
    // number. Throws IoError when a read fails.
    void forEachMyArticle(const std::function<void(std::uint32_t, const MyArticleRecord&)>& each);
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

    // Documents first..first+n-1 of `file` as stored (n * BookingDocument::kSize bytes, within the file).
    // Throws IoError when a read fails.
    Bytes readStoredDocuments(BookingFile file, std::uint32_t first, std::uint32_t n);

    // After a catalogue import put kRelinkJournalFile in place: replays it into the stock files, then takes
    // the new counts, the index and the current documents from the files; record n of My Articles is
    // record newPlace[n] now. On failure the writes stop (the next start replays it).
    [[nodiscard]] StockWriteResult applyRelink(const std::vector<std::uint32_t>& newPlace);

    // The booking positions that follow a re-sorted My Articles: every document of the four booking files (and
    // of the direct order when `withDirectOrder`) whose positions name an old record n < newPlace.size() is
    // added to `change` with them naming newPlace[n] and carrying articleAt[newPlace[n]]. Throws IoError when
    // a document cannot be read.
    void addRelinkedDocuments(ChangeSet& change, const std::vector<std::uint32_t>& newPlace,
                              const std::vector<ArticleNumber>& articleAt, bool withDirectOrder);
    // My Articles replaced by `records` (sorted by article number) as one change: old record n is record
    // newPlace[n] now (a removed one gets kNoRecord and must not be named by any position), and the positions
    // follow. Only the records that moved and record `rewritten` of the new order (kNoRecord: none) are
    // written. The documents held in memory are written back first and read again afterwards.
    static constexpr std::uint32_t kNoRecord = 65535;
    [[nodiscard]] StockWriteResult rearrangeMyArticles(const std::vector<MyArticleRecord>& records,
                                                       const std::vector<std::uint32_t>& newPlace,
                                                       std::uint32_t rewritten);

    // Several records as one change (a booking: the document and the My Articles records it changes).
    [[nodiscard]] StockWriteResult commit(const StockTransaction& transaction);

    // The price data of a position: from the article copy of its My Articles record, or from the catalogue
    // for a direct position; nothing when it names nothing.
    std::optional<PriceData> priceDataFor(const BookingPosition& position);

    // "User-Files löschen": artikel.dat and the four booking files emptied, the direct order cleared, as one
    // change; the current order number in the settings goes back to 0, the current documents are dropped.
    [[nodiscard]] StockWriteResult deleteUserFiles();

    // Every field of record n of the file named `fileName` ("artikel.dat" or a booking file name), as written
    // there now; one line saying why when there is no such record or file. Throws IoError on a read error.
    std::vector<std::string> describeRecord(const std::string& fileName, std::uint32_t n);

    // --- current documents ---
    // One current document per kind (order, demand, consumption, calculation, direct order), held in memory
    // with its record number and a changed flag. Operations change `document` and call markChanged(); the
    // document is written back when another one of its kind becomes current, when its view is left and at quit.
    struct CurrentDocument {
        std::uint32_t number = 0;
        BookingDocument document;
        bool loaded = false;  // `document` belongs at `number` (an existing record, or one to append there)
        bool changed = false;
    };
    const CurrentDocument& current(BookingFile kind) const { return m_current[index(kind)]; }
    CurrentDocument& current(BookingFile kind) { return m_current[index(kind)]; }
    void markChanged(BookingFile kind) { m_current[index(kind)].changed = true; }
    // The current document of `kind` as the order and booking operations take it.
    DocumentRef currentRef(BookingFile kind) {
        CurrentDocument& c = m_current[index(kind)];
        return {c.document, c.number, c.changed};
    }
    // Makes document n of `kind` current: a changed current document is first written back at its own number
    // (when that fails nothing else happens and the result says why); then document n is read, or initialised
    // when it lies beyond the end (n = count: a new document to be appended). The direct order has only n = 0.
    [[nodiscard]] StockWriteResult makeCurrent(BookingFile kind, std::uint32_t n);
    // Writes the current document of `kind` back when it is changed, and clears the flag.
    [[nodiscard]] StockWriteResult writeBackCurrent(BookingFile kind);
    // Every changed current document, as one change (before an insertion, at quit).
    [[nodiscard]] StockWriteResult writeBackAllCurrent();
    // Start-up: the current order is order `n` of the settings when bestell.dat has it; the direct order is
    // record 0 of dirbest.dat, or a fresh one.
    void loadCurrentDocuments(std::uint32_t currentOrder);

    // The My Articles entry the list view last selected (record number); commands of view 4 act on it.
    std::uint32_t currentMyArticle() const { return m_currentMyArticle; }
    void setCurrentMyArticle(std::uint32_t n) { m_currentMyArticle = n; }

  private:
    // Every document of `files` that `changeDocument` changes (in place, returning true) goes into `change`,
    // runs of neighbouring documents as one write.
    void addChangedDocuments(ChangeSet& change, const std::vector<BookingFile>& files,
                             const std::function<bool(std::uint8_t*)>& changeDocument);

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
    // Counts and index from the files as they are now (after a replay); a message when that failed.
    std::string reloadCounts();
    // After the files were re-sorted: counts, index and the current documents from the files; the current
    // entry follows its record.
    std::string followRearrangement(const std::vector<std::uint32_t>& newPlace);
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
    std::array<CurrentDocument, 5> m_current;
    std::uint32_t m_currentMyArticle = 0;
    bool m_writesStopped = false;
};

}  // namespace kvx
