// All-or-nothing changes of the stock files. Every change that writes records of artikel.dat or a booking
// file is first written whole to a journal in the user data directory: the after-images (file, byte offset,
// bytes) and each file's size afterwards, with a checksum. The journal is synced (and its directory) before
// any data file is touched; then the images are written, the data files synced, the journal removed and its
// directory synced. A crash at any point leaves either a complete journal, which start-up replays (writing
// the same images again changes nothing that is already written), or an incomplete one, which is dropped
// together with a change that never touched a data file.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/le_bytes.h"

namespace kvx {

inline constexpr const char* kJournalFileName = "journal.dat";

struct RecordWrite {
    std::uint64_t offset = 0;
    Bytes bytes;
};

struct FileChange {
    std::string path;
    std::uint64_t finalSize = 0;  // the file is cut or extended to this size after the writes
    std::vector<RecordWrite> writes;
};

class ChangeSet final {
  public:
    // The change of `path`, added with the given final size when it is not there yet.
    FileChange& file(const std::string& path, std::uint64_t finalSize);
    // Adds bytes at `offset` of `path`; a write that continues the previous one of the file is merged into it.
    void write(const std::string& path, std::uint64_t finalSize, std::uint64_t offset, const std::uint8_t* data,
               std::size_t size);
    // The same, taking the bytes over (never merged).
    void write(const std::string& path, std::uint64_t finalSize, std::uint64_t offset, Bytes&& bytes);
    const std::vector<FileChange>& files() const { return m_files; }
    bool empty() const { return m_files.empty(); }
    std::uint64_t payloadBytes() const;

    // The journal's bytes, and back. decode() is false for anything but a complete, well-formed journal.
    Bytes encode() const;
    [[nodiscard]] static bool decode(const std::uint8_t* data, std::size_t size, ChangeSet& out);
    // The journal in pieces, as written: the body (hands out the payloads without copying them) and the header
    // that goes in front of it.
    void forEachBodyPiece(const std::function<void(const std::uint8_t*, std::size_t)>& piece) const;
    static Bytes header(std::uint64_t bodySize, std::uint32_t bodyCrc);

  private:
    std::vector<FileChange> m_files;
};

// An open file of the caller for `path`, or nullptr: the journal then opens (creating) and closes it itself.
using OpenFileLookup = std::function<File*(const std::string& path)>;

struct CommitResult {
    bool applied = false;  // the change is in the data files and durable
    bool settled = true;   // false: a journal may be left; no further change may be written in this run
    std::string error;     // file name and the system's reason, when !applied or !settled
};

// Writes the journal at `journalPath`, applies `change` and removes the journal. Failure contract:
// - the journal could not be made durable: nothing of the data files was touched, the journal is removed
//   again (applied = false; settled = false only when that removal failed);
// - a data file failed: the journal stays for the next start (applied = false, settled = false);
// - the journal could not be removed afterwards: applied = true, settled = false.
[[nodiscard]] CommitResult commitChange(FileSystem& fs, const std::string& journalPath, const ChangeSet& change,
                                        const OpenFileLookup& openFile = {});

enum class RecoveryOutcome {
    NoJournal,
    Replayed,  // a complete journal was written into the data files and removed
    Dropped,   // an incomplete or damaged journal (or one naming other files) was removed unapplied
    Failed     // the journal could not be read, applied or removed; `error` says why; it is left in place
};
struct RecoveryResult {
    RecoveryOutcome outcome = RecoveryOutcome::NoJournal;
    std::string error;
};

// Start-up, before the stock files are opened: replays a complete journal, drops an incomplete one. Only
// files in `allowed` may be written; a journal naming any other file is dropped.
// `openFile` as for commitChange (a running session replaying a journal it had written ahead).
[[nodiscard]] RecoveryResult recoverJournal(FileSystem& fs, const std::string& journalPath,
                                            const std::set<std::string>& allowed, const OpenFileLookup& openFile = {});

// Writes `change` as a complete journal at `path` and syncs it (not its directory: the caller makes the
// name durable). False with `error` (file name and reason) when that failed.
[[nodiscard]] bool writeJournalFile(FileSystem& fs, const std::string& path, const ChangeSet& change,
                                    std::string& error);

// CRC-32C (Castagnoli) of a byte range, by the processor's instruction where there is one; crc32Update
// continues a checksum over the next range (start with 0).
std::uint32_t crc32(const std::uint8_t* data, std::size_t size);
std::uint32_t crc32Update(std::uint32_t crc, const std::uint8_t* data, std::size_t size);
// The same without the processor's instruction.
std::uint32_t crc32Portable(const std::uint8_t* data, std::size_t size);

}  // namespace kvx
