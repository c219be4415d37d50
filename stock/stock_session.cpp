// The stock files of one run and the changes written to them through the journal.
#include "stock/stock_session.h"

#include <algorithm>

#include "base/io_error.h"
#include "catalogue/catalogue_commit.h"
#include "stock/record_dump.h"

namespace kvx {

namespace {

constexpr std::uint32_t kMaxRecords = 65535;
constexpr std::uint32_t kRenumberBlock = 256;  // documents read at a time while renumbering

std::string joinPath(const std::string& dir, const char* name) {
    if (dir.empty() || dir == ".") return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

}  // namespace

const char* bookingFileName(BookingFile file) {
    switch (file) {
        case BookingFile::Orders:
            return "bestell.dat";
        case BookingFile::Demand:
            return "bedarf.dat";
        case BookingFile::Consumption:
            return "verbrauch.dat";
        case BookingFile::Calculations:
            return "kalku.dat";
        case BookingFile::DirectOrder:
            return "dirbest.dat";
    }
    return "";
}

StockSession::StockSession(FileSystem& fs, const Clock& clock, SettingsRecord& settings, const Catalogue& catalogue,
                           std::string userDirectory, std::string directOrderPath)
    : m_fs(fs),
      m_clock(clock),
      m_settings(settings),
      m_catalogue(catalogue),
      m_userDirectory(std::move(userDirectory)) {
    while (m_userDirectory.size() > 1 && m_userDirectory.back() == '/') m_userDirectory.pop_back();
    m_journalPath = joinPath(m_userDirectory, kJournalFileName);
    m_myArticles.path = joinPath(m_userDirectory, kMyArticlesFile);
    m_myArticles.recordSize = MyArticleRecord::kSize;
    for (BookingFile f : kRenumberedBookingFiles) {
        m_bookings[index(f)].path = joinPath(m_userDirectory, bookingFileName(f));
        m_bookings[index(f)].recordSize = BookingDocument::kSize;
    }
    m_bookings[index(BookingFile::DirectOrder)].path = std::move(directOrderPath);
    m_bookings[index(BookingFile::DirectOrder)].recordSize = BookingDocument::kSize;
}

StockSession::~StockSession() {
    closeFile(m_myArticles);
    for (StockFile& f : m_bookings) closeFile(f);
}

std::string StockSession::path(BookingFile file) const {
    return m_bookings[index(file)].path;
}

std::set<std::string> StockSession::allPaths() const {
    std::set<std::string> paths{m_myArticles.path};
    for (const StockFile& f : m_bookings) paths.insert(f.path);
    return paths;
}

std::string StockSession::recover() {
    const RecoveryResult r = recoverJournal(m_fs, m_journalPath, allPaths());
    if (r.outcome == RecoveryOutcome::Failed) {
        // The files may hold part of the change; the journal stays for the next start.
        m_writesStopped = true;
        return r.error;
    }
    // A re-link belongs to the catalogue it was written for: while the catalogue's own commit is unsettled
    // it must wait; written ahead of a commit that never came, it goes.
    if (m_fs.exists(kImportMarkerFile)) {
        if (!m_fs.exists(kRelinkJournalFile)) return {};
        m_writesStopped = true;
        return "Die Datei " + std::string(kRelinkJournalFile) +
               " wartet auf den neuen Katalog; Meine Artikel wird in diesem Lauf nicht geändert.";
    }
    const std::string ahead = newCatalogueFileName(kRelinkJournalFile);
    if (m_fs.exists(ahead)) (void)m_fs.remove(ahead);  // left to the next start when it cannot be removed
    const RecoveryResult l = recoverJournal(m_fs, kRelinkJournalFile, allPaths());
    if (l.outcome != RecoveryOutcome::Failed) return {};
    m_writesStopped = true;
    return l.error;
}

std::string StockSession::reloadCounts() {
    std::string messages;
    for (StockFile* f :
         {&m_myArticles, &m_bookings[0], &m_bookings[1], &m_bookings[2], &m_bookings[3], &m_bookings[4]}) {
        if (!f->file) continue;
        const long long size = f->file->size();
        if (size < 0) {
            messages += "Die Datei " + f->path + " ist nicht lesbar: " + f->file->lastError();
            continue;
        }
        f->count = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(static_cast<std::uint64_t>(size) / f->recordSize, kMaxRecords));
    }
    m_index.clear();
    if (m_myArticles.file) {
        std::string error;
        if (!ArticleIndex::load(*m_myArticles.file, m_myArticles.count, MyArticleRecord::kSize, m_index, error))
            messages += "Die Datei " + m_myArticles.path + " ist nicht lesbar: " + error;
    }
    return messages;
}

StockWriteResult StockSession::applyRelink(const std::vector<std::uint32_t>& newPlace) {
    const RecoveryResult r =
        recoverJournal(m_fs, kRelinkJournalFile, allPaths(), [this](const std::string& p) -> File* {
            StockFile* f = fileFor(p);
            return f ? f->file.get() : nullptr;
        });
    if (r.outcome == RecoveryOutcome::NoJournal) return {true, {}};
    if (r.outcome != RecoveryOutcome::Replayed) {
        // The catalogue is new and My Articles may not follow it yet: nothing more is written in this run.
        m_writesStopped = true;
        return {false, r.outcome == RecoveryOutcome::Dropped
                           ? "Die Datei " + std::string(kRelinkJournalFile) + " ist beschädigt."
                           : r.error};
    }
    const std::string reloaded = followRearrangement(newPlace);
    if (!reloaded.empty()) m_writesStopped = true;
    return {reloaded.empty(), reloaded};
}

std::string StockSession::followRearrangement(const std::vector<std::uint32_t>& newPlace) {
    const std::string reloaded = reloadCounts();
    for (std::size_t i = 0; i < m_current.size(); ++i) {
        CurrentDocument& c = m_current[i];
        if (!c.loaded || c.number >= m_bookings[i].count) continue;
        if (std::optional<BookingDocument> d = readDocument(static_cast<BookingFile>(i), c.number)) {
            c.document = *d;
            c.changed = false;
        }
    }
    if (m_currentMyArticle < newPlace.size()) m_currentMyArticle = newPlace[m_currentMyArticle];
    if (m_myArticles.count == 0)
        m_currentMyArticle = 0;
    else if (m_currentMyArticle >= m_myArticles.count)
        m_currentMyArticle = m_myArticles.count - 1;
    return reloaded;
}

void StockSession::addRelinkedDocuments(ChangeSet& change, const std::vector<std::uint32_t>& newPlace,
                                        const std::vector<ArticleNumber>& articleAt, bool withDirectOrder) {
    std::vector<BookingFile> files(kRenumberedBookingFiles.begin(), kRenumberedBookingFiles.end());
    if (withDirectOrder) files.push_back(BookingFile::DirectOrder);
    addChangedDocuments(change, files,
                        [&](std::uint8_t* document) { return relinkStoredDocument(document, newPlace, articleAt); });
}

void StockSession::addChangedDocuments(ChangeSet& change, const std::vector<BookingFile>& files,
                                       const std::function<bool(std::uint8_t*)>& changeDocument) {
    for (BookingFile bf : files) {
        StockFile& f = m_bookings[index(bf)];
        if (!f.file) continue;
        const std::uint64_t size = std::uint64_t{f.count} * f.recordSize;
        for (std::uint32_t first = 0; first < f.count; first += kRenumberBlock) {
            const std::uint32_t n = std::min(kRenumberBlock, f.count - first);
            Bytes block = readRecord(f, first, n);
            // Runs of changed documents go in as one write each.
            std::uint32_t runStart = 0, runLength = 0;
            auto flush = [&] {
                if (runLength == 0) return;
                change.write(f.path, size, std::uint64_t{first + runStart} * f.recordSize,
                             block.data() + std::size_t{runStart} * f.recordSize,
                             std::size_t{runLength} * f.recordSize);
                runLength = 0;
            };
            for (std::uint32_t i = 0; i < n; ++i) {
                if (!changeDocument(block.data() + std::size_t{i} * f.recordSize)) {
                    flush();
                    continue;
                }
                if (runLength == 0) runStart = i;
                ++runLength;
            }
            if (runStart == 0 && runLength == n) {
                change.write(f.path, size, std::uint64_t{first} * f.recordSize, std::move(block));
                continue;
            }
            flush();
        }
    }
}

StockWriteResult StockSession::rearrangeMyArticles(const std::vector<MyArticleRecord>& records,
                                                   const std::vector<std::uint32_t>& newPlace,
                                                   std::uint32_t rewritten) {
    if (auto refused = refuseWrites()) return *refused;
    if (!m_myArticles.file) return {false, "Die Datei " + m_myArticles.path + " ist nicht geöffnet."};
    const auto count = static_cast<std::uint32_t>(records.size());
    if (newPlace.size() != m_myArticles.count || records.size() > kMaxRecords)
        return {false, "Meine Artikel hat sich inzwischen geändert; nichts wurde geändert."};
    // The records that leave their place, and the one rewritten, as one contiguous image.
    std::uint32_t low = rewritten < count ? rewritten : count, high = rewritten < count ? rewritten + 1 : 0;
    for (std::uint32_t old = 0; old < newPlace.size(); ++old) {
        if (newPlace[old] == old) continue;
        if (newPlace[old] < count) {
            low = std::min(low, newPlace[old]);
            high = std::max(high, newPlace[old] + 1);
        }
        if (old < count) {
            low = std::min(low, old);
            high = std::max(high, old + 1);
        }
    }
    // The documents held in memory go to their files first, so that the renumbering below covers them too.
    if (const StockWriteResult saved = writeBackAllCurrent(); !saved.ok) return saved;
    ChangeSet change;
    const std::uint64_t finalSize = std::uint64_t{count} * MyArticleRecord::kSize;
    if (low < high) {
        Bytes image(std::size_t{high - low} * MyArticleRecord::kSize);
        for (std::uint32_t k = low; k < high; ++k)
            records[k].encode(image.data() + std::size_t{k - low} * MyArticleRecord::kSize);
        change.write(m_myArticles.path, finalSize, std::uint64_t{low} * MyArticleRecord::kSize, std::move(image));
    } else {
        (void)change.file(m_myArticles.path, finalSize);  // only the size changes
    }
    std::vector<ArticleNumber> articleAt;
    articleAt.reserve(records.size());
    for (const MyArticleRecord& r : records) articleAt.push_back(r.articleNumber);
    try {
        addRelinkedDocuments(change, newPlace, articleAt, true);
    } catch (const IoError& e) {
        return {false, e.what()};  // nothing was written yet
    }
    StockWriteResult w = commitChange(change);
    if (!w.ok) return w;
    // The change stands; when the files cannot be read back, this run must not write on what it holds.
    std::string reloaded;
    try {
        reloaded = followRearrangement(newPlace);
    } catch (const IoError& e) {
        reloaded = e.what();
    }
    if (!reloaded.empty()) {
        m_writesStopped = true;
        w.message += (w.message.empty() ? "" : "\n") + reloaded + "\n" + kWritesStopped;
    }
    return w;
}

Bytes StockSession::readStoredDocuments(BookingFile file, std::uint32_t first, std::uint32_t n) {
    StockFile& f = m_bookings[index(file)];
    if (!f.file || first > f.count || n > f.count - first) throw IoError("Read beyond end of file: " + f.path);
    return readRecord(f, first, n);
}

std::string StockSession::openFile(StockFile& f) {
    closeFile(f);
    const bool existed = m_fs.exists(f.path);
    std::unique_ptr<File> file = m_fs.open(f.path, existed ? OpenMode::ReadWrite : OpenMode::CreateOrOpen);
    std::string why;
    if (!file) why = m_fs.lastError();
    // A new file's name must be durable before records are committed into it.
    if (file && !existed && !m_fs.syncDirectory(directoryOf(f.path))) why = m_fs.lastError();
    const long long size = file && why.empty() ? file->size() : -1;
    if (file && why.empty() && size < 0) why = file->lastError();
    if (!why.empty()) {
        if (file) (void)file->close();
        return "Die Datei " + f.path + " ist nicht anlegbar!\n" + why;
    }
    // Only whole records count; a torn tail is never read and is cut by the next change of the file.
    f.count = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(size) / f.recordSize, kMaxRecords));
    f.file = std::move(file);
    return {};
}

