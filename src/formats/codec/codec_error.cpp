#include "formats/codec/codec_error.h"

namespace quillor {

namespace {
thread_local std::string t_lastError;
}

void SetCodecError(std::string_view reason) { t_lastError.assign(reason); }
const std::string& LastCodecError() { return t_lastError; }
void ClearCodecError() { t_lastError.clear(); }

}  // namespace quillor
