#pragma once

#include <QIcon>

#include "app/command_table.h"

namespace quillor {

// Picks the desktop's icon theme, falling back to Breeze (installed with the program)
// when the desktop names none; call once at start.
void SetUpIconTheme();

// A command's icon: the theme's by its standard name where one fits, else our own.
QIcon ActionIcon(const CommandInfo& command);

}  // namespace quillor
