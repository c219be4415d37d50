// Fault injection for the data-safety tests.
#include "tests/support/fault_file_system.h"

namespace kvx {

namespace {

class FaultyFile final : public File {
  public:
    FaultyFile(FaultyFileSystem& fs, std::unique_ptr<File> inner, std::string path)
        : m_fs(fs), m_inner(std::move(inner)), m_path(std::move(path)) {}

    long long readAt(std::uint64_t offset, void* buffer, std::size_t n) override {
        if (m_fs.shouldFail()) return fail(-1);
        return m_inner->readAt(offset, buffer, n);
    }
    bool writeAt(std::uint64_t offset, const void* buffer, std::size_t n) override {
        const bool failing = m_fs.shouldFail();
        if (failing && m_fs.kind() != FaultKind::DiskFull) return fail(false);
        snapshot();
        if (failing) {
            m_inner->writeAt(offset, buffer, n / 2);
            m_error = "Disk full";
            return false;
        }
        return m_inner->writeAt(offset, buffer, n);
    }
    bool truncate(std::uint64_t size) override {
        if (m_fs.shouldFail()) return fail(false);
        snapshot();
        return m_inner->truncate(size);
    }
    bool sync() override {
        if (m_fs.shouldFail()) return fail(false);
        if (!m_inner->sync()) return false;
        m_fs.forgetSynced(m_path);
        return true;
    }
    long long size() override { return m_inner->size(); }
    long long modificationTime() override { return m_inner->modificationTime(); }
    bool close() override {
        if (m_fs.shouldFail()) {
            m_inner->close();
            return fail(false);
        }
        return m_inner->close();
    }
    std::string lastError() const override { return m_error.empty() ? m_inner->lastError() : m_error; }

  private:
    template <typename T>
    T fail(T value) {
        m_error = m_fs.kind() == FaultKind::DiskFull ? "Disk full" : "I/O error 5";
        return value;
    }
    // Keeps the durable contents before the first change since the last sync.
    void snapshot() {
        std::string contents;
        long long size = m_inner->size();
        contents.resize(static_cast<std::size_t>(size > 0 ? size : 0));
        if (!contents.empty()) m_inner->readAt(0, contents.data(), contents.size());
        m_fs.rememberSynced(m_path, std::move(contents), true);
    }

    FaultyFileSystem& m_fs;
    std::unique_ptr<File> m_inner;
    std::string m_path;
    std::string m_error;
};

}  // namespace

bool FaultyFileSystem::shouldFail() {
    if (m_crashed) return true;
    ++m_calls;
    if (m_failAt == 0 || m_calls != m_failAt) return false;
    m_error = m_kind == FaultKind::DiskFull ? "Disk full" : "I/O error 5";
    if (m_kind == FaultKind::Crash) m_crashed = true;
    return true;
}

std::unique_ptr<File> FaultyFileSystem::open(const std::string& path, OpenMode mode) {
    if (shouldFail()) return nullptr;
    m_error.clear();
    const bool existed = m_real.exists(path);
    std::string before;
    // The real file system under a test does not fail; what it holds is kept for a simulated crash.
    if (existed && mode == OpenMode::CreateTruncate) (void)readWholeFile(m_real, path, before);
    auto inner = m_real.open(path, mode);
    if (!inner) return nullptr;
    // A file created or emptied by this open is not durable until synced.
    if (!existed || mode == OpenMode::CreateTruncate) rememberSynced(path, before, existed);
    return std::make_unique<FaultyFile>(*this, std::move(inner), path);
}

bool FaultyFileSystem::rename(const std::string& from, const std::string& to) {
    if (shouldFail()) return false;
    if (!m_real.rename(from, to)) return false;
    auto it = m_synced.find(from);
    if (it != m_synced.end()) {
        m_synced[to] = it->second;
        m_synced.erase(from);
    } else {
        m_synced.erase(to);
    }
    return true;
}

bool FaultyFileSystem::remove(const std::string& path) {
    if (shouldFail()) return false;
    m_synced.erase(path);
    return m_real.remove(path);
}

bool FaultyFileSystem::makeDirectory(const std::string& path) {
    if (shouldFail()) return false;
    return m_real.makeDirectory(path);
}

bool FaultyFileSystem::syncDirectory(const std::string& path) {
    if (shouldFail()) return false;
    return m_real.syncDirectory(path);
}

void FaultyFileSystem::rememberSynced(const std::string& path, std::string contents, bool existed) {
    // Only the first change after a sync records what was durable.
    m_synced.emplace(path, Snapshot{std::move(contents), existed});
}

void FaultyFileSystem::forgetSynced(const std::string& path) {
    m_synced.erase(path);
}

void FaultyFileSystem::dropUnsyncedWrites() {
    for (const auto& [path, snap] : m_synced) {
        if (!snap.existed) {
            m_real.remove(path);
            continue;
        }
        auto file = m_real.open(path, OpenMode::CreateTruncate);
        if (file) {
            file->writeAt(0, snap.contents.data(), snap.contents.size());
            file->close();
        }
    }
    m_synced.clear();
}

}  // namespace kvx