void StockSession::closeFile(StockFile& f) {
    if (f.file) (void)f.file->close();
    f.file.reset();
    f.count = 0;
}

std::vector<std::string> StockSession::open() {
    std::vector<std::string> messages;
    const bool hadDirectory = m_fs.exists(m_userDirectory);
    if (!m_fs.makeDirectory(m_userDirectory) || (!hadDirectory && !m_fs.syncDirectory(directoryOf(m_userDirectory)))) {
        messages.push_back("Die Datei " + m_myArticles.path + " ist nicht anlegbar!\n" + m_fs.lastError());
        return messages;
    }
    if (std::string m = recover(); !m.empty()) messages.push_back(m);
    if (std::string m = openFile(m_myArticles); !m.empty()) messages.push_back(m);
    m_index.clear();
    if (m_myArticles.file) {
        std::string error;
        if (!ArticleIndex::load(*m_myArticles.file, m_myArticles.count, MyArticleRecord::kSize, m_index, error)) {
            messages.push_back("Die Datei " + m_myArticles.path + " ist nicht lesbar: " + error);
            closeFile(m_myArticles);
            m_index.clear();
        }
    }
    for (StockFile& f : m_bookings)
        if (std::string m = openFile(f); !m.empty()) messages.push_back(m);
    return messages;
}

