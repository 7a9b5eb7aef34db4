// SPDX-License-Identifier: GPL-3.0-or-later
// A main() for a fuzz target outside libFuzzer: feeds it once every file of
// the folder named on the command line, so that an input that once made it
// fail is tried again by every ordinary test run. The target aborts on a
// failure; an empty or unreadable folder fails too.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::error_code error;
    std::set<std::filesystem::path> inputs;  // in order, so that a failure is found again
    for (const auto& entry : std::filesystem::directory_iterator(argc > 1 ? argv[1] : "", error))
        inputs.insert(entry.path());
    for (const std::filesystem::path& input : inputs) {
        std::fprintf(stderr, "%s\n", input.c_str());  // the input a failure stops at
        std::ifstream file(input, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
