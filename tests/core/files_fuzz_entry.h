// One entry point for fuzzing the readers of the small user files: the libFuzzer harness
// (tests/fuzz/files_fuzz.cpp) and the replay of the committed seeds (tests/fuzz/files_corpus,
// files_fuzz_corpus_test.cpp) run every input through it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kvx::test {

// The input is split at "#|#" into settings.dat, suchpar.dat, suchidx.dat, meinart/kstst.dat, dirbest.dat and
// inetadr.dat (missing parts: missing files). A program directory with the small catalogue and these files is
// started as the program does, its lists and pages built, everything written back at quit and started again;
// what the second start reads must be what the first one wrote.
// Aborts when an invariant fails; memory errors are left to the sanitizers.
void fuzzUserFilesInput(const std::uint8_t* data, std::size_t size);

}  // namespace kvx::test
