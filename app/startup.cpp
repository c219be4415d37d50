// Start-up loading and the quit write-back.
#include "app/startup.h"

#include "base/io_error.h"
#include "stock/demand_consumption.h"

namespace kvx {

void removeLeftoverTemporaries(AppState& app) {
    FileSystem& fs = app.fs();
    const FileSet& f = app.files;
    for (const std::string& target :
         {std::string(SettingsRecord::kFileName), f.costCentres, f.searchIndex, f.directOrder, f.myArticles, f.orders,
          f.demand, f.consumption, f.calculations, f.internetAddresses}) {
        const std::string temp = target + ".tmp";
        // One that cannot be removed does no harm: the next save of its file empties it first.
        if (fs.exists(temp)) (void)fs.remove(temp);
    }
}

bool loadSettings(AppState& app) {
    removeLeftoverTemporaries(app);
    std::string error;
    if (app.settings.load(app.fs(), app.programDir(), error)) return true;
    app.settingsFailure = error;
    app.forcedClose = true;
    return false;
}

namespace {

// Reports a settings.dat that could not be read and ends the start; true when it did.
bool settingsUnreadable(AppState& app, UserInterface& ui) {
    if (app.settingsFailure.empty()) return false;
    ui.error(app.settingsFailure);
    ui.inform(kDataFaulty);
    app.forcedClose = true;
    return true;
}

}  // namespace

bool loadCatalogueAtStart(AppState& app, UserInterface& ui, const CatalogueImporter& importer) {
    if (settingsUnreadable(app, ui)) return false;
    // Said once, at the first idle phase: the window did not exist when the settings were read.
    if (!app.settings.loadNotice().empty()) {
        ui.inform(app.settings.loadNotice());
        app.settings.clearLoadNotice();
    }
    bool available = app.catalogue.load(app.fs());
    if (!app.catalogue.recoveryMessage().empty()) ui.error(app.catalogue.recoveryMessage());
    // A finished import also put its settings.dat (with the catalogue date) in place.
    if (app.catalogue.recoveryReplacedFiles() && !loadSettings(app) && settingsUnreadable(app, ui)) return false;
    if (!available && ui.ask(kAskImportAtStart)) available = importer && importer(app, ui);
    if (!available) {
        ui.inform(kNoCatalogue);
        app.forcedClose = true;
        return false;
    }
    return true;
}

bool loadUserData(AppState& app, UserInterface& ui) {
    FileSystem& fs = app.fs();
    bool ok = fs.makeDirectory(FileSet::kUserDir);
    if (!ok) ui.error("Die Datei " + app.files.myArticles + " ist nicht anlegbar!");
    if (ok) {
        app.costCentres.load(fs, app.files.costCentres, app.files.costCentreStates);
        app.search.load();
        // Stock keeping settles an interrupted change first, then opens its files; a file it can neither open
        // nor create is reported and the program goes on without it.
        for (const std::string& message : app.stock.open()) ui.error(message);
        // Booked demands whose day has come reach My Articles before the current documents are read.
        (void)applyDueDemands(app.stock, app.clock(), ui);  // tells the count itself
        app.stock.loadCurrentDocuments(app.settings.currentOrder());
        ok = app.settingsSession.openInternetAddresses();
        if (!ok) ui.error("Die Datei " + app.files.internetAddresses + " ist nicht anlegbar!");
    }
    if (!ok) {
        ui.inform(kDataFaulty);
        app.forcedClose = true;
    }
    return ok;
}

bool closeQuery(AppState& app, UserInterface& ui) {
    if (app.forcedClose) return true;
    if (!ui.ask(kAskQuit)) return false;
    writeBackAndClose(app, ui);
    return true;
}

void writeBackAndClose(AppState& app, UserInterface& ui) {
    // Each step runs even when an earlier one failed, so that one bad file does not cost the others.
    auto step = [&](auto&& action) {
        try {
            action();
        } catch (const IoError& e) {
            ui.error(e.what());
        }
    };
    std::string error;
    auto saved = [&](bool ok) {
        if (!ok) ui.error(error);
    };
    // A step whose file failed to close is still closed: nothing is left open at the end.
    FileSystem& fs = app.fs();
    step([&] { app.catalogue.close(); });
    step([&] {
        // The changed current documents (orders, demand, consumption, calculations, direct order) as one change.
        const StockWriteResult w = app.stock.writeBackAllCurrent();
        if (!w.message.empty()) ui.error(w.message);
    });
    step([&] { saved(app.stock.close(error)); });
    step([&] {
        if (app.costCentres.changed())
            saved(app.costCentres.save(fs, app.files.costCentres, app.files.costCentreStates, error));
    });
    step([&] { saved(app.search.saveParameters(error)); });
    step([&] { app.search.parameters.closeOrThrow(); });
    step([&] {
        if (!app.settings.dirty()) return;
        app.settings.setCurrentOrder(static_cast<std::uint16_t>(app.stock.current(BookingFile::Orders).number));
        if (app.settings.save(fs, error))
            app.settings.setDirty(false);
        else
            ui.error(error);
    });
    step([&] { saved(app.search.saveIndex(error)); });
    step([&] { app.settingsSession.closeInternetAddresses(); });
    app.trace.close();
}

}  // namespace kvx
