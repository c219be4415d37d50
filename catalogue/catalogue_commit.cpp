// The all-or-nothing replacement of the catalogue files.
#include "catalogue/catalogue_commit.h"

#include <algorithm>
#include <system_error>

#include "base/io_error.h"
#include "catalogue/catalogue_article.h"
#include "catalogue/group_tables.h"
#include "catalogue/import_files.h"

namespace kvx {

namespace {

const std::string kDirectory = directoryOf(kArticleFile);

std::string joinNames(const std::vector<std::string>& names) {
    std::string s;
    for (const std::string& n : names) s += n + "\n";
    return s;
}

std::vector<std::string> splitNames(const std::string& text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        // Only plain names of this directory are trusted from the marker.
        const std::string name = text.substr(start, end - start);
        if (!name.empty() && name.size() <= 64 && name.find('/') == std::string::npos && name != "." && name != "..")
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

void writeMarker(FileSystem& fs, const std::vector<std::string>& targets) {
    const std::string contents = joinNames(targets);
    std::string why;
    auto file = fs.open(kImportMarkerFile, OpenMode::CreateTruncate);
    if (!file) {
        why = fs.lastError();
    } else if (!file->writeAt(0, contents.data(), contents.size()) || !file->sync()) {
        why = file->lastError();
        (void)file->close();
    } else if (!file->close()) {
        why = file->lastError();
    } else if (!fs.syncDirectory(kDirectory)) {
        why = fs.lastError();
    }
    if (why.empty()) return;
    // The reason is taken; nothing was replaced, so the new files go too (what cannot be removed now is
    // found by the next load).
    (void)fs.remove(kImportMarkerFile);
    for (const std::string& target : targets) (void)fs.remove(newCatalogueFileName(target));
    throw IoError("Datei " + std::string(kImportMarkerFile) + " kann nicht geschrieben werden: " + why +
                  ". Der bisherige Katalog bleibt erhalten.");
}

// Puts target's ".new" file in place, keeping the old one as ".old". Empty on success, else the reason.
std::string putInPlace(FileSystem& fs, const std::string& target, std::string& failedFile) {
    const std::string fresh = newCatalogueFileName(target);
    const std::string old = oldCatalogueFileName(target);
    if (!fs.exists(fresh)) return {};  // already in place
    if (fs.exists(target) && !fs.exists(old) && !fs.rename(target, old)) {
        failedFile = target;
        return fs.lastError();
    }
    if (!fs.rename(fresh, target)) {
        failedFile = target;
        return fs.lastError();
    }
    return {};
}

// Undoes a commit: every target whose old file was moved aside gets it back; a target that did not exist
// before is removed again; the ".new" files are dropped. True when the old state is restored and durable
// (the marker is then removed).
bool rollBack(FileSystem& fs, const std::vector<std::string>& targets) {
    bool ok = true;
    for (auto it = targets.rbegin(); it != targets.rend(); ++it) {
        const std::string& target = *it;
        const std::string fresh = newCatalogueFileName(target);
        const std::string old = oldCatalogueFileName(target);
        if (fs.exists(old)) {
            ok = fs.rename(old, target) && ok;
        } else if (!fs.exists(fresh) && fs.exists(target)) {
            ok = fs.remove(target) && ok;  // the new file of a target that had none
        }
        if (fs.exists(fresh)) ok = fs.remove(fresh) && ok;
    }
    ok = ok && fs.syncDirectory(kDirectory);
    return ok && fs.remove(kImportMarkerFile);
}

std::string rollBackText(bool restored) {
    return restored ? " Der bisherige Katalog ist wiederhergestellt."
                    : " Der bisherige Katalog konnte nicht wiederhergestellt werden; der nächste Start versucht es "
                      "erneut.";
}

}  // namespace

std::string newCatalogueFileName(const std::string& target) {
    return target + ".new";
}

std::string oldCatalogueFileName(const std::string& target) {
    return target + ".old";
}

const std::vector<std::string>& catalogueFileNames() {
    static const std::vector<std::string> names{kProductGroupFile, kUpperGroupFile, kMainGroupFile, kArticleFile};
    return names;
}

void commitCatalogueFiles(FileSystem& fs, const std::vector<std::string>& targets) {
    // A backup left from before would be taken for this commit's old file by a roll-back.
    for (const std::string& target : targets) {
        const std::string old = oldCatalogueFileName(target);
        if (fs.exists(old) && !fs.remove(old)) {
            const std::string why = fs.lastError();
            for (const std::string& t : targets) (void)fs.remove(newCatalogueFileName(t));
            throw IoError("Datei " + old + " kann nicht gelöscht werden: " + why +
                          ". Der bisherige Katalog bleibt erhalten.");
        }
    }
    writeMarker(fs, targets);
    for (const std::string& target : targets) {
        std::string failedFile;
        const std::string why = putInPlace(fs, target, failedFile);
        if (why.empty()) continue;
        const bool restored = rollBack(fs, targets);
        throw IoError("Datei " + failedFile + " kann nicht ersetzt werden: " + why + "." + rollBackText(restored));
    }
    if (!fs.syncDirectory(kDirectory)) {
        const std::string why = fs.lastError();
        const bool restored = rollBack(fs, targets);
        throw IoError("Katalogdateien nicht gesichert: " + why + "." + rollBackText(restored));
    }
    // Without the marker a later load leaves the files alone; a failed removal is finished then.
    (void)fs.remove(kImportMarkerFile);
}

void removeCatalogueBackups(FileSystem& fs, const std::vector<std::string>& targets) {
    for (const std::string& target : targets) {
        const std::string old = oldCatalogueFileName(target);
        if (fs.exists(old)) (void)fs.remove(old);
    }
}

BackupRemoval::BackupRemoval(FileSystem& fs, std::vector<std::string> targets) {
    if (filesAreIndependent(fs)) {
        try {
            m_thread = std::thread([targets] {
                PosixFileSystem own;
                removeCatalogueBackups(own, targets);
            });
            return;
        } catch (const std::system_error&) {
            // no thread to be had: removed right here
        }
    }
    removeCatalogueBackups(fs, targets);
}

void BackupRemoval::wait() {
    if (m_thread.joinable()) m_thread.join();
}

CommitRecovery recoverCatalogueCommit(FileSystem& fs) {
    CommitRecovery r;
    if (!fs.exists(kImportMarkerFile)) {
        // Leftovers of an import that never reached its commit.
        for (const std::string& target : catalogueFileNames()) {
            if (fs.exists(newCatalogueFileName(target))) (void)fs.remove(newCatalogueFileName(target));
        }
        return r;
    }
    std::string names;
    r.targets = readWholeFile(fs, kImportMarkerFile, names) ? splitNames(names) : std::vector<std::string>{};
    // A marker without names comes from a commit of the four catalogue files alone.
    if (r.targets.empty()) r.targets = catalogueFileNames();
    for (const std::string& target : r.targets) {
        std::string failedFile;
        const std::string why = putInPlace(fs, target, failedFile);
        if (why.empty()) continue;
        const bool restored = rollBack(fs, r.targets);
        r.ok = restored;
        r.message = "Der neue Katalog kann nicht eingesetzt werden: Datei " + failedFile + ": " + why + "." +
                    rollBackText(restored) + " Bitte " + failedFile + " prüfen und den Import wiederholen.";
        return r;
    }
    if (!fs.syncDirectory(kDirectory)) {
        r.ok = false;
        r.message = "Katalogdateien nicht gesichert: " + fs.lastError();
        return r;
    }
    r.replaced = true;
    if (fs.remove(kImportMarkerFile)) removeCatalogueBackups(fs, r.targets);
    return r;
}

}  // namespace kvx
