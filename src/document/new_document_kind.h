#pragma once

namespace quillor {

// What an application command asks a new document to be.
enum class NewDocumentKind {
    NewImage = 0,
    NewAnimation = 1,  // also opening an AVI movie
    Compose = 2,
    FromBrush = 7,
    FromClipboard = 8,
    Duplicate = 9,
};

}  // namespace quillor
