// Catalogue commands.
#include "app/catalogue_commands.h"

#include "catalogue/import.h"

namespace kvx {

bool importCatalogue(AppState& app, UserInterface& ui) {
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
    const ImportResult result = runImport(app.fs(), ui, app.catalogue, sources, &settingsFile);
    if (result.ok) {
        // The whole block went to disk with the catalogue: nothing is left to write back at quit.
        app.settings.setCatalogueDate(result.catalogueDate);
        app.settings.setDirty(false);
    }
    return app.catalogue.isLoaded();
}

}  // namespace kvx
