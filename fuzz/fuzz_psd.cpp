#include "formats/codec/psd_codec.h"
#include "fuzz_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quillor::fuzz::RunReader(data, size, quillor::ReadPsdInfo, quillor::ReadPsd);
}
