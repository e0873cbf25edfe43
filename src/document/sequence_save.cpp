#include "document/sequence_save.h"

#include <cstdio>

#include "formats/image_file_type.h"

namespace quillor {

std::string NewSequenceName(const SequenceSaveRequest& request, int index, bool layered) {
    char number[16];
    std::snprintf(number, sizeof number, "%04d", request.start + index);
    std::string name = request.prefix + number;
    if (layered && index == 0) name += kCompiledTargetSuffix;
    name += '.';
    name += LowerAscii(request.type);
    return name;
}

bool ImageNameWritable(std::string_view name) { return HasImageExtension(name); }

bool SequenceTypeWritable(std::string_view type) { return ImageNameWritable("x." + LowerAscii(type)); }

std::vector<int> AllFrameIndices(int count) {
    std::vector<int> indices;
    for (int i = 0; i < count; ++i) indices.push_back(i);
    return indices;
}

}  // namespace quillor
