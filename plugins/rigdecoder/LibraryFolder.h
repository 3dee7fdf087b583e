// Where the loaded plug-in library itself lives (not the host program).
#pragma once

#include <cstddef>

namespace rig {

// Writes the library's folder, including its trailing separator, into `folder` (NUL-
// terminated, at most `size` bytes). An empty text when the path is unknown or has no
// separator. Answers false when the folder did not fit.
bool libraryFolder(char* folder, std::size_t size);

// The folder part of `path`: everything up to and including its last separator ('\\' and
// '/' on Windows, '/' elsewhere); empty when there is none.
std::size_t folderLength(const char* path);

}  // namespace rig
