// The names a library file exports, read from the file itself: the dynamic symbol table of
// an ELF shared object or the export directory of a PE DLL (32- or 64-bit). Works on any
// platform, so the Windows build can inspect DLLs without other tools.
#pragma once

#include <string>
#include <vector>

namespace validate {

// False with `error` set when the file is neither format or is malformed.
bool readExports(const std::string& path, std::vector<std::string>& names, std::string& error);

}  // namespace validate
