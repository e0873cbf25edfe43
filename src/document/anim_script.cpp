#include "document/anim_script.h"

#include <sys/stat.h>

#include <algorithm>
#include <limits>

#include "platform/file_io.h"

namespace quillor {

namespace {

// Lines of the bytes after the magic, each without its line end.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // False when the text is used up.
    bool Next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        const std::size_t end = text_.find('\n', pos_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        line = text_.substr(pos_, stop - pos_);
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        return true;
    }
    // The lines not read yet.
    std::size_t LinesLeft() const {
        if (pos_ >= text_.size()) return 0;
        const std::string_view rest = text_.substr(pos_);
        const std::size_t ends = std::size_t(std::count(rest.begin(), rest.end(), '\n'));
        return ends + (rest.back() == '\n' ? 0 : 1);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The leading decimal number of a line as the C library reads one (blanks, a sign,
// digits; 0 when there are none), held within `long long` however many digits follow.
long long LeadingNumber(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    constexpr long long kCap = std::numeric_limits<int>::max();
    long long value = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i)
        value = std::min(kCap, value * 10 + (line[i] - '0'));
    return negative ? -value : value;
}

int LayerNumber(LineReader& lines) {
    std::string_view line;
    if (!lines.Next(line)) return 0;
    return int(LeadingNumber(line));
}

// How many frames' name lines a file with `lines` lines after the count holds.
std::size_t FramesHeld(std::size_t lines, bool layered) {
    if (!layered || lines == 0) return lines;
    return 1 + (lines - 1 + 4) / 5;
}

}  // namespace

ScriptContents ParseAnimationScript(std::span<const std::uint8_t> bytes, bool layered) {
    ScriptContents contents;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!text.starts_with(kScriptMagic)) return contents;

    LineReader lines(text.substr(kScriptMagic.size()));
    std::string_view line;
    if (!lines.Next(line)) {
        contents.status = ScriptStatus::Empty;
        return contents;
    }
    const long long count = LeadingNumber(line);
    // The count is checked against the file before anything is made for it.
    if (count < 0 || count > kMaxScriptFrames ||
        std::size_t(count) > FramesHeld(lines.LinesLeft(), layered) + kMaxMissingScriptFrames)
        return contents;
    if (count == 0) {
        contents.status = ScriptStatus::Empty;
        return contents;
    }

    contents.frames.resize(std::size_t(count));
    for (std::size_t i = 0; i < contents.frames.size(); ++i) {
        ScriptFrame& frame = contents.frames[i];
        if (lines.Next(line)) frame.name = std::string(line);
        if (!layered || i == 0) continue;
        frame.layerOn = LayerNumber(lines) != 0;
        frame.smoothEdges = LayerNumber(lines) != 0;
        frame.opacityOn = LayerNumber(lines) != 0;
        frame.opacity = std::clamp(LayerNumber(lines), 0, 100);
    }
    contents.status = ScriptStatus::Read;
    return contents;
}

std::string EncodeAnimationScript(std::span<const ScriptFrame> frames, bool layered) {
    std::string out(kScriptMagic);
    out += std::to_string(frames.size());
    out += '\n';
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const ScriptFrame& frame = frames[i];
        out += frame.name;
        out += '\n';
        if (!layered || i == 0) continue;
        for (const int value : {int(frame.layerOn), int(frame.smoothEdges), int(frame.opacityOn), frame.opacity}) {
            out += std::to_string(value);
            out += '\n';
        }
    }
    return out;
}

bool FitsOnScriptLine(std::string_view name) {
    return name.find('\n') == std::string_view::npos && !name.ends_with('\r');
}

bool ReadAnimationScript(const std::string& path, bool layered, ScriptContents& contents) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    if (S_ISREG(st.st_mode) && std::uint64_t(st.st_size) > kMaxScriptBytes) {
        contents = ScriptContents{};
        return true;
    }
    FileBuffer bytes;
    if (!ReadWholeFile(path, bytes, nullptr)) return false;
    contents = ParseAnimationScript(bytes, layered);
    return true;
}

bool WriteAnimationScript(const std::string& path, std::span<const ScriptFrame> frames, bool layered) {
    if (!std::all_of(frames.begin(), frames.end(), [](const ScriptFrame& f) { return FitsOnScriptLine(f.name); }))
        return false;
    const std::string bytes = EncodeAnimationScript(frames, layered);
    AtomicFileWriter out;
    return out.Open(path) && out.Write(bytes.data(), bytes.size()) && out.Commit();
}

bool WriteAnimationScript(const std::string& path, const std::vector<std::string>& frameNames) {
    std::vector<ScriptFrame> frames(frameNames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) frames[i].name = frameNames[i];
    return WriteAnimationScript(path, frames, false);
}

}  // namespace quillor
