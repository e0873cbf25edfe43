#pragma once

namespace quillor {

// Registers the compiled-in icons, cursors and help. The resources live in a static
// library, whose registration the linker would otherwise drop; call once, before any
// window is made.
void InitQuillorResources();

}  // namespace quillor
