// libFuzzer harness for the stock records and files (see CMakeLists.txt).
#include <cstddef>
#include <cstdint>

#include "stock_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kvx::test::fuzzStockInput(data, size);
    return 0;
}
