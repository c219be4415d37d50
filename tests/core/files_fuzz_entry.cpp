// The user-files fuzz entry: damaged settings.dat, suchpar.dat, suchidx.dat, kstst.dat, dirbest.dat and
// inetadr.dat through a start, the search lists and the quit, then a second start.
#include "files_fuzz_entry.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/startup.h"
#include "base/clock.h"
#include "search/search_commands.h"
#include "stock/booking_document.h"
#include "tests/support/catalogue_ram_fs.h"
#include "tests/support/catalogue_test_support.h"
#include "tests/support/fake_ui.h"

namespace kvx::test {

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

const char* const kFiles[] = {"settings.dat",      "suchpar.dat", "suchidx.dat",
                              "meinart/kstst.dat", "dirbest.dat", "inetadr.dat"};

void putSmallCatalogue(RamFileSystem& fs) {
    const SmallCatalogue c = smallCatalogue();
    auto join = [](const auto& records) {
        std::string out;
        for (const auto& r : records) {
            const Bytes b = r.encode();
            out.append(b.begin(), b.end());
        }
        return out;
    };
    fs.put("whg.dat", join(c.mains));
    fs.put("wog.dat", join(c.uppers));
    fs.put("wgg.dat", join(c.products));
    fs.put("art.dat", join(c.articles));
}

// What one start reads and shows, for comparing two starts.
struct Seen {
    std::string settings;
    std::string activeSet;
    std::string results;
    std::vector<std::string> costCentres;
    std::string directOrder;
};

Seen startShowAndQuit(RamFileSystem& fs, bool changeEverything) {
    FixedClock clock{{2026, 12, 8}, 0};
    FakeUi ui;
    AppState app(fs, clock, "/prog/");
    check(loadSettings(app));  // every file of a RAM file system can be read
    check(app.catalogue.load(fs));
    check(loadUserData(app, ui));

    const SettingsRecord& s = app.settings;
    check(s.rangedNumber() >= 50000 && s.rangedNumber() <= 90000);
    check(!s.textFolder().empty() && s.textFolder().size() <= SettingsRecord::kFolderCapacity);
    for (const auto h : {SettingsRecord::History::SearchWords, SettingsRecord::History::SearchUnits}) {
        const int count = s.historyCount(h);
        check(count >= 0 && count <= SettingsRecord::historyCapacity(h));
        for (int k = 1; k <= count; ++k) check(s.historyEntry(h, k).size() <= SettingsRecord::historyTextCapacity(h));
    }
    for (int f = 0; f < 5; ++f) check(s.font(static_cast<FontSlot>(f)).name.size() <= 46);

    SearchSession& search = app.search;
    check(search.state.storedCount == app.search.parameters.count());
    check(s.searchSet() < std::max<int>(search.state.storedCount, 1));
    const std::vector<CatalogueListRow> rows = searchResultRows(search);
    check(rows.size() == search.state.results.count && rows.size() <= SearchResultList::kSlots);
    (void)searchResultTextLines(search);
    if (search.state.storedCount > 0) {
        ui.answers.push_back(std::int32_t{search.state.storedCount - 1});
        loadParameterSet(search, ui);
        check(s.searchSet() == search.state.storedCount - 1);
    }

    check(app.costCentres.last() >= CostCentres::kMinimumLast &&
          app.costCentres.last() <= CostCentres::kMaximumLast);
    for (int i = 0; i < app.costCentres.count(); ++i) check(!app.costCentres.name(i).empty());
    const BookingDocument& direct = app.stock.current(BookingFile::DirectOrder).document;
    check(direct.validPositions() <= BookingDocument::kMaxPositions);
    check(app.settingsSession.internetAddresses.isOpen());

    Seen seen;
    if (changeEverything) {
        app.settings.setDirty();
        const std::string name = app.costCentres.name(0);
        app.costCentres.setName(0, name + "x");
        app.costCentres.setName(0, name);  // changed, so kstst.dat is written with the same names
        search.state.modified = true;
        search.index.changed = true;
        app.stock.markChanged(BookingFile::DirectOrder);
    }
    seen.settings.assign(reinterpret_cast<const char*>(s.data()), SettingsRecord::kSize);
    const Bytes active = search.state.active.encode();
    seen.activeSet.assign(active.begin(), active.end());
    seen.results.assign(search.index.bytes.begin(), search.index.bytes.end());
    for (int i = 0; i < app.costCentres.count(); ++i) seen.costCentres.push_back(app.costCentres.name(i));
    Bytes directBytes(BookingDocument::kSize);
    direct.encode(directBytes.data());
    seen.directOrder.assign(directBytes.begin(), directBytes.end());

    ui.answers.push_back(true);
    check(closeQuery(app, ui));
    check(ui.linesStartingWith("error").empty());  // the quit writes to memory: nothing can fail
    return seen;
}

}  // namespace

void fuzzUserFilesInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    RamFileSystem fs;
    putSmallCatalogue(fs);
    std::size_t from = 0;
    for (const char* name : kFiles) {
        if (from > input.size()) break;
        const std::size_t to = std::min(input.find("#|#", from), input.size());
        fs.put(name, std::string(input.substr(from, to - from)));
        from = to + 3;
    }
    const Seen first = startShowAndQuit(fs, true);
    const Seen second = startShowAndQuit(fs, false);
    check(first.settings == second.settings);
    check(first.activeSet == second.activeSet);
    check(first.results == second.results);
    check(first.costCentres == second.costCentres);
    check(first.directOrder == second.directOrder);
}

}  // namespace kvx::test
