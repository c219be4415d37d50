// Catalogue commands.
#include "app/catalogue_commands.h"

#include <algorithm>
#include <memory>

#include "base/cp1252.h"
#include "base/io_error.h"
#include "catalogue/import.h"
#include "stock/orders.h"
#include "stock/report_text.h"

namespace kvx {

bool importCatalogue(AppState& app, UserInterface& ui, std::optional<RelinkReport>* relinked) {
    ImportSources sources;
    sources.art = app.files.artJs;
    sources.wh = app.files.whJs;
    sources.wo = app.files.woJs;
    sources.wg = app.files.wgJs;
    // The settings are saved with the new files, so the catalogue date on disk always matches them.
    const ImportSettingsFile settingsFile{SettingsRecord::kFileName, [&app](DateNumber date) {
                                              SettingsRecord copy = app.settings;
                                              copy.setCatalogueDate(date);
                                              return std::string(reinterpret_cast<const char*>(copy.data()),
                                                                 SettingsRecord::kSize);
                                          }};
    // The stock files follow the catalogue in the same change; at the first start they are not open yet.
    std::unique_ptr<CatalogueRelink> relink;
    if (app.stock.myArticlesOpen() || app.stock.isOpen(BookingFile::DirectOrder)) {
        if (app.stock.writesStopped()) {
            ui.inform(std::string(kWritesStopped) + " Der Katalog wird deshalb nicht importiert.");
            return app.catalogue.isLoaded();
        }
        try {
            relink = std::make_unique<CatalogueRelink>(app.fs(), app.stock, app.catalogue);
        } catch (const IoError& e) {
            ui.error(std::string(e.what()) + " Der Katalog wird nicht importiert.");
            return app.catalogue.isLoaded();
        }
    }
    const ImportResult result = runImport(app.fs(), ui, app.catalogue, sources, &settingsFile, relink.get());
    if (result.ok) {
        // The whole block went to disk with the catalogue: nothing is left to write back at quit.
        app.settings.setCatalogueDate(result.catalogueDate);
        app.settings.setDirty(false);
    }
    if (relink && relinked != nullptr && (!relink->report().entries.empty() || !relink->report().direct.empty()))
        *relinked = relink->report();
    return app.catalogue.isLoaded();
}

void presentRelinkReport(AppState& app, UserInterface& ui, ViewPort& window, const RelinkReport& report) {
    InfoPage info;
    info.type = kInfoRelinkReport;
    info.title = "Meine Artikel nach dem Datenimport";
    info.page = relinkReportPage(report);
    info.lines = std::min(info.page.lineCount() + 2, 40);
    window.showInformationPage(info);
    if (!report.done) {
        ui.error("Meine Artikel ist nicht an den neuen Katalog angepasst: " + report.error);
        return;
    }
    if (ui.ask("Bericht als Textdatei speichern?")) {
        FileRequest request;
        request.save = true;
        request.title = "Bericht speichern";
        request.path = cp1252ToUtf8(app.settings.textFolder()) + "Katalogabgleich.TXT";
        request.suffixes = {".TXT"};
        (void)savePageAsText(app.fs(), ui, request, info.page);  // a failure is shown
    }
    if (report.priceChanges() > 0 && ui.ask("Preise übernehmen?"))
        (void)reportWrite(ui, takeOverCatalogueData(app.stock, report));  // a failure is shown
}

}  // namespace kvx
