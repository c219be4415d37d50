// Start-up loading and the quit write-back.
#include "app/startup.h"

#include "base/io_error.h"

namespace kvx {

namespace {

// Opens a user file, creating it empty when it cannot be opened. False after the "nicht anlegbar" message.
bool openUserFile(RecordFile& file, UserInterface& ui) {
    if (file.open() || file.openOrCreate()) return true;
    ui.error("Die Datei " + file.path() + " ist nicht anlegbar!");
    return false;
}

}  // namespace

void loadSettings(AppState& app) {
    app.settings.load(app.fs(), app.programDir());
}

bool loadCatalogueAtStart(AppState& app, UserInterface& ui, const CatalogueImporter& importer) {
    bool available = app.catalogue.load(app.fs());
    if (!app.catalogue.recoveryMessage().empty()) ui.error(app.catalogue.recoveryMessage());
    // A finished import also put its settings.dat (with the catalogue date) in place.
    if (app.catalogue.recoveryReplacedFiles()) loadSettings(app);
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
        ok = openUserFile(app.myArticles, ui) && openUserFile(app.orders, ui) && openUserFile(app.demand, ui) &&
             openUserFile(app.consumption, ui) && openUserFile(app.calculations, ui);
    }
    if (ok) {
        loadBlockFile(fs, app.files.directOrder, kBookingDocumentSize, app.directOrder);
        const std::uint16_t current = app.currentOrderNumber = app.settings.currentOrder();
        app.currentOrderLoaded = current < app.orders.count();
        if (app.currentOrderLoaded) app.orders.read(current, app.currentOrder);
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
    step([&] { app.myArticles.closeOrThrow(); });
    step([&] { app.consumption.closeOrThrow(); });
    step([&] { app.demand.closeOrThrow(); });
    step([&] { app.calculations.closeOrThrow(); });
    step([&] {
        if (!app.currentOrderChanged) return;
        app.currentOrderChanged = false;
        // A number the file cannot take is reported like any failed write, not skipped in silence.
        app.orders.writeOrThrow(app.currentOrderNumber, app.currentOrder);
    });
    step([&] { app.orders.closeOrThrow(); });
    step([&] {
        if (app.costCentres.changed())
            saved(app.costCentres.save(fs, app.files.costCentres, app.files.costCentreStates, error));
    });
    step([&] { saved(app.search.saveParameters(error)); });
    step([&] { app.search.parameters.closeOrThrow(); });
    step([&] {
        if (!app.settings.dirty()) return;
        app.settings.setCurrentOrder(app.currentOrderNumber);
        if (app.settings.save(fs, error))
            app.settings.setDirty(false);
        else
            ui.error(error);
    });
    step([&] { saved(app.search.saveIndex(error)); });
    step([&] { saved(saveBlockFile(fs, app.files.directOrder, app.directOrder, error)); });
    step([&] { app.settingsSession.closeInternetAddresses(); });
    app.trace.close();
}

}  // namespace kvx
