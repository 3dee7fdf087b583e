#include "ToneMessage.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdio>
#endif

namespace rig {

namespace {
ToneMessageSink currentSink = showPlatformMessage;
}

void showToneMessage(const char* text) { currentSink(text); }

void showPlatformMessage(const char* text) {
#if defined(_WIN32)
    MessageBoxA(nullptr, text, "Halvane", MB_OK);
#else
    std::fprintf(stderr, "Halvane: %s\n", text);
#endif
}

void setToneMessageSink(ToneMessageSink sink) { currentSink = sink ? sink : showPlatformMessage; }

}  // namespace rig
