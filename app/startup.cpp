// Start-up loading and the quit write-back.
#include "app/startup.h"

#include "base/io_error.h"

namespace kvx {

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
        app.costCentres.load(fs, app.files.costCentres);
        app.search.load();
        // Stock keeping settles an interrupted change first, then opens its files; a file it can neither open
        // nor create is reported and the program goes on without it.
        for (const std::string& message : app.stock.open()) ui.error(message);
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
        if (app.costCentres.changed()) saved(app.costCentres.save(fs, app.files.costCentres, error));
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