bool StockSession::close(std::string& error) {
    bool ok = true;
    auto closeOne = [&](StockFile& f) {
        if (f.file && !f.file->close()) {
            if (ok) error = f.file->lastError() + ": " + f.path;
            ok = false;
        }
        f.file.reset();
        f.count = 0;
    };
    closeOne(m_myArticles);
    for (StockFile& f : m_bookings) closeOne(f);
    m_index.clear();
    return ok;
}

Bytes StockSession::readRecord(StockFile& f, std::uint32_t n, std::uint32_t records) {
    Bytes bytes(f.recordSize * records, 0);
    const long long got = f.file->readAt(std::uint64_t{n} * f.recordSize, bytes.data(), bytes.size());
    if (got < 0) throw IoError(f.file->lastError() + ": " + f.path);
    if (static_cast<std::size_t>(got) != bytes.size()) throw IoError("Read beyond end of file: " + f.path);
    return bytes;
}

std::optional<MyArticleRecord> StockSession::readMyArticle(std::uint32_t n) {
    if (!m_myArticles.file || n >= m_myArticles.count) return std::nullopt;
    return MyArticleRecord::decode(readRecord(m_myArticles, n));
}

void StockSession::forEachMyArticle(const std::function<void(std::uint32_t, const MyArticleRecord&)>& each) {
    if (!m_myArticles.file) return;
    for (std::uint32_t first = 0; first < m_myArticles.count; first += kRenumberBlock) {
        const std::uint32_t n = std::min(kRenumberBlock, m_myArticles.count - first);
        const Bytes block = readRecord(m_myArticles, first, n);
        for (std::uint32_t i = 0; i < n; ++i)
            each(first + i, MyArticleRecord::decode(block.data() + std::size_t{i} * MyArticleRecord::kSize,
                                                    MyArticleRecord::kSize));
    }
}

