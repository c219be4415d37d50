// One entry point for fuzzing the catalogue: the libFuzzer harness (tests/fuzz) and the replay of the
// committed seed corpus (catalogue_fuzz_corpus_test.cpp) run every input through it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kvx::test {

// The first byte chooses what the rest is:
//   0 (and anything not listed): one script-file line, fed to every line parser and, as raw bytes, to
//     every record decoder;
//   1: the four catalogue files whg.dat, wog.dat, wgg.dat, art.dat, separated by "#|#", loaded and
//     shown as tree, list rows and article pages;
//   2: the four script files wh.js, wo.js, wg.js, art.js, separated by "#|#", imported.
// Aborts when an invariant fails; memory errors are left to the sanitizers.
void fuzzCatalogueInput(const std::uint8_t* data, std::size_t size);

}  // namespace kvx::test
