#include "app/ui/resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitIcons() { Q_INIT_RESOURCE(icons); }
static void InitCursors() { Q_INIT_RESOURCE(cursors); }

namespace quillor {

void InitQuillorResources() {
    static bool done = false;
    if (done) return;
    done = true;
    InitIcons();
    InitCursors();
}

}  // namespace quillor
