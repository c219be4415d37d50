// A file of one fixed-size block (suchidx.dat, dirbest.dat), read whole at start and written back whole
// when it changed.
#pragma once

#include <cstddef>
#include <string>

#include "base/file_system.h"
#include "base/le_bytes.h"

namespace kvx {

struct BlockFile {
    Bytes bytes;
    bool loaded = false;  // the file existed and was read
    bool changed = false;
};

// Reads up to `size` bytes of `path` into the zeroed block; a missing file leaves zeros and `loaded`
// false. A file that exists but cannot be read throws IoError.
void loadBlockFile(FileSystem& fs, const std::string& path, std::size_t size, BlockFile& block);

// Writes a changed block whole (temporary file, sync, rename) and clears `changed`; an unchanged block is
// not written. False with `error` naming the file and the reason; the block then stays changed.
[[nodiscard]] bool saveBlockFile(FileSystem& fs, const std::string& path, BlockFile& block, std::string& error);

}  // namespace kvx
