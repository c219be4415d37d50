// The catalogue import: rebuilds wgg.dat, wog.dat, whg.dat and art.dat from the distributor's script
// files wg.js, wo.js, wh.js and art.js in "zelvodaten/". The four files are written under temporary
// names and put in place together only when all four steps succeeded, so a failed import leaves the
// previous catalogue as it was. Messages go through the UserInterface port.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

// Files outside the catalogue that name its articles by number and must change together with it. The
// import hands every new article record to article(); once the new catalogue is complete under temporary
// names, and before anything is put in place, prepare() writes the follower's own change durably as
// "<target>.new" for each plain file name of the program directory it returns: these are put in place by
// the same commit as the catalogue files, so that a crash leaves both old or both new. committed() comes
// after that commit (and the reload), abandoned() when the import ends without one.
class ImportFollower {
  public:
    virtual ~ImportFollower() = default;
    // Record `number` of the new art.dat, `size` bytes, groups assigned.
    virtual void article(std::uint32_t number, const std::uint8_t* record, std::size_t size) = 0;
    // Throws IoError when the change cannot be written; nothing is put in place then.
    virtual std::vector<std::string> prepare() = 0;
    virtual void committed() = 0;
    virtual void abandoned() = 0;
};

// Runs the four steps and, when all succeeded, replaces the catalogue files (and the settings file, when
// one is given) and reloads `catalogue`. On failure the files and `catalogue` stay as they were; every
// failure is reported with the file's name and the reason. A read or write error of a file throws IoError
// after the temporary files are removed and the catalogue reloaded. The old files, kept as backups until
// the new ones are durable, are removed on a second thread while the catalogue is reloaded and the
// success message shown; runImport returns once they are gone (a failure to remove them is left to the
// next import).
[[nodiscard]] ImportResult runImport(FileSystem& fs, UserInterface& ui, Catalogue& catalogue,
                                     const ImportSources& sources = {}, const ImportSettingsFile* settings = nullptr,
                                     ImportFollower* follower = nullptr);

}  // namespace kvx
