// The all-or-nothing replacement of the four catalogue files.
#include "catalogue/catalogue_commit.h"

#include "base/io_error.h"
#include "catalogue/catalogue_article.h"
#include "catalogue/group_tables.h"

namespace kvx {

namespace {

constexpr const char* kTargets[] = {kProductGroupFile, kUpperGroupFile, kMainGroupFile, kArticleFile};

void writeMarker(FileSystem& fs) {
    auto file = fs.open(kImportMarkerFile, OpenMode::CreateTruncate);
    const bool ok = file && file->sync() && file->close() && fs.syncDirectory(directoryOf(kImportMarkerFile));
    if (!ok) {
        (void)fs.remove(kImportMarkerFile);  // the failure below is what counts
        throw IoError("Datei " + std::string(kImportMarkerFile) + " kann nicht geschrieben werden: " + fs.lastError());
    }
}

}  // namespace

std::string newCatalogueFileName(const std::string& target) {
    return target + ".new";
}

void commitCatalogueFiles(FileSystem& fs) {
    writeMarker(fs);
    for (const char* target : kTargets) {
        if (!fs.rename(newCatalogueFileName(target), target))
            throw IoError("Datei " + std::string(target) + " kann nicht ersetzt werden: " + fs.lastError());
    }
    if (!fs.syncDirectory(directoryOf(kArticleFile)))
        throw IoError("Katalogdateien nicht gesichert: " + fs.lastError());
    // Without the marker a later load leaves the files alone; a failed removal is retried then.
    (void)fs.remove(kImportMarkerFile);
}

bool recoverCatalogueCommit(FileSystem& fs) {
    const bool interrupted = fs.exists(kImportMarkerFile);
    bool ok = true;
    for (const char* target : kTargets) {
        const std::string pending = newCatalogueFileName(target);
        if (!fs.exists(pending)) continue;
        ok = (interrupted ? fs.rename(pending, target) : fs.remove(pending)) && ok;
    }
    if (!interrupted) return ok;
    ok = ok && fs.syncDirectory(directoryOf(kArticleFile));
    return ok && fs.remove(kImportMarkerFile);
}

}  // namespace kvx
