// Block files.
#include "base/block_file.h"

#include <algorithm>

namespace kvx {

void loadBlockFile(FileSystem& fs, const std::string& path, std::size_t size, BlockFile& block) {
    block.bytes.assign(size, 0);
    block.changed = false;
    block.loaded = false;
    std::string data;
    block.loaded = readFileIfPresent(fs, path, data);
    if (block.loaded) std::copy_n(data.begin(), std::min(data.size(), size), block.bytes.begin());
}

bool saveBlockFile(FileSystem& fs, const std::string& path, BlockFile& block, std::string& error) {
    if (!block.changed) return true;
    if (!writeWholeFileAtomically(fs, path, block.bytes.data(), block.bytes.size(), error)) return false;
    block.changed = false;
    return true;
}

}  // namespace kvx
