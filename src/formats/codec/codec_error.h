#pragma once

#include <string>
#include <string_view>

namespace quillor {

// The codec layer keeps the reason for its last failure per thread. The program's
// messages never show it; the command line prints it as a detail.
void SetCodecError(std::string_view reason);
const std::string& LastCodecError();
void ClearCodecError();

// Sets the error and returns false, for one-line failure exits.
inline bool CodecFail(std::string_view reason) {
    SetCodecError(reason);
    return false;
}

}  // namespace quillor
