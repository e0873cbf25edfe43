#pragma once

#include <vector>

namespace quillor {

class CAnimDoc;

// Before the program closes: asks about every changed document, each once and in the
// order given, before any window closes. False when the user cancelled at one of them;
// then every document that was not saved keeps its edits and stays changed, so its own
// window still asks when it closes later.
bool ConfirmExit(const std::vector<CAnimDoc*>& documents);

}  // namespace quillor
