// The entry point of the window module, found by name when the program opens its window.

#include "app/ui/gui_main.h"

extern "C" __attribute__((visibility("default"))) int QuillorRunGui(int argc, char** argv) {
    return quillor::RunGui(argc, argv);
}
