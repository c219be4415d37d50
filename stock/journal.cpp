// The journal of after-images: its file layout, the commit and the replay at start.
//
// Layout (little-endian): "KVXJ", u32 version 1, u64 body length, u32 CRC-32 of the body, then the body:
// u32 number of files; per file u16 path length, the path, u64 final size, u32 number of writes; per write
// u64 offset, u32 length, the bytes.
#include "stock/journal.h"

#include <array>
#include <cstring>
#include <map>

namespace kvx {

namespace {

constexpr std::uint8_t kMagic[4] = {'K', 'V', 'X', 'J'};
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 20;

std::array<std::array<std::uint32_t, 256>, 8> makeCrcTables() {
    std::array<std::array<std::uint32_t, 256>, 8> t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0x82F63B78u ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (std::uint32_t i = 0; i < 256; ++i)
        for (std::size_t s = 1; s < 8; ++s) t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
    return t;
}

void putU64(Bytes& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void putU32(Bytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void putU16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

std::uint64_t getU64(const std::uint8_t* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// Reads the body with every count and length checked against what is left.
class BodyReader {
  public:
    BodyReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_left(size) {}
    bool take(std::size_t n, const std::uint8_t*& p) {
        if (n > m_left) return false;
        p = m_data;
        m_data += n;
        m_left -= n;
        return true;
    }
    bool u16(std::uint16_t& v) {
        const std::uint8_t* p;
        if (!take(2, p)) return false;
        v = getU16(p, 0);
        return true;
    }
    bool u32(std::uint32_t& v) {
        const std::uint8_t* p;
        if (!take(4, p)) return false;
        v = getU32(p, 0);
        return true;
    }
    bool u64(std::uint64_t& v) {
        const std::uint8_t* p;
        if (!take(8, p)) return false;
        v = getU64(p);
        return true;
    }
    std::size_t left() const { return m_left; }

  private:
    const std::uint8_t* m_data;
    std::size_t m_left;
};

}  // namespace

namespace {

std::uint32_t crc32cTable(std::uint32_t c, const std::uint8_t* data, std::size_t size) {
    static const auto t = makeCrcTables();
    while (size >= 8) {
        const std::uint32_t lo = c ^ getU32(data, 0);
        const std::uint32_t hi = getU32(data, 4);
        c = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24] ^ t[3][hi & 0xFF] ^
            t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
        data += 8;
        size -= 8;
    }
    while (size-- > 0) c = t[0][(c ^ *data++) & 0xFF] ^ (c >> 8);
    return c;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The processor's CRC-32C instruction: a journal of 85 MB is checked in a few milliseconds.
__attribute__((target("sse4.2"))) std::uint32_t crc32cHardware(std::uint32_t c, const std::uint8_t* data,
                                                               std::size_t size) {
    std::uint64_t c64 = c;
    while (size >= 8) {
        std::uint64_t word;
        std::memcpy(&word, data, 8);  // little-endian, as the table version reads it
        c64 = __builtin_ia32_crc32di(c64, word);
        data += 8;
        size -= 8;
    }
    c = static_cast<std::uint32_t>(c64);
    while (size-- > 0) c = __builtin_ia32_crc32qi(c, *data++);
    return c;
}
#endif

}  // namespace

std::uint32_t crc32Update(std::uint32_t crc, const std::uint8_t* data, std::size_t size) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool hardware = __builtin_cpu_supports("sse4.2");
    if (hardware) return ~crc32cHardware(~crc, data, size);
#endif
    return ~crc32cTable(~crc, data, size);
}

std::uint32_t crc32Portable(const std::uint8_t* data, std::size_t size) {
    return ~crc32cTable(~0u, data, size);
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    return crc32Update(0, data, size);
}

FileChange& ChangeSet::file(const std::string& path, std::uint64_t finalSize) {
    for (FileChange& f : m_files)
        if (f.path == path) return f;
    m_files.push_back(FileChange{path, finalSize, {}});
    return m_files.back();
}

void ChangeSet::write(const std::string& path, std::uint64_t finalSize, std::uint64_t offset, const std::uint8_t* data,
                      std::size_t size) {
    FileChange& f = file(path, finalSize);
    if (!f.writes.empty()) {
        RecordWrite& last = f.writes.back();
        if (last.offset + last.bytes.size() == offset) {
            last.bytes.insert(last.bytes.end(), data, data + size);
            return;
        }
    }
    f.writes.push_back(RecordWrite{offset, Bytes(data, data + size)});
}

void ChangeSet::write(const std::string& path, std::uint64_t finalSize, std::uint64_t offset, Bytes&& bytes) {
    // Not merged: a large image is cheaper as a piece of its own than copied onto the previous one.
    file(path, finalSize).writes.push_back(RecordWrite{offset, std::move(bytes)});
}

std::uint64_t ChangeSet::payloadBytes() const {
    std::uint64_t n = 0;
    for (const FileChange& f : m_files)
        for (const RecordWrite& w : f.writes) n += w.bytes.size();
    return n;
}

void ChangeSet::forEachBodyPiece(const std::function<void(const std::uint8_t*, std::size_t)>& piece) const {
    // Small fields are gathered; payloads go out as they are, without a copy.
    Bytes small;
    auto flush = [&] {
        if (!small.empty()) piece(small.data(), small.size());
        small.clear();
    };
    putU32(small, static_cast<std::uint32_t>(m_files.size()));
    for (const FileChange& f : m_files) {
        putU16(small, static_cast<std::uint16_t>(f.path.size()));
        small.insert(small.end(), f.path.begin(), f.path.end());
        putU64(small, f.finalSize);
        putU32(small, static_cast<std::uint32_t>(f.writes.size()));
        for (const RecordWrite& w : f.writes) {
            putU64(small, w.offset);
            putU32(small, static_cast<std::uint32_t>(w.bytes.size()));
            if (w.bytes.size() < 4096) {
                small.insert(small.end(), w.bytes.begin(), w.bytes.end());
                continue;
            }
            flush();
            piece(w.bytes.data(), w.bytes.size());
        }
    }
    flush();
}

Bytes ChangeSet::header(std::uint64_t bodySize, std::uint32_t bodyCrc) {
    Bytes out(kHeaderSize, 0);
    std::memcpy(out.data(), kMagic, 4);
    kvx::putU32(out.data(), 4, kVersion);
    for (int i = 0; i < 8; ++i) out[8 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bodySize >> (8 * i));
    kvx::putU32(out.data(), 16, bodyCrc);
    return out;
}

Bytes ChangeSet::encode() const {
    Bytes body;
    forEachBodyPiece([&body](const std::uint8_t* p, std::size_t n) { body.insert(body.end(), p, p + n); });
    Bytes out = header(body.size(), crc32(body.data(), body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

bool ChangeSet::decode(const std::uint8_t* data, std::size_t size, ChangeSet& out) {
    out.m_files.clear();
    if (size < kHeaderSize || std::memcmp(data, kMagic, 4) != 0 || getU32(data, 4) != kVersion) return false;
    const std::uint64_t body = getU64(data + 8);
    if (body != size - kHeaderSize || crc32(data + kHeaderSize, size - kHeaderSize) != getU32(data, 16)) return false;
    BodyReader r(data + kHeaderSize, size - kHeaderSize);
    std::uint32_t files = 0;
    if (!r.u32(files)) return false;
    std::vector<FileChange> result;
    for (std::uint32_t i = 0; i < files; ++i) {
        FileChange f;
        std::uint16_t pathLength = 0;
        const std::uint8_t* p = nullptr;
        std::uint32_t writes = 0;
        if (!r.u16(pathLength) || pathLength == 0 || !r.take(pathLength, p)) return false;
        f.path.assign(reinterpret_cast<const char*>(p), pathLength);
        if (!r.u64(f.finalSize) || !r.u32(writes)) return false;
        for (std::uint32_t w = 0; w < writes; ++w) {
            RecordWrite rw;
            std::uint32_t length = 0;
            if (!r.u64(rw.offset) || !r.u32(length) || !r.take(length, p)) return false;
            if (rw.offset > f.finalSize || length > f.finalSize - rw.offset) return false;
            rw.bytes.assign(p, p + length);
            f.writes.push_back(std::move(rw));
        }
        result.push_back(std::move(f));
    }
    if (r.left() != 0) return false;
    out.m_files = std::move(result);
    return true;
}

namespace {

// Writes every image and the final size of each file, then syncs the files and their directories.
bool applyChange(FileSystem& fs, const ChangeSet& change, const OpenFileLookup& openFile, std::string& error) {
    std::set<std::string> directories;
    for (const FileChange& f : change.files()) {
        File* file = openFile ? openFile(f.path) : nullptr;
        std::unique_ptr<File> own;
        if (!file) {
            if (!fs.exists(f.path)) directories.insert(directoryOf(f.path));
            own = fs.open(f.path, OpenMode::CreateOrOpen);
            if (!own) {
                error = "Die Datei " + f.path + " ist nicht beschreibbar: " + fs.lastError();
                return false;
            }
            file = own.get();
        }
        bool ok = true;
        for (const RecordWrite& w : f.writes) {
            ok = file->writeAt(w.offset, w.bytes.data(), w.bytes.size());
            if (!ok) break;
        }
        ok = ok && (file->size() == static_cast<long long>(f.finalSize) || file->truncate(f.finalSize));
        ok = ok && file->sync();
        if (!ok) {
            error = "Die Datei " + f.path + " ist nicht beschreibbar: " + file->lastError();
            if (own) (void)own->close();
            return false;
        }
        if (own && !own->close()) {
            error = "Die Datei " + f.path + " ist nicht beschreibbar: " + own->lastError();
            return false;
        }
    }
    for (const std::string& dir : directories) {
        if (!fs.syncDirectory(dir)) {
            error = "Das Verzeichnis " + dir + " ist nicht beschreibbar: " + fs.lastError();
            return false;
        }
    }
    return true;
}

// The body is written after the header's place, then the header with the body's length and checksum.
bool writeJournal(File& file, const ChangeSet& change) {
    std::uint64_t at = kHeaderSize;
    std::uint32_t crc = 0;
    bool ok = true;
    change.forEachBodyPiece([&](const std::uint8_t* p, std::size_t n) {
        if (!ok) return;
        crc = crc32Update(crc, p, n);
        ok = file.writeAt(at, p, n);
        at += n;
    });
    if (!ok) return false;
    const Bytes head = ChangeSet::header(at - kHeaderSize, crc);
    return file.writeAt(0, head.data(), head.size());
}

bool removeJournal(FileSystem& fs, const std::string& journalPath, std::string& error) {
    if (!fs.remove(journalPath) || !fs.syncDirectory(directoryOf(journalPath))) {
        error = "Die Datei " + journalPath + " ist nicht löschbar: " + fs.lastError();
        return false;
    }
    return true;
}

}  // namespace

namespace {

bool syncJournalDirectory(FileSystem& fs, const std::string& journalPath, std::string& error) {
    if (fs.syncDirectory(directoryOf(journalPath))) return true;
    error = "Die Datei " + journalPath + " ist nicht beschreibbar: " + fs.lastError();
    return false;
}

}  // namespace

CommitResult commitChange(FileSystem& fs, const std::string& journalPath, const ChangeSet& change,
                          const OpenFileLookup& openFile) {
    CommitResult result;
    if (change.empty()) {
        result.applied = true;
        return result;
    }
    if (!writeJournalFile(fs, journalPath, change, result.error) ||
        !syncJournalDirectory(fs, journalPath, result.error)) {
        // Nothing was applied; a journal left behind would be replayed at the next start.
        if (fs.exists(journalPath)) {
            std::string removeError;
            result.settled = removeJournal(fs, journalPath, removeError);
        }
        return result;
    }
    if (!applyChange(fs, change, openFile, result.error)) {
        result.settled = false;
        return result;
    }
    result.applied = true;
    result.settled = removeJournal(fs, journalPath, result.error);
    return result;
}

bool writeJournalFile(FileSystem& fs, const std::string& path, const ChangeSet& change, std::string& error) {
    auto file = fs.open(path, OpenMode::CreateTruncate);
    std::string why;
    if (!file) {
        why = fs.lastError();
    } else if (!writeJournal(*file, change) || !file->sync()) {
        why = file->lastError();
        (void)file->close();
    } else if (!file->close()) {
        why = file->lastError();
    }
    if (why.empty()) return true;
    error = "Die Datei " + path + " ist nicht beschreibbar: " + why;
    return false;
}

RecoveryResult recoverJournal(FileSystem& fs, const std::string& journalPath, const std::set<std::string>& allowed,
                              const OpenFileLookup& openFile) {
    RecoveryResult result;
    if (!fs.exists(journalPath)) return result;
    std::string contents;
    if (!readWholeFile(fs, journalPath, contents)) {
        result.outcome = RecoveryOutcome::Failed;
        result.error = "Die Datei " + journalPath + " ist nicht lesbar: " + fs.lastError();
        return result;
    }
    ChangeSet change;
    bool sound = ChangeSet::decode(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size(), change);
    for (const FileChange& f : change.files()) sound = sound && allowed.count(f.path) != 0;
    if (sound && !applyChange(fs, change, openFile, result.error)) {
        result.outcome = RecoveryOutcome::Failed;
        return result;
    }
    if (!removeJournal(fs, journalPath, result.error)) {
        result.outcome = RecoveryOutcome::Failed;
        return result;
    }
    result.outcome = sound ? RecoveryOutcome::Replayed : RecoveryOutcome::Dropped;
    return result;
}

}  // namespace kvx
