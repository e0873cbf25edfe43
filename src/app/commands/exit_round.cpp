#include "app/commands/exit_round.h"

#include <set>

#include "document/anim_doc.h"

namespace quillor {

bool ConfirmExit(const std::vector<CAnimDoc*>& documents) {
    std::set<CAnimDoc*> asked;
    for (CAnimDoc* document : documents) {
        if (document == nullptr || !asked.insert(document).second) continue;
        if (!document->SaveModified(false)) return false;
    }
    return true;
}

}  // namespace quillor
