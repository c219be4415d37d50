// The in-memory file system of the catalogue tests.
#include "tests/support/catalogue_ram_fs.h"

#include <algorithm>
#include <cstring>

namespace kvx::test {

namespace {

class RamFile final : public File {
  public:
    explicit RamFile(std::shared_ptr<std::string> data) : m_data(std::move(data)) {}
    long long readAt(std::uint64_t offset, void* buffer, std::size_t n) override {
        if (offset >= m_data->size()) return 0;
        const std::size_t got = std::min<std::size_t>(n, m_data->size() - static_cast<std::size_t>(offset));
        std::memcpy(buffer, m_data->data() + offset, got);
        return static_cast<long long>(got);
    }
    bool writeAt(std::uint64_t offset, const void* buffer, std::size_t n) override {
        if (m_data->size() < offset + n) m_data->resize(static_cast<std::size_t>(offset + n));
        std::memcpy(m_data->data() + offset, buffer, n);
        return true;
    }
    bool truncate(std::uint64_t size) override {
        m_data->resize(static_cast<std::size_t>(size));
        return true;
    }
    bool sync() override { return true; }
    long long size() override { return static_cast<long long>(m_data->size()); }
    long long modificationTime() override { return 1; }
    bool close() override { return true; }
    std::string lastError() const override { return ""; }

  private:
    std::shared_ptr<std::string> m_data;
};

}  // namespace

std::unique_ptr<File> RamFileSystem::open(const std::string& path, OpenMode mode) {
    auto it = m_files.find(path);
    if (it == m_files.end()) {
        if (mode == OpenMode::ReadOnly || mode == OpenMode::ReadWrite) {
            m_error = "File not found";
            return nullptr;
        }
        it = m_files.emplace(path, std::make_shared<std::string>()).first;
    } else if (mode == OpenMode::CreateTruncate) {
        it->second->clear();
    }
    m_error.clear();
    return std::make_unique<RamFile>(it->second);
}

bool RamFileSystem::rename(const std::string& from, const std::string& to) {
    auto it = m_files.find(from);
    if (it == m_files.end()) {
        m_error = "File not found";
        return false;
    }
    auto data = it->second;
    m_files.erase(it);
    m_files[to] = std::move(data);
    return true;
}

bool RamFileSystem::remove(const std::string& path) {
    if (m_files.erase(path) == 0) {
        m_error = "File not found";
        return false;
    }
    return true;
}

std::string RamFileSystem::get(const std::string& path) const {
    auto it = m_files.find(path);
    return it == m_files.end() ? std::string() : *it->second;
}

}  // namespace kvx::test