std::string StockSession::myArticleName(std::uint32_t n) {
    return kvx::myArticleName(readMyArticle(n), n);
}

std::optional<MyArticleRecord> StockSession::makeRecordFor(ArticleNumber a) const {
    if (!m_catalogue.articles().isSelectable(a)) return std::nullopt;
    return makeMyArticleRecord(a, m_catalogue.articles().readWorkingCopy(a));
}

std::optional<BookingDocument> StockSession::readDocument(BookingFile file, std::uint32_t n) {
    StockFile& f = m_bookings[index(file)];
    if (!f.file || n >= f.count) return std::nullopt;
    BookingDocument d = BookingDocument::decode(readRecord(f, n));
    // A document without a creation date (an emptied direct order, an order of an older file) counts from today.
    if ((file == BookingFile::Orders || file == BookingFile::DirectOrder) && d.createdDate == 0)
        d.createdDate = m_clock.todayNumber();
    // The direct order's file holds nothing else: its flag keeps it out of bestell.dat whatever the record says.
    if (file == BookingFile::DirectOrder) d.directOrder = 1;
    return d;
}

BookingDocument StockSession::readOrInitialise(BookingFile file, std::uint32_t n) {
    if (std::optional<BookingDocument> d = readDocument(file, n)) return *d;
    return BookingDocument::initialised(m_clock.todayNumber());
}

