// libFuzzer harness for the catalogue's line parsers, record readers and import (see CMakeLists.txt).
#include <cstddef>
#include <cstdint>

#include "catalogue_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kvx::test::fuzzCatalogueInput(data, size);
    return 0;
}
