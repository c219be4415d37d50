// A fresh temporary directory per test, made the working directory while the test runs.
#pragma once

#include <filesystem>
#include <string>

namespace kvx::test {

class TempDir final {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    // Writes a file below the directory (relative path), creating folders.
    void write(const std::string& relative, const std::string& contents) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;

  private:
    std::filesystem::path m_path;
    std::filesystem::path m_previous;
};

}  // namespace kvx::test
