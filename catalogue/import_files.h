// File helpers of the catalogue import: a line reader for the script files (lines end in CR LF, LF or CR
// and are cut to 255 characters) and a buffered writer of fixed-size records into a new file that is
// synced before it is closed. Both go through FileSystem. The writer can hand its writes to a thread of
// its own, so that a large file goes out to the disk while the caller is still producing it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "base/le_bytes.h"

namespace kvx {

class LineReader final {
  public:
    LineReader(FileSystem& fs, std::string path);
    bool isOpen() const { return m_file != nullptr; }
    // Why the file could not be opened (read from the failed open itself).
    const std::string& openError() const { return m_openError; }
    // The next line without its line end, cut to `maxLength`; false at the end of the file.
    // Throws IoError on a read error.
    [[nodiscard]] bool next(std::string& line, std::size_t maxLength);

  private:
    bool fill();  // false at the end of the file

    std::unique_ptr<File> m_file;
    std::string m_path;
    std::string m_openError;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_len = 0;
    std::uint64_t m_offset = 0;
    bool m_pendingLf = false;  // a CR ended the last line; a LF right after it belongs to it
};

// True when the files of `fs` share no state, so that one File may be used from a second thread while
// the first thread uses others. Only the real file system promises that; a test double that counts calls
// across files would, from two threads, see them in an order that depends on timing.
bool filesAreIndependent(const FileSystem& fs);

class RecordWriter final {
  public:
    static constexpr std::uint32_t kMaxRecords = 65535;
    // The file is synced after every this many bytes, so that the sync in finish() waits for the tail only.
    static constexpr std::uint64_t kSyncStep = 4u << 20;

    // With `background`, the file's writes and interim syncs run on a second thread, which alone uses
    // the File until finish(); pass it only when filesAreIndependent(fs). Without it they run in append().
    RecordWriter(FileSystem& fs, std::string path, std::size_t recordSize, bool background = false);
    ~RecordWriter();  // removes the file unless finish() succeeded
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    // Creates (empties) the file; false when it cannot be created, with the reason in error().
    [[nodiscard]] bool create();
    const std::string& error() const { return m_error; }
    const std::string& path() const { return m_path; }
    // Appends one record of the record size; false (nothing written) when the file already holds 65535.
    // Throws IoError on a write or sync error (in the background: one found since the last call).
    [[nodiscard]] bool append(const std::uint8_t* record);
    std::uint32_t count() const { return m_count; }
    // Writes what is buffered, syncs and closes. Throws IoError on failure.
    void finish();

  private:
    class Worker;

    void flush();
    // Writes one chunk at the end of the file and syncs every kSyncStep bytes. Empty on success, else
    // the message naming the file and the reason.
    std::string writeChunk(const std::vector<std::uint8_t>& chunk);

    FileSystem& m_fs;
    std::string m_path;
    std::size_t m_recordSize;
    std::unique_ptr<File> m_file;
    std::string m_error;
    std::vector<std::uint8_t> m_buffer;
    std::uint64_t m_written = 0;
    std::uint64_t m_unsynced = 0;
    std::uint32_t m_count = 0;
    bool m_finished = false;
    bool m_background = false;
    std::unique_ptr<Worker> m_worker;  // started by the first flush in the background
};

}  // namespace kvx
