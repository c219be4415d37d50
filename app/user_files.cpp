// Deleting the user's files.
#include "app/user_files.h"

#include <algorithm>

namespace kvx {

namespace {

// Replaces the file by an empty one and reopens it. On failure the old file is reopened unchanged.
bool recreate(FileSystem& fs, RecordFile& file, UserInterface& ui) {
    const bool wasOpen = file.isOpen();
    file.close();
    std::string error;
    const bool replaced = writeWholeFileAtomically(fs, file.path(), nullptr, 0, error);
    const bool reopened = file.open();
    if (replaced && reopened) return true;
    ui.error("Die Datei " + file.path() + " ist nicht anlegbar!" + (error.empty() ? "" : "\n" + error));
    if (!reopened && wasOpen && !file.openOrCreate())
        ui.error("Die Datei " + file.path() + " ist nicht mehr geöffnet: " + file.lastError());
    return false;
}

}  // namespace

bool deleteUserFiles(AppState& app, UserInterface& ui) {
    FileSystem& fs = app.fs();
    bool ok = recreate(fs, app.myArticles, ui);
    ok = recreate(fs, app.orders, ui) && ok;
    ok = recreate(fs, app.demand, ui) && ok;
    ok = recreate(fs, app.consumption, ui) && ok;
    ok = recreate(fs, app.calculations, ui) && ok;
    // Judged by the file, not the report: a replacement whose directory sync failed is empty all the same.
    if (app.orders.count() == 0) {
        // The current order was a record of the old file; written back at quit it would reappear.
        app.currentOrder.clear();
        app.currentOrderLoaded = false;
        app.currentOrderChanged = false;
        if (app.currentOrderNumber != 0) {
            app.currentOrderNumber = 0;
            app.settings.setDirty();
        }
    }
    std::fill(app.directOrder.bytes.begin(), app.directOrder.bytes.end(), std::uint8_t{0});
    app.directOrder.bytes.resize(kBookingDocumentSize, 0);
    app.directOrder.changed = true;
    return ok;
}

}  // namespace kvx
