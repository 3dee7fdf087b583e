// Writes the rig decoder's default test tone. Usage: orva_testtone <output.wav>
// The committed copy is resources/rigdecoder/testtone.wav; a test checks it matches.
#include <cstdio>

#include "TestToneGenerator.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.wav>\n", argv[0]);
        return 2;
    }
    const auto bytes = testtone::makeTestToneWav();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return (std::fclose(file) == 0 && written) ? 0 : 1;
}
