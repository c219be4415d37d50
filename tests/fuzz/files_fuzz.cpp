// libFuzzer harness for the small user files (see CMakeLists.txt).
#include <cstddef>
#include <cstdint>

#include "files_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kvx::test::fuzzUserFilesInput(data, size);
    return 0;
}
