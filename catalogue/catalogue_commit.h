// Putting a freshly imported set of catalogue files in place. The import writes "<name>.new" for each
// of wgg.dat, wog.dat, whg.dat and art.dat and syncs them; the commit then writes a marker file, renames
// the four over the old files and removes the marker. A crash between the renames leaves the marker, and
// the next load of the catalogue finishes the renames first, so the four files always belong together.
#pragma once

#include <string>

#include "base/file_system.h"

namespace kvx {

inline constexpr const char* kImportMarkerFile = "katalog.new";

std::string newCatalogueFileName(const std::string& target);

// Replaces the four catalogue files by their ".new" versions. Throws IoError when a step fails; once the
// marker is durable, a failure leaves it and the remaining ".new" files for recoverCatalogueCommit().
void commitCatalogueFiles(FileSystem& fs);

// Finishes an interrupted commit when the marker is present (renames the ".new" files that are left,
// then removes the marker); without a marker, removes stale ".new" files of an import that never
// reached its commit. False when a rename or the removal failed.
[[nodiscard]] bool recoverCatalogueCommit(FileSystem& fs);

}  // namespace kvx
