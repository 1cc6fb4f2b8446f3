// Runs a fuzz target over every file of the folders and files named on the
// command line, so that a saved corpus is checked in every ordinary build.
// A path that does not exist, or no input at all, fails the run.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void runFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path root(argv[i]);
        if (std::filesystem::is_regular_file(root)) {
            runFile(root);
            ++count;
            continue;
        }
        if (!std::filesystem::is_directory(root)) {
            std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
            return 1;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (!entry.is_regular_file())
                continue;
            runFile(entry.path());
            ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    // A replay that ran nothing must not pass: a moved or missing corpus
    // would otherwise leave the test green while checking nothing.
    return count == 0 ? 1 : 0;
}
