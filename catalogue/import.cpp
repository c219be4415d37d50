// The four import steps, the group assignment of the articles and the final replacement of the files.
#include "catalogue/import.h"

#include <optional>
#include <utility>
#include <vector>

#include "base/io_error.h"
#include "base/le_bytes.h"
#include "catalogue/catalogue_commit.h"
#include "catalogue/import_files.h"
#include "catalogue/import_parsers.h"

namespace kvx {

namespace {

std::string temporaryName(const std::string& target) {
    return target + ".new";
}

// Assigns record i (article number i + 1) to the last product group whose first article number is at
// most i + 1; the upper and main groups follow by reverse look-up. Articles come in record order, so the
// cursor only moves forward and reads each product group once.
class GroupAssigner {
  public:
    explicit GroupAssigner(const GroupTables& tables) : m_tables(tables) { readNext(); }

    // Stores the group numbers at offsets 174 (main), 176 (upper) and 178 (product) of the record.
    void assign(std::uint32_t recordIndex, std::uint8_t* record) {
        const std::uint32_t number = recordIndex + 1;
        bool moved = false;
        while (m_next <= m_tables.productCount() && m_nextFirst <= number) {
            m_product = m_next++;
            readNext();
            moved = true;
        }
        if (moved) {
            m_upper = m_tables.upperOfProduct(m_product);
            m_main = m_tables.mainOfUpper(m_upper);
        }
        putI16(record, 174, static_cast<std::int16_t>(m_main));
        putI16(record, 176, static_cast<std::int16_t>(m_upper));
        putI16(record, 178, static_cast<std::int16_t>(m_product));
    }

  private:
    void readNext() { m_nextFirst = m_next <= m_tables.productCount() ? m_tables.productGroup(m_next).first : 0; }

    const GroupTables& m_tables;
    int m_product = 0;
    int m_upper = 0;
    int m_main = 0;
    int m_next = 1;
    std::uint32_t m_nextFirst = 0;
};

class Importer {
  public:
    Importer(FileSystem& fs, UserInterface& ui, const ImportSources& sources, ImportFollower* follower)
        : m_fs(fs), m_ui(ui), m_src(sources), m_follower(follower) {}
    Importer(const Importer&) = delete;
    Importer& operator=(const Importer&) = delete;
    ~Importer() { removeTemporaries(); }

    bool productGroups();
    bool upperGroups();
    bool mainGroups();
    bool articles();
    // Puts the four new files (and the settings file) in place; throws IoError when that fails. Returns
    // the names whose ".old" backups are left to remove.
    std::vector<std::string> commit(const ImportSettingsFile* settings, const std::vector<std::string>& followers);
    // The follower's files written so far, removed with the temporaries when the import ends without a commit.
    void adopt(const std::vector<std::string>& targets) {
        for (const std::string& t : targets) written(t);
    }
    void removeTemporaries();

    DateNumber date() const { return m_date; }

  private:
    void skip(LineReader& in, int lines) {
        std::string line;
        for (int i = 0; i < lines && in.next(line, kMaxSourceLine); ++i) {
        }
    }
    // A source that cannot be opened or a target that cannot be created: the step ends with the reason.
    bool cannotRead(const LineReader& in, const std::string& source) {
        m_ui.inform("Die Datei " + source + " kann nicht gelesen werden: " + in.openError());
        return false;
    }
    bool cannotCreate(const RecordWriter& out) {
        m_ui.inform("Die Datei " + out.path() + " ist nicht anlegbar: " + out.error());
        return false;
    }
    void writeSettings(const ImportSettingsFile& settings);
    void tooManyRecords(const std::string& source) {
        m_ui.inform("Datei " + source + ": mehr als 65535 Datensätze, Import abgebrochen");
    }
    void written(const std::string& target) { m_temporaries.push_back(temporaryName(target)); }

