// render info's editor line: the size a host reads through effEditGetRect before it opens
// the editor window.
#include <cstdio>

#include "RenderCommon.h"

namespace render {

void printEditorSize(testhost::TestHost& host) {
    if (!(host.effect()->flags & effFlagsHasEditor)) return;
    ERect* rect = nullptr;
    host.dispatch(effEditGetRect, 0, 0, &rect);
    if (!rect) {
        std::printf("editor:     yes (no size given before opening)\n");
        return;
    }
    std::printf("editor:     %d x %d pixels\n", rect->right - rect->left, rect->bottom - rect->top);
}

}  // namespace render
