// A file of fixed-size records without header, kept open with an open flag and a 16-bit record count.
// Record n is at byte n * recordSize. A torn last record (size not a multiple of the record size) is
// never read and is overwritten by the next append, so the file never grows a torn record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/file_system.h"
#include "base/file_view.h"
#include "base/le_bytes.h"

namespace kvx {

class RecordFile final {
  public:
    static constexpr std::uint32_t kMaxRecords = 65535;

    RecordFile(FileSystem& fs, std::string path, std::size_t recordSize);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens an existing file; false (no message) when it does not exist or cannot be opened.
    [[nodiscard]] bool open();
    // Opens, creating the file empty when it is missing.
    [[nodiscard]] bool openOrCreate();
    // Empties (or creates) the file and opens it.
    [[nodiscard]] bool create();
    // Closes without reporting (destruction, error paths).
    void close();
    // Closes and throws IoError when the system reports a failure (data may not have reached the disk).
    void closeOrThrow();

    bool isOpen() const { return m_file != nullptr; }
    // Whole records at open time plus those appended since; at most 65535 (more are not addressable).
    std::uint16_t count() const { return static_cast<std::uint16_t>(m_count); }
    // True when the file held more than 65535 whole records at open time (the rest is not addressable).
    bool overflowed() const { return m_overflowed; }
    std::size_t recordSize() const { return m_recordSize; }
    const std::string& path() const { return m_path; }
    long long modificationTime() const { return m_mtime; }

    // Reads record n (n < count) into `record` (resized to the record size). Throws IoError on a read error;
    // n >= count is the caller's error and also throws.
    void read(std::uint32_t n, Bytes& record);
    Bytes read(std::uint32_t n);
    // The bytes of all `count` records for a scan (mapped, or read when the file cannot be mapped); fewer
    // when the file shrank since it was opened. Throws IoError when the file is not open or cannot be read.
    std::shared_ptr<const FileView> viewRecords();

    // Writes record n, n <= count; n == count appends. Returns false with `error` set when the count would
    // pass 65535 (nothing is written). Throws IoError on a write error.
    [[nodiscard]] bool write(std::uint32_t n, const Bytes& record, std::string& error);
    // As write(), but a refused append also throws IoError.
    void writeOrThrow(std::uint32_t n, const Bytes& record);

    // Drops records from n on.
    void truncateTo(std::uint32_t n);
    void sync();

    // Text of the last failure.
    std::string lastError() const { return m_fs.lastError(); }

  private:
    [[nodiscard]] bool openWith(OpenMode mode);

    FileSystem& m_fs;
    std::string m_path;
    std::size_t m_recordSize;
    std::unique_ptr<File> m_file;
    std::uint32_t m_count = 0;
    bool m_overflowed = false;
    long long m_mtime = 0;
};

}  // namespace kvx
