// A file system for tests that fails on purpose: the n-th call (counting every open, read, write,
// truncate, sync, rename, remove and directory sync) fails with an I/O error, a disk that is full after a
// short write, or a crash that drops everything not yet synced. It wraps the real file system, so the
// files it leaves can be inspected afterwards.
#pragma once

#include <map>
#include <string>

#include "base/file_system.h"

namespace kvx {

enum class FaultKind {
    IoError,   // the call fails, nothing changes
    DiskFull,  // a write stores half its bytes, then fails; other calls fail like IoError
    Crash      // the call and every later one fail; unsynced writes are rolled back (see crashed())
};

class FaultyFileSystem final : public FileSystem {
  public:
    explicit FaultyFileSystem(FileSystem& real) : m_real(real) {}

    // Fail call number `n` (1-based); 0 = never.
    void failAt(long n, FaultKind kind) {
        m_failAt = n;
        m_kind = kind;
        m_calls = 0;
        m_crashed = false;
    }
    long calls() const { return m_calls; }
    bool crashed() const { return m_crashed; }

    std::unique_ptr<File> open(const std::string& path, OpenMode mode) override;
    bool exists(const std::string& path) override { return m_real.exists(path); }
    bool rename(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    bool makeDirectory(const std::string& path) override;
    bool syncDirectory(const std::string& path) override;
    std::string lastError() const override { return m_error.empty() ? m_real.lastError() : m_error; }

    // Counts a call; true when it must fail. Used by the wrapped files too.
    bool shouldFail();
    FaultKind kind() const { return m_kind; }
    void setError(std::string text) { m_error = std::move(text); }

    // After a crash: restores every file written since its last sync to its synced contents, as a power
    // loss would. Call it before inspecting the files.
    void dropUnsyncedWrites();
    void rememberSynced(const std::string& path, std::string contents, bool existed);
    void forgetSynced(const std::string& path);

  private:
    FileSystem& m_real;
    long m_failAt = 0;
    long m_calls = 0;
    FaultKind m_kind = FaultKind::IoError;
    bool m_crashed = false;
    std::string m_error;
    struct Snapshot {
        std::string contents;
        bool existed = false;
    };
    std::map<std::string, Snapshot> m_synced;  // contents as last made durable, per path written since
};

}  // namespace kvx
