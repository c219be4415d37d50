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
    const ImportResult result = runImport(app.fs(), ui, app.catalogue, sources);
    if (result.ok) {
        app.settings.setCatalogueDate(result.catalogueDate);
        app.settings.setDirty();
    }
    return app.catalogue.isLoaded();
}

}  // namespace kvx