std::optional<PriceData> StockSession::priceDataFor(const BookingPosition& position) {
    if (position.catalogueDirect != 0) {
        if (!m_catalogue.articles().isSelectable(position.recordNumber)) return std::nullopt;
        return PriceData::of(m_catalogue.articles().read(position.recordNumber));
    }
    const std::optional<MyArticleRecord> r = readMyArticle(position.recordNumber);
    if (!r) return std::nullopt;
    return PriceData::of(r->article());
}

std::optional<StockWriteResult> StockSession::refuseWrites() const {
    if (!m_writesStopped) return std::nullopt;
    return StockWriteResult{false, kWritesStopped};
}

StockSession::StockFile* StockSession::fileFor(const std::string& path) {
    if (path == m_myArticles.path) return &m_myArticles;
    for (StockFile& f : m_bookings)
        if (f.path == path) return &f;
    return nullptr;
}

StockWriteResult StockSession::commitChange(const ChangeSet& change) {
    const CommitResult r = kvx::commitChange(m_fs, m_journalPath, change, [this](const std::string& p) -> File* {
        StockFile* f = fileFor(p);
        return f ? f->file.get() : nullptr;
    });
    if (!r.settled) m_writesStopped = true;
    if (r.applied) {
        for (const FileChange& c : change.files()) {
            if (StockFile* f = fileFor(c.path)) f->count = static_cast<std::uint32_t>(c.finalSize / f->recordSize);
        }
    }
    if (!r.applied) return {false, r.error};
    // Done, but the journal could not be removed: the change stands; later ones wait for a restart.
    return {true, r.error};
}

StockWriteResult StockSession::writeMyArticle(std::uint32_t n, const MyArticleRecord& record) {
    StockTransaction t;
    t.myArticles.emplace_back(n, record);
    return commit(t);
}

StockWriteResult StockSession::writeDocument(BookingFile file, std::uint32_t n, const BookingDocument& document) {
    StockTransaction t;
    t.documents.push_back({file, n, document});
    return commit(t);
}

bool StockSession::addDocumentWrites(ChangeSet& change, const StockTransaction& t, std::string& refusal) {
    // Appends to one file in a transaction are numbered from its count on, in order.
    std::array<std::uint32_t, 5> sizes{};
    for (std::size_t i = 0; i < m_bookings.size(); ++i) sizes[i] = m_bookings[i].count;
    for (const StockTransaction::Document& d : t.documents) {
        StockFile& f = m_bookings[index(d.file)];
        std::uint32_t& count = sizes[index(d.file)];
        if (!f.file) {
            refusal = "Die Datei " + f.path + " ist nicht geöffnet.";
            return false;
        }
        if (d.file == BookingFile::DirectOrder && d.number != 0) {
            refusal = "Die Datei " + f.path + " hat nur einen Satz.";
            return false;
        }
        if (d.number > count) {
            refusal = "Satz " + std::to_string(d.number) + " liegt hinter dem Ende der Datei " + f.path + ".";
            return false;
        }
        if (d.number == count && count >= kMaxRecords) {
            refusal = "Die Datei " + f.path + " ist voll (höchstens 65535 Sätze).";
            return false;
        }
        if (d.number == count) ++count;
        const Bytes bytes = d.document.encode();
        change.write(f.path, std::uint64_t{count} * f.recordSize, std::uint64_t{d.number} * f.recordSize, bytes.data(),
                     bytes.size());
    }
    for (const StockTransaction::Document& d : t.documents) {
        const StockFile& f = m_bookings[index(d.file)];
        change.file(f.path, 0).finalSize = std::uint64_t{sizes[index(d.file)]} * f.recordSize;
    }
    return true;
}

StockWriteResult StockSession::commit(const StockTransaction& t) {
    if (auto refused = refuseWrites()) return *refused;
    ChangeSet change;
    for (const auto& [n, record] : t.myArticles) {
        if (!m_myArticles.file || n >= m_myArticles.count)
            return {false, "Meine Artikel, Datensatz nicht vorhanden: " + std::to_string(n)};
        if (record.articleNumber != m_index.at(n + 1))
            return {false, "Satz " + std::to_string(n) + " von " + m_myArticles.path + " gehört zu Artikel " +
                               std::to_string(m_index.at(n + 1)) + "."};
        const Bytes bytes = record.encode();
        change.write(m_myArticles.path, std::uint64_t{m_myArticles.count} * MyArticleRecord::kSize,
                     std::uint64_t{n} * MyArticleRecord::kSize, bytes.data(), bytes.size());
    }
    std::string refusal;
    if (!addDocumentWrites(change, t, refusal)) return {false, refusal};
    return commitChange(change);
}

