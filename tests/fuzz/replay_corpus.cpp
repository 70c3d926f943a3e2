// The fuzzer's seed corpus as a test that every build runs: each seed goes through
// the fuzz target, whose checks abort on a broken promise of the interpreter. The
// seeds are real output of the stand-in tool, so this also shows the checks hold
// for what the program meets every day.
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

struct seed
{
    const char *name;
    std::vector<std::uint8_t> bytes;
};

const seed seeds[] = {
#include "corpus_seeds.inc"
};

} // namespace

int main()
{
    int replayed = 0;
    for (const seed &s : seeds) {
        std::printf("seed %s (%zu bytes)\n", s.name, s.bytes.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(s.bytes.data(), s.bytes.size());
        ++replayed;
    }
    // A corpus that did not make it into the build must not pass as checked.
    if (replayed == 0) {
        std::printf("FAIL: no seeds were built into the test\n");
        return 1;
    }
    std::printf("PASS: %d seeds\n", replayed);
    return 0;
}
