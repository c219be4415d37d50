// The settings block: defaults, short and damaged files, load-time corrections, and a save that leaves the
// old or the new file under a fault at every call.
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <functional>

#include <random>

#include "base/le_bytes.h"
#include "base/short_string.h"
#include "tests/support/fault_file_system.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

// Damaged values come in as a loaded file would bring them: the block's bytes, changed, loaded again.
void plant(SettingsRecord& s, const std::function<void(std::uint8_t*)>& damage) {
    std::string bytes(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize);
    damage(reinterpret_cast<std::uint8_t*>(bytes.data()));
    s.loadBytes(bytes);
}

std::string blockOf(const SettingsRecord& s) {
    return std::string(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize);
}

TEST(SettingsRecord, Defaults) {
    SettingsRecord s;
    EXPECT_EQ(getI32(s.data(), 0), 129);
    for (int st = 1; st <= 5; ++st) EXPECT_TRUE(s.statusFilter(st));
    EXPECT_EQ(s.statusFilterAbbreviations(), "La Ab Be Au ");
    EXPECT_EQ(s.rangedNumber(), 50000);
    EXPECT_FALSE(s.netPrices());
    EXPECT_FALSE(s.stockMode());
    EXPECT_EQ(s.datasheetFolder(), "c:\\download\\datenblatt");
    EXPECT_FALSE(s.searchEngine().empty());
    EXPECT_FALSE(s.text(SettingsRecord::kCompanyName, 40).empty());
    struct Row {
        FontSlot slot;
        const char* name;
        int size;
        int italic;
    };
    for (const Row& r : {Row{FontSlot::Dialog, "ARIAL", 9, 1}, Row{FontSlot::Detail, "ARIAL", 8, 0},
                         Row{FontSlot::List, "ARIAL", 10, 1}, Row{FontSlot::Print, "COURIER", 10, 0},
                         Row{FontSlot::Tree, "ARIAL", 10, 1}}) {
        const FontDescription f = s.font(r.slot);
        EXPECT_EQ(f.name, r.name);
        EXPECT_EQ(f.size, r.size);
        EXPECT_EQ(f.italic, r.italic);
        EXPECT_EQ(f.weight, 3);
    }
}

TEST(SettingsRecord, ShortFileKeepsTailDefaultsAndMissingFileIsNotDirty) {
    test::TempDir dir;
    PosixFileSystem fs;
    SettingsRecord original;
    original.setStockMode(true);
    original.setStatusFilter(3, false);
    // 100 bytes hold the company e-mail and the start of the name; the mode byte (220) is beyond them.
    dir.write("settings.dat", blockOf(original).substr(0, 100));
    SettingsRecord s;
    s.load(fs, "/prog/");
    EXPECT_FALSE(s.stockMode()) << "byte 220 lies beyond the 100 bytes read";
    EXPECT_TRUE(s.statusFilter(3));
    EXPECT_EQ(s.textFolder(), "/prog/TEXTE/");
    EXPECT_FALSE(s.dirty());

    std::filesystem::remove(dir.path() / "settings.dat");
    SettingsRecord missing;
    missing.load(fs, "/prog/");
    EXPECT_FALSE(missing.dirty());
    EXPECT_EQ(missing.textFolder(), "/prog/TEXTE/");
}