InsertResult StockSession::insertMyArticle(const MyArticleRecord& record) {
    InsertResult result;
    if (auto refused = refuseWrites()) {
        result.message = refused->message;
        return result;
    }
    if (!m_myArticles.file) {
        result.message = "Die Datei " + m_myArticles.path + " ist nicht geöffnet.";
        return result;
    }
    if (m_index.find(record.articleNumber) != 0) {
        result.message = kArticleAlreadyPresent;
        return result;
    }
    const std::uint32_t count = m_myArticles.count;
    if (count >= kMaxRecords) {
        result.message = "Meine Artikel ist voll: " + m_myArticles.path + " hält höchstens 65535 Artikel.";
        return result;
    }
    // The documents held in memory go to their files first, so that the renumbering below covers them too.
    if (const StockWriteResult saved = writeBackAllCurrent(); !saved.ok) {
        result.message = saved.message;
        return result;
    }
    const std::uint32_t r = m_index.empty() ? 0 : m_index.insertionPoint(record.articleNumber) - 1;
    ChangeSet change;
    try {
        change = insertionChange(record, r);
    } catch (const IoError& e) {
        result.message = e.what();  // nothing was written yet
        return result;
    }
    const StockWriteResult w = commitChange(change);
    result.ok = w.ok;
    result.message = w.message;
    if (w.ok) {
        m_index.insert(r + 1, record.articleNumber);
        result.recordNumber = r;
        // The same positions in memory; the files hold them renumbered already.
        for (BookingFile bf : kRenumberedBookingFiles) {
            CurrentDocument& c = m_current[index(bf)];
            if (c.loaded) (void)renumberPositions(c.document, r);  // whether anything moved does not matter here
        }
        if (m_currentMyArticle >= r && m_currentMyArticle + 1 < m_myArticles.count) ++m_currentMyArticle;
    }
    return result;
}

ChangeSet StockSession::insertionChange(const MyArticleRecord& record, std::uint32_t r) {
    const std::uint32_t count = m_myArticles.count;
    // artikel.dat: the new record at r, the records from r on one place up, as one contiguous image.
    ChangeSet change;
    const std::uint64_t finalSize = std::uint64_t{count + 1} * MyArticleRecord::kSize;
    Bytes image(std::size_t{count - r + 1} * MyArticleRecord::kSize);
    record.encode(image.data());
    if (r < count) {
        const std::size_t moved = image.size() - MyArticleRecord::kSize;
        const long long got = m_myArticles.file->readAt(std::uint64_t{r} * MyArticleRecord::kSize,
                                                        image.data() + MyArticleRecord::kSize, moved);
        if (got < 0) throw IoError(m_myArticles.file->lastError() + ": " + m_myArticles.path);
        if (static_cast<std::size_t>(got) != moved) throw IoError("Read beyond end of file: " + m_myArticles.path);
    }
    change.write(m_myArticles.path, finalSize, std::uint64_t{r} * MyArticleRecord::kSize, std::move(image));

    // The positions that name a moved record follow it.
    if (r < count) {
        addChangedDocuments(change, {kRenumberedBookingFiles.begin(), kRenumberedBookingFiles.end()},
                            [r](std::uint8_t* document) { return renumberStoredDocument(document, r); });
    }
    return change;
}

