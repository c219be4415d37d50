#include "tests/support/temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>

namespace kvx::test {

TempDir::TempDir() {
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() / ("kvx-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_path);
    m_previous = std::filesystem::current_path();
    std::filesystem::current_path(m_path);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::current_path(m_previous, ec);
    std::filesystem::remove_all(m_path, ec);
}

void TempDir::write(const std::string& relative, const std::string& contents) const {
    const auto full = m_path / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out << contents;
}

std::string TempDir::read(const std::string& relative) const {
    std::ifstream in(m_path / relative, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool TempDir::exists(const std::string& relative) const {
    return std::filesystem::exists(m_path / relative);
}

}  // namespace kvx::test
