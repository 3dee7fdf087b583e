// golden_compare REFERENCE_DIR PLATFORM=DIR...
// Compares the golden renders of other platforms with the reference platform's sample by
// sample and prints, per deliverable and platform, how many samples differ and the largest
// difference. Fails when a render is missing or has another length, or when a sample
// differs by more than the tolerance.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "GoldenTable.h"

namespace {

constexpr double kToleranceAbs = 1e-7;

bool readFloats(const std::string& path, std::vector<float>& out) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return false;
    const std::streamsize bytes = file.tellg();
    if (bytes < 0 || bytes % std::streamsize(sizeof(float)) != 0) return false;
    out.resize(std::size_t(bytes) / sizeof(float));
    file.seekg(0);
    return bool(file.read(reinterpret_cast<char*>(out.data()), bytes));
}

struct Difference {
    std::size_t samples = 0;
    std::size_t differing = 0;
    double largest = 0.0;
    std::string problem;
};

void compareFile(const std::string& reference, const std::string& other, Difference& d) {
    std::vector<float> a, b;
    if (!readFloats(reference, a)) {
        d.problem = "no reference render " + reference;
        return;
    }
    if (!readFloats(other, b)) {
        d.problem = "no render " + other;
        return;
    }
    if (a.size() != b.size()) {
        d.problem = "length differs in " + other;
        return;
    }
    d.samples += a.size();
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::memcmp(&a[i], &b[i], sizeof(float)) == 0) continue;
        ++d.differing;
        const double diff = std::fabs(double(a[i]) - double(b[i]));
        d.largest = std::isnan(diff) ? INFINITY : std::max(d.largest, diff);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: golden_compare REFERENCE_DIR PLATFORM=DIR...\n");
        return 2;
    }
    const std::string referenceDir = argv[1];
    bool ok = true;
    for (const std::string& deliverable : golden::deliverables()) {
        for (int p = 2; p < argc; ++p) {
            const std::string arg = argv[p];
            const std::size_t eq = arg.find('=');
            const std::string platform = arg.substr(0, eq);
            const std::string dir = eq == std::string::npos ? arg : arg.substr(eq + 1);
            Difference d;
            for (const golden::GoldenCase& c : golden::cases())
                for (std::int32_t block : golden::kBlockSizes) {
                    const std::string name = golden::fileName(deliverable, c, block);
                    if (d.problem.empty()) compareFile(referenceDir + "/" + name, dir + "/" + name, d);
                }
            if (!d.problem.empty()) {
                std::printf("golden %s %s: FAIL, %s\n", deliverable.c_str(), platform.c_str(), d.problem.c_str());
                ok = false;
                continue;
            }
            const bool within = d.largest <= kToleranceAbs;
            ok = ok && within;
            std::printf("golden %s %s: %zu of %zu samples differ, largest difference %.3g%s\n", deliverable.c_str(),
                        platform.c_str(), d.differing, d.samples, d.largest, within ? "" : " (FAIL: above 1e-7)");
        }
    }
    return ok ? 0 : 1;
}
