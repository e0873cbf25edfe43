#include "document/file_exists_model.h"

#include "core/text_format.h"

namespace quillor {

std::string FileExistsModel::Question() const { return FormatText(kQuestion, {name_}); }

}  // namespace quillor
