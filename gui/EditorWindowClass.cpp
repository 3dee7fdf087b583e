#include "EditorWindowClass.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>

#include "ModuleState.h"
#include "Platform.h"

namespace editorwindowclass {

namespace {
int counter = 0;
char name[32] = "";
}  // namespace

const char* className() {
    if (!name[0]) {
        const auto handle = std::uintmax_t(reinterpret_cast<std::uintptr_t>(moduleInstanceHandle()));
        std::snprintf(name, sizeof name, "Plugin%08" PRIxMAX, handle);
    }
    return name;
}

bool registerClass() {
    if (counter == 0 && !platform::registerWindowClass(className())) return false;
    ++counter;
    return true;
}

void unregisterClass() {
    if (counter <= 0) return;
    if (--counter == 0) platform::unregisterWindowClass(className());
}

int useCount() { return counter; }

}  // namespace editorwindowclass
