// All file I/O of the core passes through this small interface. Production uses PosixFileSystem;
// tests use FaultyFileSystem (fault_file_system.h), which fails the n-th call.
// Paths are relative to the working directory (the program directory) or absolute, '/' separated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kvx {

enum class OpenMode {
    ReadOnly,       // the file must exist
    ReadWrite,      // the file must exist
    CreateOrOpen,   // opened read-write, created empty when missing
    CreateTruncate  // opened read-write, emptied (created when missing)
};

// Read-only bytes of a file mapped into memory; they stay valid until the mapping is destroyed, also after
// the file is closed or replaced by a rename.
class FileMapping {
  public:
    virtual ~FileMapping() = default;
    virtual const std::uint8_t* data() const = 0;
    virtual std::size_t size() const = 0;
};

class File {
  public:
    virtual ~File() = default;
    // Reads up to n bytes at `offset`; returns the number read (less at the end of the file), -1 on error.
    [[nodiscard]] virtual long long readAt(std::uint64_t offset, void* buffer, std::size_t n) = 0;
    // Writes all n bytes at `offset`; false on an error or a short write.
    [[nodiscard]] virtual bool writeAt(std::uint64_t offset, const void* buffer, std::size_t n) = 0;
    [[nodiscard]] virtual bool truncate(std::uint64_t size) = 0;
    [[nodiscard]] virtual bool sync() = 0;
    // Current size in bytes, -1 on error.
    [[nodiscard]] virtual long long size() = 0;
    // Modification time in seconds since the epoch, 0 when unknown.
    [[nodiscard]] virtual long long modificationTime() = 0;
    [[nodiscard]] virtual bool close() = 0;
    // Text of this file's last failure.
    virtual std::string lastError() const = 0;
    // Maps the first `length` bytes (fewer when the file is shorter) for reading. nullptr when this file
    // cannot be mapped; the caller then reads the bytes with readAt (file_view.h does both).
    [[nodiscard]] virtual std::unique_ptr<FileMapping> map(std::uint64_t length);
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // nullptr on failure; lastError() then tells why.
    [[nodiscard]] virtual std::unique_ptr<File> open(const std::string& path, OpenMode mode) = 0;
    [[nodiscard]] virtual bool exists(const std::string& path) = 0;
    [[nodiscard]] virtual bool rename(const std::string& from, const std::string& to) = 0;
    [[nodiscard]] virtual bool remove(const std::string& path) = 0;
    [[nodiscard]] virtual bool makeDirectory(const std::string& path) = 0;
    // Makes a rename inside the directory durable.
    [[nodiscard]] virtual bool syncDirectory(const std::string& path) = 0;
    // Text of the last failure ("Disk full", "File not found", ...).
    virtual std::string lastError() const = 0;
};

// The real calls.
class PosixFileSystem final : public FileSystem {
  public:
    [[nodiscard]] std::unique_ptr<File> open(const std::string& path, OpenMode mode) override;
    [[nodiscard]] bool exists(const std::string& path) override;
    [[nodiscard]] bool rename(const std::string& from, const std::string& to) override;
    [[nodiscard]] bool remove(const std::string& path) override;
    [[nodiscard]] bool makeDirectory(const std::string& path) override;
    [[nodiscard]] bool syncDirectory(const std::string& path) override;
    std::string lastError() const override { return m_lastError; }

  private:
    void fail(int err);
    std::string m_lastError;
};

// Reason given when a path names a FIFO, a device or a socket: open() refuses anything but regular files.
inline constexpr const char* kNotRegularFile = "Not a regular file";

// Run-time library text of an errno value ("File not found", "Disk full", "I/O error 5").
std::string ioErrorText(int err);

// Reads a whole file; false when it cannot be opened or read.
[[nodiscard]] bool readWholeFile(FileSystem& fs, const std::string& path, std::string& contents);

// Reads a whole file that may be missing: false when it does not exist. A file that exists but cannot be
// read throws IoError, so that it is not taken for a missing one and replaced by the next save.
[[nodiscard]] bool readFileIfPresent(FileSystem& fs, const std::string& path, std::string& contents);

// Replaces `path` with `contents` so that a crash leaves the old or the new file, never a mix:
// write a temporary file in the same directory, fsync, rename over the target, fsync the directory.
// On any failure the old file stays and the temporary file is removed; `error` tells what failed.
[[nodiscard]] bool writeWholeFileAtomically(FileSystem& fs, const std::string& path, const void* data, std::size_t size,
                                            std::string& error);

// Directory part of a path ("a/b/c.dat" -> "a"; "c.dat" -> ".").
std::string directoryOf(const std::string& path);

}  // namespace kvx
