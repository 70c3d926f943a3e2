// The fuzzer's seed corpus as a test that every build runs: each seed goes through
// the fuzz target, whose checks abort on a broken promise of the interpreter. The
// seeds are real output of the stand-in tool, so this also shows the checks hold
// for what the program meets every day.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main()
{
    std::vector<std::filesystem::path> seeds;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(CORPUS_DIR, error))
        if (entry.is_regular_file())
            seeds.push_back(entry.path());
    std::sort(seeds.begin(), seeds.end());
    int replayed = 0;
    for (const std::filesystem::path &seed : seeds) {
        std::ifstream file(seed, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                              std::istreambuf_iterator<char>());
        std::printf("seed %s (%zu bytes)\n", seed.filename().string().c_str(), bytes.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++replayed;
    }
    // A corpus that could not be read must not pass as checked.
    if (replayed == 0) {
        std::printf("FAIL: no seeds read from %s (%s)\n", CORPUS_DIR, error.message().c_str());
        return 1;
    }
    std::printf("PASS: %d seeds\n", replayed);
    return 0;
}
