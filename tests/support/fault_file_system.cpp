// Fault injection for the data-safety tests, with a crash that keeps only what was made durable.
#include "tests/support/fault_file_system.h"

#include <algorithm>
#include <filesystem>

namespace kvx {

namespace {

class FaultyFile final : public File {
  public:
    FaultyFile(FaultyFileSystem& fs, std::unique_ptr<File> inner, int inode)
        : m_fs(fs), m_inner(std::move(inner)), m_inode(inode) {}

    long long readAt(std::uint64_t offset, void* buffer, std::size_t n) override {
        if (m_fs.shouldFail()) return fail(-1);
        return m_inner->readAt(offset, buffer, n);
    }
    bool writeAt(std::uint64_t offset, const void* buffer, std::size_t n) override {
        const bool failing = m_fs.shouldFail();
        if (failing && m_fs.kind() != FaultKind::DiskFull) return fail(false);
        if (failing) {
            (void)m_inner->writeAt(offset, buffer, n / 2);
            m_error = "Disk full";
            return false;
        }
        return m_inner->writeAt(offset, buffer, n);
    }
    bool truncate(std::uint64_t size) override {
        if (m_fs.shouldFail()) return fail(false);
        return m_inner->truncate(size);
    }
    bool sync() override {
        if (m_fs.shouldFail()) return fail(false);
        if (!m_inner->sync()) return false;
        std::string contents(static_cast<std::size_t>(std::max<long long>(m_inner->size(), 0)), '\0');
        if (!contents.empty()) (void)m_inner->readAt(0, contents.data(), contents.size());
        m_fs.markDurable(m_inode, std::move(contents));
        return true;
    }
    long long size() override { return m_inner->size(); }
    long long modificationTime() override { return m_inner->modificationTime(); }
    bool close() override {
        if (m_fs.shouldFail()) {
            (void)m_inner->close();
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

    FaultyFileSystem& m_fs;
    std::unique_ptr<File> m_inner;
    int m_inode;
    std::string m_error;
};

}  // namespace

std::string FaultyFileSystem::key(const std::string& path) {
    return std::filesystem::absolute(std::filesystem::path(path)).lexically_normal().string();
}

std::string FaultyFileSystem::directoryKey(const std::string& path) {
    std::string k = key(path);
    while (k.size() > 1 && k.back() == '/') k.pop_back();
    return k;
}

int FaultyFileSystem::newInode(std::string durableContents) {
    const int inode = m_nextInode++;
    m_durableData[inode] = std::move(durableContents);
    return inode;
}

int FaultyFileSystem::track(const std::string& path) {
    auto [it, added] = m_names.try_emplace(key(path));
    if (added) {
        it->second.path = path;
        std::string contents;
        if (m_real.exists(path) && readWholeFile(m_real, path, contents)) {
            it->second.current = it->second.durable = newInode(std::move(contents));
        }
    }
    return it->second.current;
}

void FaultyFileSystem::checkpoint() {
    for (auto& [k, name] : m_names) {
        std::string contents;
        if (!m_real.exists(name.path) || !readWholeFile(m_real, name.path, contents)) {
            name.current = kNoFile;
        } else if (name.current == kNoFile) {
            name.current = newInode(std::move(contents));
        } else {
            // The same file stays the same: handles open on it keep making it durable.
            m_durableData[name.current] = std::move(contents);
        }
        name.durable = name.current;
    }
}

void FaultyFileSystem::failAt(long n, FaultKind kind) {
    checkpoint();
    m_failAt = n;
    m_kind = kind;
    m_calls = 0;
    m_crashed = false;
}

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
    int inode = track(path);
    auto inner = m_real.open(path, mode);
    if (!inner) return nullptr;
    if (inode == kNoFile) {
        // A new file: empty when it reaches the disk, and named there only after a directory sync.
        inode = newInode(std::string());
        m_names[key(path)].current = inode;
    }
    return std::make_unique<FaultyFile>(*this, std::move(inner), inode);
}

bool FaultyFileSystem::rename(const std::string& from, const std::string& to) {
    if (shouldFail()) return false;
    const int moved = track(from);
    track(to);
    if (!m_real.rename(from, to)) return false;
    m_names[key(to)].current = moved;
    m_names[key(from)].current = kNoFile;
    return true;
}

bool FaultyFileSystem::remove(const std::string& path) {
    if (shouldFail()) return false;
    track(path);
    if (!m_real.remove(path)) return false;
    m_names[key(path)].current = kNoFile;
    return true;
}

bool FaultyFileSystem::makeDirectory(const std::string& path) {
    if (shouldFail()) return false;
    return m_real.makeDirectory(path);
}

bool FaultyFileSystem::syncDirectory(const std::string& path) {
    if (shouldFail()) return false;
    if (!m_real.syncDirectory(path)) return false;
    const std::string dir = directoryKey(path);
    for (auto& [k, name] : m_names) {
        if (std::filesystem::path(k).parent_path().string() == dir) name.durable = name.current;
    }
    return true;
}

void FaultyFileSystem::markDurable(int inode, std::string contents) {
    m_durableData[inode] = std::move(contents);
}

void FaultyFileSystem::dropUnsyncedWrites() {
    for (auto& [k, name] : m_names) {
        if (name.durable == kNoFile) {
            if (m_real.exists(name.path)) (void)m_real.remove(name.path);
        } else {
            const std::string& contents = m_durableData[name.durable];
            auto file = m_real.open(name.path, OpenMode::CreateTruncate);
            if (file) {
                (void)file->writeAt(0, contents.data(), contents.size());
                (void)file->close();
            }
        }
    }
    // What is left is durable now; the next run starts from it.
    checkpoint();
}

}  // namespace kvx
