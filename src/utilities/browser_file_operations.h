#pragma once

#include <string>

namespace quillor {

// File operations that never replace an existing file: rename() and a plain copy would
// silently overwrite whatever already has the new name.

// Renames `from` to `to`; false, with nothing changed, when `to` exists or the rename
// fails. Uses renameat2's no-replace flag, or a hard link and an unlink where the file
// system lacks it.
bool RenameWithoutReplacing(const std::string& from, const std::string& to);

// Copies the file `from` to a new file `to` (created exclusively, with the source's
// permission bits); false, with no file left at `to`, when `to` exists or anything fails.
bool CopyWithoutReplacing(const std::string& from, const std::string& to);

// Removes a file; true when it is gone afterwards (also when there was none).
bool RemoveFileIfPresent(const std::string& path);

}  // namespace quillor
