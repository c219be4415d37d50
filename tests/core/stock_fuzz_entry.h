// One entry point for fuzzing the stock records: the libFuzzer harness (tests/fuzz/stock_fuzz.cpp) and the
// replay of the committed seeds (tests/fuzz/stock_corpus, stock_fuzz_corpus_test.cpp) run every input
// through it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kvx::test {

// The first byte chooses what the rest is:
//   0 (and anything not listed): raw bytes, decoded as a My Articles record and as a booking document, priced
//     and renumbered;
//   1: artikel.dat and bestell.dat separated by "#|#", opened by a stock session, read whole without any write,
//     then an article inserted (its number from the last two bytes).
// Aborts when an invariant fails; memory errors are left to the sanitizers.
void fuzzStockInput(const std::uint8_t* data, std::size_t size);

}  // namespace kvx::test