    FileSystem& m_fs;
    UserInterface& m_ui;
    const ImportSources& m_src;
    ImportFollower* m_follower;
    GroupTables m_fresh;  // the new group files, for the assignment of the articles
    DateNumber m_date = 0;
    std::vector<std::string> m_temporaries;
};

bool Importer::productGroups() {
    LineReader in(m_fs, m_src.wg);
    if (!in.isOpen()) return cannotRead(in, m_src.wg);
    RecordWriter out(m_fs, temporaryName(kProductGroupFile), ProductGroup::kSize);
    if (!out.create()) return cannotCreate(out);
    skip(in, 2);
    int errors = 0;
    bool lastInError = false;
    bool any = false;
    Bytes rec(ProductGroup::kSize);
    std::string line;
    while (in.next(line, kMaxSourceLine)) {
        if (!isDataLine(line)) continue;
        ProductGroup group;
        const bool ok = parseKeyedGroupLine(line, group);
        // Lines in error are kept as records so that the numbers of the following groups stay.
        group.encode(rec.data());
        if (!out.append(rec.data())) {
            tooManyRecords(m_src.wg);
            return false;
        }
        any = true;
        lastInError = !ok;
        if (!ok) ++errors;
    }
    out.finish();
    written(kProductGroupFile);
    const bool failed = lastInError || !any;
    if (failed || errors > 0) m_ui.inform("Datei " + m_src.wg + ":Fehler " + std::to_string(errors));
    return !failed && m_fresh.openProductGroups(m_fs, temporaryName(kProductGroupFile));
}

bool Importer::upperGroups() {
    LineReader in(m_fs, m_src.wo);
    if (!in.isOpen()) return cannotRead(in, m_src.wo);
    RecordWriter out(m_fs, temporaryName(kUpperGroupFile), UpperGroup::kSize);
    if (!out.create()) return cannotCreate(out);
    skip(in, 2);
    bool lastInError = false;
    bool any = false;
    Bytes rec(UpperGroup::kSize);
    std::string line;
    while (in.next(line, kMaxSourceLine)) {
        if (!isDataLine(line)) continue;
        UpperGroup group;
        any = true;
        lastInError = !parseKeyedGroupLine(line, group);
        if (lastInError) continue;
        group.encode(rec.data());
        if (!out.append(rec.data())) {
            tooManyRecords(m_src.wo);
            return false;
        }
    }
    out.finish();
    written(kUpperGroupFile);
    return any && !lastInError && m_fresh.loadUpperGroups(m_fs, temporaryName(kUpperGroupFile));
}

bool Importer::mainGroups() {
    const std::string failure = m_src.wh + " Datei nicht vorhanden oder fehlerhaft";
    LineReader in(m_fs, m_src.wh);
    if (!in.isOpen()) {
        m_ui.inform(failure + ": " + in.openError());
        return false;
    }
    skip(in, 2);
    std::vector<MainGroup> table;
    int errors = 0;
    bool lastInError = false;
    std::string line;
    while (in.next(line, kMaxSourceLine)) {
        if (!isDataLine(line)) continue;
        if (table.size() >= RecordWriter::kMaxRecords) {
            tooManyRecords(m_src.wh);
            return false;
        }
        table.emplace_back();
        lastInError = !parseMainGroupLine(line, table.back());
        if (lastInError) ++errors;
    }
    // The table holds every line; more than the customary 30 main groups is only worth a warning.
    if (table.size() > 30) m_ui.inform("hauptfs" + std::to_string(table.size()) + ">" + "30");
    if (lastInError || errors > 0 || table.empty()) {
        m_ui.inform(failure);
        return false;
    }
    RecordWriter out(m_fs, temporaryName(kMainGroupFile), MainGroup::kSize);
    if (!out.create()) return cannotCreate(out);
    Bytes rec(MainGroup::kSize);
    for (const MainGroup& g : table) {
        g.encode(rec.data());
        if (!out.append(rec.data())) return false;  // cannot happen: the table was limited above
    }
    out.finish();
    written(kMainGroupFile);
    return m_fresh.loadMainGroups(m_fs, temporaryName(kMainGroupFile));
}

bool Importer::articles() {
    LineReader in(m_fs, m_src.art);
    if (!in.isOpen()) return cannotRead(in, m_src.art);
    // art.dat is large: it goes out to the disk on a second thread while the lines are parsed here.
    RecordWriter out(m_fs, temporaryName(kArticleFile), CatalogueArticle::kRecordSize, filesAreIndependent(m_fs));
    if (!out.create()) return cannotCreate(out);
    std::string line;
    if (in.next(line, kMaxSourceLine)) m_date = parseCatalogueDate(line);
    skip(in, 1);
    GroupAssigner groups(m_fresh);
    bool lastWasArticle = false;
    Bytes rec(CatalogueArticle::kRecordSize);
    while (in.next(line, kMaxSourceLine)) {
        if (!isDataLine(line)) continue;
        lastWasArticle = parseArticleRecord(line, rec.data());
        if (!lastWasArticle) continue;
        if (out.count() >= kMaxImportArticles) {
            m_ui.inform("Datei " + m_src.art + ": mehr als " + std::to_string(kMaxImportArticles) +
                        " Artikel, Import abgebrochen");
            return false;
        }
        groups.assign(out.count(), rec.data());
        if (m_follower != nullptr) m_follower->article(out.count(), rec.data(), rec.size());
        if (!out.append(rec.data())) return false;  // cannot happen: 60000 is below the file's limit
    }
    out.finish();
    written(kArticleFile);
    return lastWasArticle;
}

void Importer::writeSettings(const ImportSettingsFile& settings) {
    const std::string path = temporaryName(settings.path);
    const std::string bytes = settings.bytesWithDate(m_date);
    m_temporaries.push_back(path);
    std::string why;
    auto file = m_fs.open(path, OpenMode::CreateTruncate);
    if (!file) {
        why = m_fs.lastError();
    } else if (!file->writeAt(0, bytes.data(), bytes.size()) || !file->sync()) {
        why = file->lastError();
        (void)file->close();
    } else if (!file->close()) {
        why = file->lastError();
    }
    if (!why.empty()) throw IoError("Schreibfehler in " + path + ": " + why);
}

std::vector<std::string> Importer::commit(const ImportSettingsFile* settings,
                                          const std::vector<std::string>& followers) {
    m_fresh.clear();
    std::vector<std::string> targets = catalogueFileNames();
    targets.insert(targets.end(), followers.begin(), followers.end());
    if (settings != nullptr) {
        writeSettings(*settings);
        targets.push_back(settings->path);
    }
    // From here on the files belong to the commit: it puts them all in place or moves the old ones back,
    // and a crash leaves them to the recovery at the next load.
    m_temporaries.clear();
    commitCatalogueFiles(m_fs, targets);
    return targets;
}

void Importer::removeTemporaries() {
    m_fresh.clear();
    for (const std::string& path : m_temporaries) (void)m_fs.remove(path);
    m_temporaries.clear();
}

}  // namespace

ImportResult runImport(FileSystem& fs, UserInterface& ui, Catalogue& catalogue, const ImportSources& sources,
                       const ImportSettingsFile* settings, ImportFollower* follower) {
    ImportResult result;
    for (const std::string* source : {&sources.wg, &sources.art, &sources.wo, &sources.wh}) {
        if (!fs.exists(*source)) {
            ui.inform("Die Datei " + *source + " ist nicht vorhanden");
            result.articleCount = catalogue.articleCount();
            return result;
        }
    }
    Importer importer(fs, ui, sources, follower);
    std::optional<BackupRemoval> removal;
    bool committed = false;
    try {
        if (importer.productGroups()) ++result.filesDone;
        if (result.filesDone == 1 && importer.upperGroups()) ++result.filesDone;
        if (result.filesDone == 2 && importer.mainGroups()) ++result.filesDone;
        if (result.filesDone == 3 && importer.articles()) ++result.filesDone;
        if (result.filesDone == 4) {
            std::vector<std::string> followers;
            if (follower != nullptr) {
                followers = follower->prepare();
                importer.adopt(followers);
            }
            catalogue.close();
            // The new files are durable; the old ones go while the catalogue is loaded and the user
            // reads the message.
            removal.emplace(fs, importer.commit(settings, followers));
            committed = true;
            if (follower != nullptr) follower->committed();
            if (!catalogue.load(fs)) result.filesDone = 3;
        }
        if (!committed && follower != nullptr) follower->abandoned();
    } catch (const IoError&) {
        importer.removeTemporaries();
        if (!committed && follower != nullptr) follower->abandoned();
        if (!catalogue.isLoaded()) (void)catalogue.load(fs);
        throw;
    }
    result.ok = result.filesDone == 4;
    result.catalogueDate = importer.date();
    result.articleCount = catalogue.articleCount();
    if (result.ok) {
        ui.inform("Datenimport erfolgreich beendet.");
    } else {
        ui.inform("Fehler beim Datenimport " + std::to_string(result.filesDone) + " von 4 Dateien erzeugt.");
    }
    return result;
}

}  // namespace kvx
