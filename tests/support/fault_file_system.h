// A file system for tests that fails on purpose: the n-th call (counting every open, read, write,
// truncate, sync, rename, remove and directory sync) fails with an I/O error, a disk that is full after a
// short write, or a crash. It wraps the real file system, so the files it leaves can be inspected afterwards.
//
// The crash follows the model of the crash-consistency checkers: file data are durable only once the file
// was synced, and a name change (a file created, renamed or removed) only once its directory was synced
// after it. dropUnsyncedWrites() puts every name this file system touched back to its durable state: the
// durable contents of the file the directory durably names there, or no file at all.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace kvx {

enum class FaultKind {
    IoError,   // the call fails, nothing changes
    DiskFull,  // a write stores half its bytes, then fails; other calls fail like IoError
    Crash      // the call and every later one fail; unsynced data and name changes are lost (see above)
};

class FaultyFileSystem final : public FileSystem {
  public:
    explicit FaultyFileSystem(FileSystem& real) : m_real(real) {}

    // Fail call number `n` (1-based); 0 = never. Starts a new run: whatever the files hold now counts as
    // durable (the test may have changed them directly since the last run).
    void failAt(long n, FaultKind kind);
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

    // The power loss: every touched name gets its durable state back (see above). Call it after a crash,
    // before inspecting the files; calling it without a crash checks that what was done is durable.
    void dropUnsyncedWrites();

    // Used by the wrapped files: a file's contents became durable.
    void markDurable(int inode, std::string contents);

  private:
    static constexpr int kNoFile = -1;
    // The file a name stands for now, tracking the name from here on (its present contents count as durable).
    int track(const std::string& path);
    int newInode(std::string durableContents);
    // Every durable state taken from the files as they are now.
    void checkpoint();
    static std::string key(const std::string& path);
    static std::string directoryKey(const std::string& path);

    FileSystem& m_real;
    long m_failAt = 0;
    long m_calls = 0;
    FaultKind m_kind = FaultKind::IoError;
    bool m_crashed = false;
    std::string m_error;

    struct Name {
        std::string path;  // as the caller spelt it, for the real calls
        int current = kNoFile;
        int durable = kNoFile;
    };
    std::map<std::string, Name> m_names;       // by normalised path
    std::map<int, std::string> m_durableData;  // per file: contents as last synced
    int m_nextInode = 0;
};

}  // namespace kvx
