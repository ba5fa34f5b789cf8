// A fuzz target as a plain program: runs LLVMFuzzerTestOneInput once over every file in the
// directories (or the files) given, so that the corpus is replayed by every normal build, with
// or without clang's fuzzer. A finding aborts, which fails the test that runs this.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

bool replayFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // An empty input still gets a valid pointer to nothing, as libFuzzer passes it.
    const uint8_t none = 0;
    LLVMFuzzerTestOneInput(bytes.empty() ? &none : reinterpret_cast<const uint8_t *>(bytes.data()),
                           bytes.size());
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    int replayed = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given(argv[i]);
        if (std::filesystem::is_directory(given)) {
            for (const auto &entry : std::filesystem::directory_iterator(given)) {
                if (entry.is_regular_file()) {
                    ok = replayFile(entry.path()) && ok;
                    ++replayed;
                }
            }
        } else {
            ok = replayFile(given) && ok;
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // No input at all means the corpus went missing: that is a failure, not a pass.
    return ok && replayed > 0 ? 0 : 1;
}