TEST(SettingsRecord, LoadTimeCorrections) {
    struct Row {
        std::int32_t ranged;
        std::int32_t expected;
    };
    for (const Row& r : {Row{49999, 50000}, Row{50000, 50000}, Row{90000, 90000}, Row{90001, 50000}, Row{-5, 50000},
                         Row{70000, 70000}}) {
        SettingsRecord s;
        plant(s, [&](std::uint8_t* b) { putI32(b, SettingsRecord::kRangedNumber, r.ranged); });
        EXPECT_FALSE(s.applyLoadCorrections("/p/")) << "a range correction alone is not saved";
        EXPECT_EQ(s.rangedNumber(), r.expected) << r.ranged;
    }
    // An empty company name resets the company block, empties the text folder (then set to the default)
    // and asks for a save.
    SettingsRecord s;
    s.setText(SettingsRecord::kTextFolder, 120, "/mine/");
    s.setText(SettingsRecord::kCompanyName, 40, "");
    s.setText(SettingsRecord::kCompanyEmail, 40, "a@b.de");
    EXPECT_TRUE(s.applyLoadCorrections("/p/"));
    EXPECT_FALSE(s.text(SettingsRecord::kCompanyName, 40).empty());
    EXPECT_EQ(s.text(SettingsRecord::kCompanyEmail, 40), "");
    EXPECT_EQ(s.textFolder(), "/p/TEXTE/");

    // The program directory arrives as UTF-8; the block stores Windows-1252.
    SettingsRecord umlaut;
    EXPECT_FALSE(umlaut.applyLoadCorrections("/home/j\xC3\xBCrgen/"));
    EXPECT_EQ(umlaut.textFolder(), "/home/j\xFCrgen/TEXTE/");
}

TEST(SettingsRecord, FontDescriptionsAreClampedOnLoad) {
    SettingsRecord s;
    plant(s, [](std::uint8_t* b) {
        std::uint8_t* f = b + SettingsRecord::kFonts;  // dialog font
        putU16(f, 41, 500);
        f[43] = 2;
        putU16(f, 39, 99);
        putI16(f, 44, 360);
        f[46] = 17;
        f[0] = 200;  // damaged length byte
    });
    const FontDescription d = s.font(FontSlot::Dialog);
    EXPECT_EQ(d.size, 400);
    EXPECT_EQ(d.italic, 0);
    EXPECT_EQ(d.weight, 10);
    EXPECT_EQ(d.angle, 0);
    EXPECT_EQ(d.colour, 0);
    EXPECT_LE(d.name.size(), 37u);
}

TEST(SettingsRecord, AnyFileContentLoadsAndUnknownBytesSurviveARoundTrip) {
    std::mt19937 rng(7);
    for (std::size_t length :
         {std::size_t{0}, std::size_t{1}, std::size_t{100}, SettingsRecord::kSize, SettingsRecord::kSize + 500}) {
        test::TempDir dir;
        std::string data(length, '\0');
        for (auto& c : data) c = static_cast<char>(rng());
        dir.write("settings.dat", data);
        PosixFileSystem fs;
        SettingsRecord s;
        s.load(fs, "/p/");
        EXPECT_GE(s.rangedNumber(), 50000);
        EXPECT_LE(s.rangedNumber(), 90000);
        std::string error;
        ASSERT_TRUE(s.save(fs, error)) << error;
        const std::string saved = dir.read("settings.dat");
        ASSERT_EQ(saved.size(), SettingsRecord::kSize);
        // Bytes the program does not interpret come back unchanged (here: the search histories).
        if (length >= SettingsRecord::kSize && !s.dirty()) {
            EXPECT_EQ(saved.substr(1262, 2000), data.substr(1262, 2000));
        }
    }
}

TEST(SettingsRecord, SaveUnderFaultsLeavesOldOrNewFile) {
    for (FaultKind kind : {FaultKind::IoError, FaultKind::DiskFull, FaultKind::Crash}) {
        for (long n = 1; n <= 10; ++n) {
            test::TempDir dir;
            SettingsRecord oldSettings;
            const std::string oldBytes = blockOf(oldSettings);
            dir.write("settings.dat", oldBytes);
            SettingsRecord changed;
            changed.setStockMode(true);
            const std::string newBytes = blockOf(changed);
            PosixFileSystem real;
            FaultyFileSystem fs(real);
            fs.failAt(n, kind);
            std::string error;
            const bool ok = changed.save(fs, error);
            if (kind == FaultKind::Crash) fs.dropUnsyncedWrites();
            const std::string after = dir.read("settings.dat");
            EXPECT_TRUE(after == oldBytes || after == newBytes) << "kind " << int(kind) << " call " << n;
            if (ok) {
                EXPECT_EQ(after, newBytes) << "success reported, call " << n;
            }
            if (!ok) {
                EXPECT_FALSE(error.empty());
            }
            if (kind != FaultKind::Crash) {
                EXPECT_FALSE(dir.exists("settings.dat.tmp")) << "call " << n;
            }
        }
    }
}

