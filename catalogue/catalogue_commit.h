// Putting a freshly imported set of catalogue files in place. The import writes "<name>.new" for each
// of wgg.dat, wog.dat, whg.dat and art.dat (and settings.dat, which holds the catalogue date) and syncs
// them; the commit then writes a marker file naming the targets, moves each old file aside to
// "<name>.old", renames the new one into its place and removes the marker. A crash leaves the marker, and
// the next load of the catalogue finishes the renames first; when a new file cannot be put in place,
// the old files are moved back. So the files always belong together.
#pragma once

#include <string>
#include <thread>
#include <vector>

#include "base/file_system.h"

namespace kvx {

inline constexpr const char* kImportMarkerFile = "katalog.new";

std::string newCatalogueFileName(const std::string& target);
std::string oldCatalogueFileName(const std::string& target);

// wgg.dat, wog.dat, whg.dat, art.dat: the files every commit replaces.
const std::vector<std::string>& catalogueFileNames();

// Replaces each of `targets` by its ".new" version (all in the program directory). Throws IoError when
// the marker cannot be written (nothing replaced) or when a file cannot be put in place; in that case the
// old files are moved back and the text names the file, the reason and that the old catalogue stays.
// Either failure removes the ".new" files.
// The old files are left as "<name>.old" for removeCatalogueBackups().
void commitCatalogueFiles(FileSystem& fs, const std::vector<std::string>& targets);

// Removes the "<name>.old" files a finished commit left; failures are ignored (the next commit removes
// stale backups before it starts).
void removeCatalogueBackups(FileSystem& fs, const std::vector<std::string>& targets);

// removeCatalogueBackups() off the caller's way, started once the commit is durable. Freeing a large old
// art.dat takes the disk some milliseconds the user need not wait for. On the real file system the
// removal runs on a thread of its own with a file system instance of its own; on any other (test doubles
// that count calls) it runs right in the constructor, so that the calls keep their order. wait(), or the
// destructor, returns once it is done. Relative paths are resolved when they are removed: the working
// directory must stay until then.
class BackupRemoval final {
  public:
    BackupRemoval(FileSystem& fs, std::vector<std::string> targets);
    ~BackupRemoval() { wait(); }
    BackupRemoval(const BackupRemoval&) = delete;
    BackupRemoval& operator=(const BackupRemoval&) = delete;
    void wait();

  private:
    std::thread m_thread;
};

struct CommitRecovery {
    bool ok = true;         // the files are in a state the catalogue can be loaded from
    bool replaced = false;  // an interrupted commit was finished: the files of `targets` changed
    std::vector<std::string> targets;
    std::string message;  // what went wrong and what to fix; empty when nothing needs saying
};

// Finishes an interrupted commit when the marker is present: puts the ".new" files that are left in
// place, or, when one cannot be, moves the old files back and says so. Without a marker, removes stale
// ".new" files of the catalogue files; ".old" backups are left to the BackupRemoval that may be running
// and to the next commit.
[[nodiscard]] CommitRecovery recoverCatalogueCommit(FileSystem& fs);

}  // namespace kvx