StockWriteResult StockSession::deleteUserFiles() {
    if (auto refused = refuseWrites()) return *refused;
    ChangeSet change;
    change.file(m_myArticles.path, 0);
    for (BookingFile bf : kRenumberedBookingFiles) change.file(path(bf), 0);
    const Bytes empty(BookingDocument::kSize, 0);
    change.write(path(BookingFile::DirectOrder), BookingDocument::kSize, 0, empty.data(), empty.size());
    const StockWriteResult w = commitChange(change);
    if (!w.ok) return w;
    m_index.clear();
    for (CurrentDocument& c : m_current) c = CurrentDocument{};
    m_currentMyArticle = 0;
    // The direct order stays current: emptied, as the file now holds it.
    CurrentDocument& direct = m_current[index(BookingFile::DirectOrder)];
    direct.document = BookingDocument::initialised(m_clock.todayNumber());
    direct.document.directOrder = 1;
    direct.loaded = true;
    if (m_settings.currentOrder() != 0) {
        m_settings.setCurrentOrder(0);
        m_settings.setDirty();
    }
    // A file that could not be opened at start exists now; take it into use.
    std::string reopenMessages;
    for (StockFile* f :
         {&m_myArticles, &m_bookings[0], &m_bookings[1], &m_bookings[2], &m_bookings[3], &m_bookings[4]}) {
        if (f->file) continue;
        if (std::string m = openFile(*f); !m.empty()) reopenMessages += (reopenMessages.empty() ? "" : "\n") + m;
    }
    return {true, w.message.empty() ? reopenMessages : w.message};
}

std::vector<std::string> StockSession::describeRecord(const std::string& fileName, std::uint32_t n) {
    StockFile* f = nullptr;
    if (fileName == kMyArticlesFile) f = &m_myArticles;
    for (std::size_t i = 0; i < m_bookings.size(); ++i)
        if (fileName == bookingFileName(static_cast<BookingFile>(i))) f = &m_bookings[i];
    if (f == nullptr) return {"no stock file " + fileName};
    if (!f->file) return {f->path + " is not open"};
    if (n >= f->count)
        return {"no record " + std::to_string(n) + " in " + f->path + " (" + std::to_string(f->count) + " records)"};
    const Bytes bytes = readRecord(*f, n);
    if (f == &m_myArticles) return describeMyArticleRecord(MyArticleRecord::decode(bytes));
    return describeBookingDocument(BookingDocument::decode(bytes));
}

// ---- current documents ----

StockWriteResult StockSession::writeBackCurrent(BookingFile kind) {
    CurrentDocument& c = m_current[index(kind)];
    if (!c.loaded || !c.changed) return {true, {}};
    const StockWriteResult w = writeDocument(kind, c.number, c.document);
    if (w.ok) c.changed = false;
    return w;
}

StockWriteResult StockSession::writeBackAllCurrent() {
    StockTransaction t;
    for (std::size_t i = 0; i < m_current.size(); ++i) {
        const CurrentDocument& c = m_current[i];
        if (c.loaded && c.changed) t.documents.push_back({static_cast<BookingFile>(i), c.number, c.document});
    }
    if (t.documents.empty()) return {true, {}};
    const StockWriteResult w = commit(t);
    if (w.ok)
        for (CurrentDocument& c : m_current) c.changed = false;
    return w;
}

StockWriteResult StockSession::makeCurrent(BookingFile kind, std::uint32_t n) {
    if (kind == BookingFile::DirectOrder && n != 0) return {false, "Die Datei " + path(kind) + " hat nur einen Satz."};
    if (const StockWriteResult saved = writeBackCurrent(kind); !saved.ok) return saved;
    CurrentDocument& c = m_current[index(kind)];
    c.document = readOrInitialise(kind, n);
    c.number = n;
    c.loaded = true;
    c.changed = false;
    return {true, {}};
}

void StockSession::loadCurrentDocuments(std::uint32_t currentOrder) {
    for (CurrentDocument& c : m_current) c = CurrentDocument{};
    CurrentDocument& order = m_current[index(BookingFile::Orders)];
    order.number = currentOrder;
    if (std::optional<BookingDocument> d = readDocument(BookingFile::Orders, currentOrder)) {
        order.document = *d;
        order.loaded = true;
    }
    CurrentDocument& direct = m_current[index(BookingFile::DirectOrder)];
    // A missing or unreadable direct order is an empty one created today; it reaches the file only when it is
    // changed.
    std::optional<BookingDocument> read;
    try {
        read = readDocument(BookingFile::DirectOrder, 0);
    } catch (const IoError&) {
        read.reset();
    }
    if (!read) {
        read = BookingDocument::initialised(m_clock.todayNumber());
        read->directOrder = 1;
    }
    direct.document = *read;
    direct.loaded = isOpen(BookingFile::DirectOrder);
}

}  // namespace kvx