// Every field the settings dialogs edit, written through the setters, survives settings.dat; texts longer
// than their fields come back cut (a customer number of 15 characters as its first 10).
TEST(SettingsRecord, DialogFieldsRoundTripThroughTheFile) {
    test::TempDir dir;
    PosixFileSystem fs;
    SettingsRecord s;
    s.setNetPrices(true);
    s.setStockMode(true);
    s.setDatasheetFolder("/home/werkstatt/datenbl\xE4tter/");
    s.setTextFolder(std::string(125, 't'));
    s.setDeliveryData({1, 2, 3, 3, "123456789012345"});
    s.setCompanyData({std::string(45, 'e'), "Name", "12345 Ort",
                      "Stra\xDF"
                      "e 2",
                      std::string(25, '9')});
    FontDescription list;
    list.name = "DejaVu Sans";
    list.size = 12;
    list.weight = 4;
    list.italic = 1;
    list.colour = 5;
    s.setFont(FontSlot::List, list);
    std::string error;
    ASSERT_TRUE(s.save(fs, error)) << error;

    SettingsRecord back;
    back.load(fs, "/prog/");
    EXPECT_TRUE(back.netPrices());
    EXPECT_TRUE(back.stockMode());
    EXPECT_EQ(back.datasheetFolder(), "/home/werkstatt/datenbl\xE4tter/");
    EXPECT_EQ(back.textFolder(), std::string(120, 't'));
    EXPECT_EQ(back.deliveryData(), (DeliveryData{1, 2, 3, 3, "1234567890"}));
    EXPECT_EQ(back.companyData(), (CompanyData{std::string(40, 'e'), "Name", "12345 Ort",
                                               "Stra\xDF"
                                               "e 2",
                                               std::string(20, '9')}));
    const FontDescription f = back.font(FontSlot::List);
    EXPECT_EQ(f.name, "DejaVu Sans");
    EXPECT_EQ(f.size, 12);
    EXPECT_TRUE(f.bold());
    EXPECT_EQ(f.italic, 1);
    EXPECT_EQ(f.colour, 5);
    EXPECT_EQ(blockOf(back), blockOf(s)) << "nothing else moved";
    EXPECT_FALSE(back.dirty());
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

// Every typed setter marks the block dirty when it changes a byte, and only then; the working mode setter
// once left the block clean, so a changed mode was lost at quit.
TEST(SettingsRecord, TypedSettersMarkDirtyOnChange) {
    using History = SettingsRecord::History;
    struct Row {
        const char* what;
        std::function<void(SettingsRecord&)> change;
        std::function<void(SettingsRecord&)> same;  // writes what the defaults hold already
        std::function<bool(const SettingsRecord&)> took;
    };
    const Row rows[] = {
        {"working mode", [](SettingsRecord& s) { s.setStockMode(true); },
         [](SettingsRecord& s) { s.setStockMode(false); },
         [](const SettingsRecord& s) { return s.data()[SettingsRecord::kWorkingMode] == 1; }},
        {"search set", [](SettingsRecord& s) { s.setSearchSet(7); }, [](SettingsRecord& s) { s.setSearchSet(0); },
         [](const SettingsRecord& s) { return s.data()[SettingsRecord::kSearchSet] == 7; }},
        {"status filter",
         [](SettingsRecord& s) {
             s.setStatusFilterBytes({1, 0, 1, 0, 1});
         },
         [](SettingsRecord& s) {
             s.setStatusFilterBytes({1, 1, 1, 1, 1});
         },
         [](const SettingsRecord& s) { return s.statusFilterAbbreviations() == "La Be "; }},
        {"catalogue date", [](SettingsRecord& s) { s.setCatalogueDate(1161030); },
         [](SettingsRecord& s) { s.setCatalogueDate(0); },
         [](const SettingsRecord& s) { return getI32(s.data(), SettingsRecord::kCatalogueDate) == 1161030; }},
        {"current order", [](SettingsRecord& s) { s.setCurrentOrder(513); },
         [](SettingsRecord& s) { s.setCurrentOrder(0); },
         [](const SettingsRecord& s) { return getU16(s.data(), SettingsRecord::kCurrentOrder) == 513; }},
        {"word history", [](SettingsRecord& s) { s.setHistoryEntry(History::SearchWords, 100, "LAST"); },
         [](SettingsRecord& s) { s.setHistoryEntry(History::SearchWords, 100, ""); },
         [](const SettingsRecord& s) { return readShortString(s.data(), 1262 + 99 * 21, 20) == "LAST"; }},
        {"unit count", [](SettingsRecord& s) { s.setHistoryCount(History::SearchUnits, 41); },
         [](SettingsRecord& s) { s.setHistoryCount(History::SearchUnits, 0); },
         [](const SettingsRecord& s) { return s.data()[6026] == 40; }},  // clamped to the capacity
        {"price display", [](SettingsRecord& s) { s.setNetPrices(true); },
         [](SettingsRecord& s) { s.setNetPrices(false); },
         [](const SettingsRecord& s) { return s.data()[SettingsRecord::kPriceDisplay] == 1; }},
        {"datasheet folder", [](SettingsRecord& s) { s.setDatasheetFolder("/daten/"); },
         [](SettingsRecord& s) { s.setDatasheetFolder("c:\\download\\datenblatt"); },
         [](const SettingsRecord& s) { return readShortString(s.data(), 1120, 120) == "/daten/"; }},
        {"text folder", [](SettingsRecord& s) { s.setTextFolder("/texte/"); },
         [](SettingsRecord& s) { s.setTextFolder(""); },
         [](const SettingsRecord& s) { return readShortString(s.data(), 904, 120) == "/texte/"; }},
        {"delivery data",
         [](SettingsRecord& s) {
             s.setDeliveryData({2, 1, 4, 3, "K-4711"});
         },
         [](SettingsRecord& s) { s.setDeliveryData({}); },
         [](const SettingsRecord& s) {
             const std::uint8_t* b = s.data();
             return b[900] == 2 && b[901] == 1 && b[902] == 4 && b[903] == 3 && readShortString(b, 204, 10) == "K-4711";
         }},
        {"company data",
         [](SettingsRecord& s) {
             CompanyData c = s.companyData();
             c.email = "info@example.de";
             c.phone = "030 1234";
             s.setCompanyData(c);
         },
         [](SettingsRecord& s) { s.setCompanyData(s.companyData()); },
         [](const SettingsRecord& s) {
             return readShortString(s.data(), 14, 40) == "info@example.de" &&
                    readShortString(s.data(), 178, 20) == "030 1234" && s.data()[12] == 0 && s.data()[13] == 0;
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord s;
        ASSERT_FALSE(s.dirty());
        r.same(s);
        EXPECT_FALSE(s.dirty()) << "nothing changed";
        r.change(s);
        EXPECT_TRUE(s.dirty());
        EXPECT_TRUE(r.took(s));
    }
    // Entries outside the table are neither read nor written.
    SettingsRecord s;
    s.setHistoryEntry(History::SearchUnits, 41, "X");
    s.setHistoryEntry(History::SearchUnits, 0, "X");
    EXPECT_FALSE(s.dirty());
    EXPECT_EQ(s.historyEntry(History::SearchUnits, 41), "");
}

}  // namespace
}  // namespace kvx
