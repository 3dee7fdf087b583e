#include "ProgramName.h"

#include <cstdio>
#include <cstring>

void storeProgramName(char* field, std::size_t fieldSize, const char* text) {
    if (fieldSize == 0) return;
    std::size_t n = 0;
    while (n + 1 < fieldSize && text[n]) {
        field[n] = text[n];
        ++n;
    }
    field[n] = 0;
}

void reportProgramName(const char* storedName, std::int32_t programIndex, char* text) {
    if (std::strcmp(storedName, "Init") == 0)
        std::snprintf(text, kHostProgramNameSize, "%s %d", storedName, static_cast<int>(programIndex + 1));
    else
        storeProgramName(text, kHostProgramNameSize, storedName);
}
