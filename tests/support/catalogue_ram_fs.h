// A file system held in memory, for the fuzz harness and for fault-injection runs that would otherwise
// spend their time in fsync. Paths are plain keys; directories always exist.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "base/file_system.h"

namespace kvx::test {

class RamFileSystem final : public FileSystem {
  public:
    std::unique_ptr<File> open(const std::string& path, OpenMode mode) override;
    bool exists(const std::string& path) override { return m_files.count(path) != 0; }
    bool rename(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    bool makeDirectory(const std::string&) override { return true; }
    bool syncDirectory(const std::string&) override { return true; }
    std::string lastError() const override { return m_error; }

    void put(const std::string& path, std::string contents) {
        m_files[path] = std::make_shared<std::string>(std::move(contents));
    }
    // "" when missing.
    std::string get(const std::string& path) const;

  private:
    std::map<std::string, std::shared_ptr<std::string>> m_files;
    std::string m_error;
};

}  // namespace kvx::test
