#include "LibraryFolder.h"

#include <cstring>

#if defined(_WIN32)
#include <windows.h>

#include "ModuleState.h"
#else
#include <dlfcn.h>
#endif

namespace rig {

namespace {

constexpr std::size_t kPathSize = 1024;

bool isSeparator(char c) {
#if defined(_WIN32)
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

// The library's full path; false when the system does not know it or it was cut.
bool libraryPath(char* path, std::size_t size) {
#if defined(_WIN32)
    const DWORD length =
        GetModuleFileNameA(static_cast<HMODULE>(moduleInstanceHandle()), path, static_cast<DWORD>(size));
    return length > 0 && length < size;
#else
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&libraryFolder), &info) || !info.dli_fname) return false;
    if (std::strlen(info.dli_fname) >= size) return false;
    std::strcpy(path, info.dli_fname);
    return true;
#endif
}

}  // namespace

std::size_t folderLength(const char* path) {
    std::size_t length = 0;
    for (std::size_t i = 0; path[i]; ++i)
        if (isSeparator(path[i])) length = i + 1;
    return length;
}

bool libraryFolder(char* folder, std::size_t size) {
    if (size == 0) return false;
    folder[0] = '\0';
    char path[kPathSize];
    if (!libraryPath(path, sizeof path)) return true;  // unknown: look in the current folder
    const std::size_t length = folderLength(path);
    if (length >= size) return false;
    std::memcpy(folder, path, length);
    folder[length] = '\0';
    return true;
}

}  // namespace rig
