// The catalogue import: rebuilds wgg.dat, wog.dat, whg.dat and art.dat from the distributor's script
// files wg.js, wo.js, wh.js and art.js in "zelvodaten/". The four files are written under temporary
// names and put in place together only when all four steps succeeded, so a failed import leaves the
// previous catalogue as it was. Messages go through the UserInterface port.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/date_number.h"
#include "base/file_system.h"
#include "base/user_interface.h"
#include "catalogue/catalogue.h"

namespace kvx {

struct ImportSources {
    std::string wg = "zelvodaten/wg.js";
    std::string art = "zelvodaten/art.js";
    std::string wo = "zelvodaten/wo.js";
    std::string wh = "zelvodaten/wh.js";
};

inline constexpr std::uint32_t kMaxImportArticles = 60000;

struct ImportResult {
    bool ok = false;
    std::uint16_t articleCount = 0;  // of the catalogue loaded afterwards
    int filesDone = 0;               // steps that succeeded (0..4)
    // The date of art.js line 1; store it as the catalogue date (settings offset 268) only when ok.
    DateNumber catalogueDate = 0;
};

// The settings block, saved together with the new catalogue files so that the catalogue date it holds
// never disagrees with them, not even after a crash. `path` is a plain file name in the program directory;
// `bytesWithDate` returns the whole block with the given catalogue date stored in it.
struct ImportSettingsFile {
    std::string path;
    std::function<std::string(DateNumber)> bytesWithDate;
};

// Runs the four steps and, when all succeeded, replaces the catalogue files (and the settings file, when
// one is given) and reloads `catalogue`. On failure the files and `catalogue` stay as they were; every
// failure is reported with the file's name and the reason. A read or write error of a file throws IoError
// after the temporary files are removed and the catalogue reloaded. The old files, kept as backups until
// the new ones are durable, are removed on a second thread while the catalogue is reloaded and the
// success message shown; runImport returns once they are gone (a failure to remove them is left to the
// next import).
[[nodiscard]] ImportResult runImport(FileSystem& fs, UserInterface& ui, Catalogue& catalogue,
                                     const ImportSources& sources = {}, const ImportSettingsFile* settings = nullptr);

}  // namespace kvx
