// Program-name rules shared by every plug-in's program records.
#pragma once

#include <cstddef>
#include <cstdint>

// Copies `text` into a fixed-size name field, cutting it so the field stays NUL-terminated.
void storeProgramName(char* field, std::size_t fieldSize, const char* text);

// Hosts size a program-name buffer by the interface's limit: 24 bytes, NUL included.
constexpr std::size_t kHostProgramNameSize = 24;

// Writes the name a host sees for program `programIndex`: a stored name equal to "Init"
// reads as "Init <one-based number>", any other name as stored. Longer stored names are cut
// so that no more than kHostProgramNameSize bytes reach the host.
void reportProgramName(const char* storedName, std::int32_t programIndex, char* text);
