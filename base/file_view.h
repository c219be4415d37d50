// The bytes of a file held for scanning: a read-only memory mapping when the file offers one, otherwise a
// copy read through File::readAt (file systems that cannot map, such as the fault-injecting one of the
// tests). Either way the bytes stay valid for the life of the view, also after the file is closed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace kvx {

class FileView final {
  public:
    // The first `length` bytes of `file` (fewer when the file is shorter). Throws IoError naming `path` and
    // the reason when the bytes cannot be read.
    static std::shared_ptr<const FileView> of(File& file, std::uint64_t length, const std::string& path);

    const std::uint8_t* data() const { return m_mapping ? m_mapping->data() : m_copy.data(); }
    std::size_t size() const { return m_mapping ? m_mapping->size() : m_copy.size(); }
    bool isMapped() const { return m_mapping != nullptr; }

  private:
    std::unique_ptr<FileMapping> m_mapping;
    std::vector<std::uint8_t> m_copy;
};

}  // namespace kvx
