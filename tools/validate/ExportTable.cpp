#include "ExportTable.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace validate {

namespace {

// Bounds-checked little-endian reads from the whole file.
class Bytes {
public:
    explicit Bytes(std::vector<unsigned char> data) : data_(std::move(data)) {}
    bool has(std::uint64_t at, std::uint64_t n) const { return at <= data_.size() && n <= data_.size() - at; }
    std::uint64_t u(std::uint64_t at, int n) const {
        std::uint64_t v = 0;
        if (!has(at, static_cast<std::uint64_t>(n))) return 0;
        for (int i = n - 1; i >= 0; --i) v = (v << 8) | data_[at + static_cast<std::uint64_t>(i)];
        return v;
    }
    std::string text(std::uint64_t at) const {
        std::string s;
        while (at < data_.size() && data_[at] && s.size() < 4096) s += static_cast<char>(data_[at++]);
        return s;
    }

private:
    std::vector<unsigned char> data_;
};

bool readElf(const Bytes& f, std::vector<std::string>& names, std::string& error) {
    const bool is64 = f.u(4, 1) == 2;
    const std::uint64_t shoff = is64 ? f.u(0x28, 8) : f.u(0x20, 4);
    const std::uint64_t shentsize = f.u(is64 ? 0x3A : 0x2E, 2), shnum = f.u(is64 ? 0x3C : 0x30, 2);
    for (std::uint64_t i = 0; i < shnum; ++i) {
        const std::uint64_t sh = shoff + i * shentsize;
        if (f.u(sh + 4, 4) != 11) continue;  // SHT_DYNSYM
        const std::uint64_t offset = is64 ? f.u(sh + 0x18, 8) : f.u(sh + 0x10, 4);
        const std::uint64_t size = is64 ? f.u(sh + 0x20, 8) : f.u(sh + 0x14, 4);
        const std::uint64_t link = f.u(sh + (is64 ? 0x28 : 0x18), 4);
        const std::uint64_t entsize = is64 ? f.u(sh + 0x38, 8) : f.u(sh + 0x24, 4);
        const std::uint64_t strSh = shoff + link * shentsize;
        const std::uint64_t strOffset = is64 ? f.u(strSh + 0x18, 8) : f.u(strSh + 0x10, 4);
        if (entsize == 0 || !f.has(offset, size)) break;
        for (std::uint64_t s = offset + entsize; s + entsize <= offset + size; s += entsize) {
            const std::uint64_t name = f.u(s, 4);
            const std::uint64_t info = f.u(s + (is64 ? 4 : 12), 1);
            const std::uint64_t shndx = f.u(s + (is64 ? 6 : 14), 2);
            const unsigned bind = static_cast<unsigned>(info >> 4),
                           visibility = static_cast<unsigned>(f.u(s + (is64 ? 5 : 13), 1) & 3);
            if (shndx == 0 || (bind != 1 && bind != 2) || visibility != 0)
                continue;  // defined, global or weak, default
            names.push_back(f.text(strOffset + name));
        }
        return true;
    }
    error = "no dynamic symbol table";
    return false;
}

bool readPe(const Bytes& f, std::vector<std::string>& names, std::string& error) {
    const std::uint64_t pe = f.u(0x3C, 4);
    if (f.u(pe, 4) != 0x4550) {
        error = "not a PE file";
        return false;
    }
    const std::uint64_t sections = f.u(pe + 6, 2), optSize = f.u(pe + 20, 2), opt = pe + 24;
    const bool is64 = f.u(opt, 2) == 0x20B;
    const std::uint64_t exportRva = f.u(opt + (is64 ? 112 : 96), 4);
    if (exportRva == 0) return true;  // exports nothing
    auto fileOffset = [&](std::uint64_t rva) -> std::uint64_t {
        for (std::uint64_t s = 0; s < sections; ++s) {
            const std::uint64_t sh = opt + optSize + s * 40;
            const std::uint64_t va = f.u(sh + 12, 4), rawSize = f.u(sh + 16, 4), raw = f.u(sh + 20, 4);
            const std::uint64_t vsize = f.u(sh + 8, 4);
            if (rva >= va && rva < va + (vsize > rawSize ? vsize : rawSize)) return raw + (rva - va);
        }
        return UINT64_MAX;
    };
    const std::uint64_t dir = fileOffset(exportRva);
    if (!f.has(dir, 40)) {
        error = "export directory outside the file";
        return false;
    }
    const std::uint64_t count = f.u(dir + 24, 4), namesAt = fileOffset(f.u(dir + 32, 4));
    for (std::uint64_t i = 0; i < count && i < 100000; ++i)
        names.push_back(f.text(fileOffset(f.u(namesAt + 4 * i, 4))));
    return true;
}

}  // namespace

bool readExports(const std::string& path, std::vector<std::string>& names, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    std::vector<unsigned char> data;
    unsigned char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) data.insert(data.end(), chunk, chunk + n);
    std::fclose(file);
    const Bytes f(std::move(data));
    if (f.u(0, 4) == 0x464C457F) return readElf(f, names, error);
    if (f.u(0, 2) == 0x5A4D) return readPe(f, names, error);
    error = "neither an ELF nor a PE file";
    return false;
}

}  // namespace validate
