#include "ModuleState.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

bool moduleOutOfMemory = false;
AudioEffect* lastCreatedEffect = nullptr;

namespace {
void* instanceHandle = nullptr;
}

void setModuleInstanceHandle(void* handle) { instanceHandle = handle; }

void* moduleInstanceHandle() {
#if !defined(_WIN32)
    if (!instanceHandle) {
        Dl_info info{};
        if (dladdr(reinterpret_cast<void*>(&setModuleInstanceHandle), &info)) instanceHandle = info.dli_fbase;
    }
#endif
    return instanceHandle;
}

#if defined(_WIN32)
// The load-time entry only records the handle; editors load bitmaps through it.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) setModuleInstanceHandle(instance);
    return TRUE;
}
#endif
