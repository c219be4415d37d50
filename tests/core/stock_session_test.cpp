// The stock session: opening or creating the files, inserting into My Articles with the renumbering of the
// booking files, damaged files, single-record writes, deleting the user files, and each change under a fault
// at every call settling to all-before or all-after.
#include "stock/stock_session.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/fault_file_system.h"
#include "tests/support/stock_world.h"

namespace kvx {
namespace {

const char* const kFiles[] = {"meinart/artikel.dat",   "meinart/bestell.dat", "meinart/bedarf.dat",
                              "meinart/verbrauch.dat", "meinart/kalku.dat",   "dirbest.dat"};

struct World : test::StockWorld {
    MyArticleRecord record(ArticleNumber a) const {
        MyArticleRecord r = makeMyArticleRecord(a, catalogue.articles().readWorkingCopy(a));
        r.stock = static_cast<std::int16_t>(a * 10);
        return r;
    }
    void putMyArticles(const std::vector<ArticleNumber>& numbers) {
        std::string s;
        for (ArticleNumber a : numbers) {
            const Bytes b = record(a).encode();
            s.append(b.begin(), b.end());
        }
        ram.put("meinart/artikel.dat", s);
    }
    // One document per list; positions name those My Articles records, a negative number a direct position.
    void putDocuments(const std::string& path, const std::vector<std::vector<int>>& documents) {
        std::string s;
        for (const auto& positions : documents) {
            BookingDocument d = BookingDocument::initialised(1261201);
            for (int p : positions) {
                d.positions[d.positionCount].recordNumber = static_cast<std::uint16_t>(p < 0 ? -p : p);
                d.positions[d.positionCount].catalogueDirect = p < 0 ? 1 : 0;
                d.positions[d.positionCount].name = "X";
                ++d.positionCount;
            }
            const Bytes b = d.encode();
            s.append(b.begin(), b.end());
        }
        ram.put(path, s);
    }
    void putStandardFiles() {
        putMyArticles({3, 5, 7});
        putDocuments("meinart/bestell.dat", {{0, 1, 2, -1, 99}, {2}});
        putDocuments("meinart/bedarf.dat", {{2}});
        putDocuments("meinart/verbrauch.dat", {});
        putDocuments("meinart/kalku.dat", {{1}, {0}});
        putDocuments("dirbest.dat", {{-2, 0, 1}});
    }
    std::map<std::string, std::string> snapshot() {
        std::map<std::string, std::string> s;
        for (const char* f : kFiles) s[f] = ram.exists(f) ? ram.get(f) : "<none>";
        s["journal"] = ram.exists("meinart/journal.dat") ? "<left>" : "";
        return s;
    }
};

std::vector<std::uint16_t> recordNumbers(StockSession& s, BookingFile f) {
    std::vector<std::uint16_t> numbers;
    for (std::uint32_t n = 0; n < s.documentCount(f); ++n) {
        const BookingDocument d = *s.readDocument(f, n);
        for (std::size_t i = 0; i < d.validPositions(); ++i) numbers.push_back(d.positions[i].recordNumber);
    }
    return numbers;
}

TEST(StockSession, OpenCreatesMissingFilesEmpty) {
    World w;
    StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart/");
    EXPECT_EQ(s.open(), std::vector<std::string>{});
    for (const char* f : kFiles) {
        EXPECT_TRUE(w.ram.exists(f)) << f;
        EXPECT_EQ(w.ram.get(f), "") << f;
    }
    EXPECT_TRUE(s.myArticlesOpen());
    EXPECT_EQ(s.myArticleCount(), 0u);
    EXPECT_TRUE(s.index().empty());
    EXPECT_EQ(s.readOrInitialise(BookingFile::Orders, 0), BookingDocument::initialised(1261208));
}

TEST(StockSession, AFileThatCannotBeCreatedIsReportedAndLeftOut) {
    // A fault at each call of the start: at most one file is missing, it is named, the others are open.
    for (long n = 1;; ++n) {
        World w;
        FaultyFileSystem fs(w.ram);
        fs.failAt(n, FaultKind::IoError);
        StockSession s(fs, w.clock, w.settings, w.catalogue, "meinart");
        const std::vector<std::string> messages = s.open();
        if (fs.calls() < n) {
            EXPECT_TRUE(messages.empty());
            break;
        }
        ASSERT_EQ(messages.size(), 1u) << "call " << n;
        EXPECT_EQ(messages[0].rfind("Die Datei ", 0), 0u) << messages[0];
        EXPECT_NE(messages[0].find(" ist nicht anlegbar!\nI/O error 5"), std::string::npos) << messages[0];
        int closed = s.myArticlesOpen() ? 0 : 1;
        for (BookingFile f : {BookingFile::Orders, BookingFile::Demand, BookingFile::Consumption,
                              BookingFile::Calculations, BookingFile::DirectOrder})
            closed += s.isOpen(f) ? 0 : 1;
        if (closed == 6) {
            // The user data directory itself could not be made: reported under artikel.dat.
            EXPECT_EQ(messages[0].rfind("Die Datei meinart/artikel.dat", 0), 0u) << messages[0];
            EXPECT_LE(n, 2) << "only the directory's own calls stop everything";
            continue;
        }
        if (!s.myArticlesOpen()) {
            EXPECT_NE(messages[0].find("artikel.dat"), std::string::npos) << messages[0];
        }
        for (BookingFile f : {BookingFile::Orders, BookingFile::Demand, BookingFile::Consumption,
                              BookingFile::Calculations, BookingFile::DirectOrder}) {
            if (!s.isOpen(f)) {
                EXPECT_NE(messages[0].find(s.path(f)), std::string::npos) << messages[0];
            }
        }
        EXPECT_LE(closed, 1) << "call " << n;
    }
}

TEST(StockSession, InsertPutsTheRecordInOrderAndRenumbersTheBookingFiles) {
    struct Row {
        const char* name;
        ArticleNumber article;
        std::uint32_t recordNumber;
        std::vector<ArticleNumber> index;
        std::vector<std::uint16_t> orders, demand, calculations;
    };
    const Row rows[] = {
        {"in front", 2, 0, {2, 3, 5, 7}, {1, 2, 3, 1, 100, 3}, {3}, {2, 1}},
        {"in the middle", 6, 2, {3, 5, 6, 7}, {0, 1, 3, 1, 100, 3}, {3}, {1, 0}},
        {"at the end", 9, 3, {3, 5, 7, 9}, {0, 1, 2, 1, 99, 2}, {2}, {1, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        World w;
        w.putStandardFiles();
        const std::string direct = w.ram.get("dirbest.dat");
        StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
        ASSERT_EQ(s.open(), std::vector<std::string>{});
        const InsertResult r = s.insertMyArticle(w.record(row.article));
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(r.recordNumber, row.recordNumber);
        EXPECT_EQ(s.index().numbers(), row.index);
        ASSERT_EQ(s.myArticleCount(), 4u);
        for (std::uint32_t n = 0; n < 4; ++n) EXPECT_EQ(*s.readMyArticle(n), w.record(row.index[n])) << n;
        EXPECT_EQ(recordNumbers(s, BookingFile::Orders), row.orders);
        EXPECT_EQ(recordNumbers(s, BookingFile::Demand), row.demand);
        EXPECT_EQ(recordNumbers(s, BookingFile::Calculations), row.calculations);
        EXPECT_EQ(w.ram.get("dirbest.dat"), direct) << "the direct order names catalogue articles";
        EXPECT_FALSE(w.ram.exists("meinart/journal.dat"));

        // What the files say after a restart.
        StockSession again(w.ram, w.clock, w.settings, w.catalogue, "meinart");
        ASSERT_EQ(again.open(), std::vector<std::string>{});
        EXPECT_EQ(again.index().numbers(), row.index);
        EXPECT_EQ(recordNumbers(again, BookingFile::Orders), row.orders);
    }
}

TEST(StockSession, InsertRefusals) {
    World w;
    StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
    ASSERT_TRUE(s.open().empty());
    InsertResult r = s.insertMyArticle(w.record(4));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.recordNumber, 0u) << "the first article becomes record 0";
    const auto before = w.snapshot();
    r = s.insertMyArticle(w.record(4));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kArticleAlreadyPresent);
    EXPECT_TRUE(w.snapshot() == before) << "a refused insertion changed the files";
    EXPECT_EQ(s.myArticleCount(), 1u);

    // A full artikel.dat: 65535 records.
    World full;
    std::string big(std::size_t{65535} * 819, '\0');
    for (std::uint32_t i = 0; i < 65535; ++i) putU16(reinterpret_cast<std::uint8_t*>(big.data()), i * 819, 9);
    full.ram.put("meinart/artikel.dat", big);
    big.clear();
    StockSession fs(full.ram, full.clock, full.settings, full.catalogue, "meinart");
    ASSERT_TRUE(fs.open().empty());
    EXPECT_EQ(fs.myArticleCount(), 65535u);
    r = fs.insertMyArticle(full.record(2));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("65535"), std::string::npos) << r.message;
    EXPECT_EQ(full.ram.get("meinart/artikel.dat").size(), std::size_t{65535} * 819);
    EXPECT_FALSE(full.ram.exists("meinart/journal.dat"));
}

TEST(StockSession, DamagedFilesAreReadWithoutWritingAnything) {
    World w;
    w.putMyArticles({3, 5});
    w.ram.put("meinart/artikel.dat", w.ram.get("meinart/artikel.dat") + std::string(100, '\xFF'));  // torn tail
    Bytes bad(8016, 0xFF);  // 255 positions, every length byte 255, record numbers 65535
    putU16(bad.data(), 35, 500);
    bad[35 + 136] = 0;
    std::string orders(bad.begin(), bad.end());
    orders += "torn";
    w.ram.put("meinart/bestell.dat", orders);
    const std::string articlesBefore = w.ram.get("meinart/artikel.dat");
    {
        StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
        EXPECT_TRUE(s.open().empty());
        EXPECT_EQ(s.myArticleCount(), 2u);
        EXPECT_EQ(s.index().numbers(), (std::vector<ArticleNumber>{3, 5}));
        EXPECT_FALSE(s.readMyArticle(2));
        EXPECT_EQ(s.myArticleName(1), "ART5");
        EXPECT_EQ(s.myArticleName(500), "Error DSNR500");
        ASSERT_EQ(s.documentCount(BookingFile::Orders), 1u);
        const BookingDocument d = *s.readDocument(BookingFile::Orders, 0);
        EXPECT_EQ(d.validPositions(), 50u);
        EXPECT_FALSE(s.priceDataFor(d.positions[0])) << "a position naming nothing has no prices";
        EXPECT_FALSE(s.priceDataFor(d.positions[1])) << "nor a direct one naming no selectable article";
        EXPECT_FALSE(s.readDocument(BookingFile::Orders, 1));
        std::string error;
        EXPECT_TRUE(s.close(error)) << error;
    }
    EXPECT_TRUE(w.ram.get("meinart/artikel.dat") == articlesBefore) << "artikel.dat was written";
    EXPECT_TRUE(w.ram.get("meinart/bestell.dat") == orders) << "bestell.dat was written";
    EXPECT_FALSE(w.ram.exists("meinart/journal.dat"));
}

TEST(StockSession, SingleRecordWrites) {
    World w;
    w.putStandardFiles();
    StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
    ASSERT_TRUE(s.open().empty());
    MyArticleRecord r = *s.readMyArticle(1);
    r.remark = "neu";
    ASSERT_TRUE(s.writeMyArticle(1, r).ok);
    EXPECT_EQ(s.readMyArticle(1)->remark, "neu");
    EXPECT_EQ(s.myArticleCount(), 3u);

    struct Row {
        const char* name;
        StockWriteResult result;
        const char* messagePart;
    };
    const Row rows[] = {
        {"beyond My Articles", s.writeMyArticle(3, r), "Datensatz nicht vorhanden: 3"},
        {"another article's record", s.writeMyArticle(0, r), "gehört zu Artikel 3"},
        {"beyond the booking file", s.writeDocument(BookingFile::Orders, 3, BookingDocument{}), "hinter dem Ende"},
        {"a second direct order", s.writeDocument(BookingFile::DirectOrder, 1, BookingDocument{}), "nur einen Satz"},
    };
    for (const Row& row : rows) {
        EXPECT_FALSE(row.result.ok) << row.name;
        EXPECT_NE(row.result.message.find(row.messagePart), std::string::npos)
            << row.name << ": " << row.result.message;
    }
    BookingDocument d = BookingDocument::initialised(1261208);
    d.costCentre = 7;
    ASSERT_TRUE(s.writeDocument(BookingFile::Orders, 2, d).ok);
    EXPECT_EQ(s.documentCount(BookingFile::Orders), 3u);
    EXPECT_EQ(s.readDocument(BookingFile::Orders, 2)->costCentre, 7);
    // A booking: the document and the records it changes, as one change.
    StockTransaction t;
    r.stock = 99;
    t.myArticles.emplace_back(1, r);
    t.documents.push_back({BookingFile::Demand, 1, d});
    t.documents.push_back({BookingFile::Demand, 2, d});
    ASSERT_TRUE(s.commit(t).ok);
    EXPECT_EQ(s.readMyArticle(1)->stock, 99);
    EXPECT_EQ(s.documentCount(BookingFile::Demand), 3u);
    EXPECT_EQ(w.ram.get("meinart/bedarf.dat").size(), 3u * 8016);
}

TEST(StockSession, DeletingTheUserFilesEmptiesThemAll) {
    World w;
    w.putStandardFiles();
    w.settings.setCurrentOrder(1);
    StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
    ASSERT_TRUE(s.open().empty());
    const StockWriteResult r = s.deleteUserFiles();
    ASSERT_TRUE(r.ok) << r.message;
    for (const char* f : kFiles) {
        const std::string expected = std::string(f) == "dirbest.dat" ? std::string(8016, '\0') : "";
        EXPECT_EQ(w.ram.get(f), expected) << f;
    }
    EXPECT_EQ(s.myArticleCount(), 0u);
    EXPECT_TRUE(s.index().empty());
    EXPECT_EQ(s.documentCount(BookingFile::Orders), 0u);
    EXPECT_EQ(s.documentCount(BookingFile::DirectOrder), 1u);
    EXPECT_EQ(w.settings.currentOrder(), 0);
    EXPECT_TRUE(w.settings.dirty());
    EXPECT_TRUE(s.insertMyArticle(w.record(8)).ok) << "the emptied files take new records";
}

// A change with a fault at every call; afterwards a restart recovers, and the six files are byte for byte
// all before or all after. A change reported done is durable; one that may be half done stops the writes.
void sweep(const std::function<StockWriteResult(StockSession&, World&)>& change) {
    std::map<std::string, std::string> before, after;
    {
        World w;
        w.putStandardFiles();
        before = w.snapshot();
        StockSession s(w.ram, w.clock, w.settings, w.catalogue, "meinart");
        ASSERT_TRUE(s.open().empty());
        ASSERT_TRUE(change(s, w).ok);
        after = w.snapshot();
        ASSERT_NE(before, after);
    }
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1;; ++n) {
            const std::string where = "kind " + std::to_string(static_cast<int>(kind)) + " call " + std::to_string(n);
            World w;
            w.putStandardFiles();
            FaultyFileSystem fs(w.ram);
            StockSession s(fs, w.clock, w.settings, w.catalogue, "meinart");
            ASSERT_TRUE(s.open().empty());
            fs.failAt(n, kind);
            const StockWriteResult r = change(s, w);
            const bool reached = fs.calls() >= n;
            fs.dropUnsyncedWrites();
            if (!r.ok) {
                EXPECT_TRUE(r.message.find("I/O error 5") != std::string::npos ||
                            r.message.find("Disk full") != std::string::npos)
                    << where << ": " << r.message;
            }
            if (s.writesStopped()) {
                EXPECT_EQ(s.writeDocument(BookingFile::Orders, 0, BookingDocument{}).message, kWritesStopped);
            }
            const bool stopped = s.writesStopped();
            std::string error;
            (void)s.close(error);

            StockSession restart(w.ram, w.clock, w.settings, w.catalogue, "meinart");
            EXPECT_TRUE(restart.open().empty()) << where;
            std::map<std::string, std::string> now = w.snapshot();
            ASSERT_TRUE(now == before || now == after) << where;
            if (r.ok) {
                EXPECT_TRUE(now == after) << "reported done but lost, " << where;
            } else if (!stopped) {
                EXPECT_TRUE(now == before) << "refused without stopping, yet changed, " << where;
            }
            if (!reached) {
                EXPECT_TRUE(r.ok && r.message.empty()) << where;
                break;
            }
        }
    }
}

TEST(StockSessionFaults, InsertionWithRenumbering) {
    sweep([](StockSession& s, World& w) -> StockWriteResult { return s.insertMyArticle(w.record(2)); });
}

TEST(StockSessionFaults, DeletingTheUserFiles) {
    sweep([](StockSession& s, World&) { return s.deleteUserFiles(); });
}

}  // namespace
}  // namespace kvx
