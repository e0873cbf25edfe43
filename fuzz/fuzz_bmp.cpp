#include "core/byte_reader.h"
#include "core/byte_writer.h"
#include "core/coxdib.h"

#include <cstddef>
#include <cstdint>

using namespace quillor;

// Whatever a BMP reads as must also save, and read back at the same size and depth.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in({data, size});
    COXDIB image;
    if (!image.ReadBmp(in)) {
        if (!image.IsEmpty()) __builtin_trap();  // a failed read leaves the image empty
        return 0;
    }
    VectorWriter out;
    if (!image.WriteBmp(out)) __builtin_trap();
    ByteReader again(out.Bytes());
    COXDIB copy;
    if (!copy.ReadBmp(again)) __builtin_trap();
    if (!(copy.GetSize() == image.GetSize()) || copy.GetBitCount() != image.GetBitCount()) __builtin_trap();
    return 0;
}
