#include "platform/video_reader.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/ffmpeg_setup.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace quillor {

namespace {

// Pictures past these are refused before anything is allocated for them.
constexpr int kMaxSide = 65535;
constexpr std::uint64_t kMaxRowBytes = std::uint64_t(2) << 30;

bool Valid(AVRational r) { return r.num > 0 && r.den > 0; }

// Frames a second: an AVI stream's time base is exactly its scale over its rate.
AVRational RateOf(const AVStream* s) {
    if (Valid(s->time_base)) return av_inv_q(s->time_base);
    if (Valid(s->avg_frame_rate)) return s->avg_frame_rate;
    if (Valid(s->r_frame_rate)) return s->r_frame_rate;
    return AVRational{25, 1};
}

}  // namespace

struct VideoReader::State {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwsContext* scaler = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* frame = nullptr;
    AVStream* stream = nullptr;
    AVRational frameTime{1, 25};  // one frame's duration in seconds
    std::int64_t startPts = 0;
    // The frame the decoder gives next, or -1 when a seek has made it unknown.
    std::int64_t next = -1;
    bool draining = false;

    ~State() {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    std::int64_t PtsOf(std::int64_t index) const {
        return startPts + av_rescale_q(index, frameTime, stream->time_base);
    }

    std::int64_t IndexOf(std::int64_t pts) const {
        return av_rescale_q_rnd(pts - startPts, stream->time_base, frameTime, AV_ROUND_NEAR_INF);
    }

    // Frames stored out of display order (B-frames): an AVI says where a packet lies in
    // the file but not which frame it shows, so such a movie is only ever decoded from
    // its start, where counting the frames that come out is exact.
    bool Reordered() const { return codec->has_b_frames > 0 || stream->codecpar->video_delay > 0; }

    // Whether a key frame lies after `from` and at or before `to`, so that seeking to
    // it decodes less than going on from `from`.
    bool KeyFrameBetween(std::int64_t from, std::int64_t to) const {
        if (Reordered()) return false;
        const int at = av_index_search_timestamp(stream, PtsOf(to), AVSEEK_FLAG_BACKWARD);
        if (at < 0) return false;
        const AVIndexEntry* entry = avformat_index_get_entry(stream, at);
        return entry != nullptr && entry->timestamp > PtsOf(from);
    }

    void Restart() {
        avcodec_flush_buffers(codec);
        draining = false;
    }

    bool SeekTo(std::int64_t index) {
        if (Reordered()) return SeekToStart();
        if (av_seek_frame(format, stream->index, PtsOf(index), AVSEEK_FLAG_BACKWARD) < 0) return SeekToStart();
        Restart();
        next = -1;
        return true;
    }

    bool SeekToStart() {
        if (av_seek_frame(format, stream->index, startPts, AVSEEK_FLAG_BACKWARD) < 0 &&
            avformat_seek_file(format, -1, std::numeric_limits<std::int64_t>::min(), 0, 0, 0) < 0)
            return false;
        Restart();
        next = 0;
        return true;
    }

    // The next decoded frame of the stream; false at its end or on an error. Frames are
    // counted, not told by their time stamps: in a movie whose frames are stored out of
    // display order an AVI holds no time stamp that says which frame comes out.
    bool Decode() {
        for (;;) {
            const int got = avcodec_receive_frame(codec, frame);
            if (got == 0) return true;
            if (got != AVERROR(EAGAIN) || draining) return false;
            if (av_read_frame(format, packet) < 0) {
                avcodec_send_packet(codec, nullptr);
                draining = true;
                continue;
            }
            if (packet->stream_index == stream->index) {
                // After a seek, the first packet read says where decoding starts.
                if (next < 0) {
                    const std::int64_t stamp = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
                    if (stamp != AV_NOPTS_VALUE) next = std::max<std::int64_t>(IndexOf(stamp), 0);
                }
                // A damaged packet costs its frame, not the rest of the movie; where
                // frames come out as they go in, the count steps over it.
                if (avcodec_send_packet(codec, packet) < 0 && codec->has_b_frames == 0 && next >= 0) ++next;
            }
            av_packet_unref(packet);
        }
    }

    bool Convert(VideoPicture& picture) {
        const int width = frame->width;
        const int height = frame->height;
        if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return false;
        const auto format = AVPixelFormat(frame->format);
        picture.width = width;
        picture.height = height;
        const bool eightBit = format == AV_PIX_FMT_PAL8 || format == AV_PIX_FMT_GRAY8;
        picture.bitsPerPixel = eightBit ? 8 : 24;
        picture.stride = std::size_t(width) * (eightBit ? 1 : 3);
        if (std::uint64_t(picture.stride) * std::uint64_t(height) > kMaxRowBytes) return false;
        picture.pixels.resize(picture.stride * std::size_t(height));
        // Frames already in the order a packed bitmap keeps need only their rows copied.
        if (eightBit || format == AV_PIX_FMT_BGR24) {
            for (int y = 0; y < height; ++y)
                std::memcpy(picture.Row(y), frame->data[0] + std::ptrdiff_t(y) * frame->linesize[0], picture.stride);
            for (int i = 0; eightBit && i < 256; ++i) {
                if (format == AV_PIX_FMT_PAL8) {
                    std::uint32_t entry = 0;
                    std::memcpy(&entry, frame->data[1] + 4 * i, 4);
                    picture.palette[std::size_t(i)] = entry & 0xFFFFFFu;
                } else {
                    picture.palette[std::size_t(i)] = std::uint32_t(i) * 0x010101u;
                }
            }
            return true;
        }
        scaler = sws_getCachedContext(scaler, width, height, format, width, height, AV_PIX_FMT_BGR24,
                                      SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr,
                                      nullptr);
        if (scaler == nullptr) return false;
        std::uint8_t* planes[4] = {picture.pixels.data(), nullptr, nullptr, nullptr};
        int strides[4] = {int(picture.stride), 0, 0, 0};
        return sws_scale(scaler, frame->data, frame->linesize, 0, height, planes, strides) == height;
    }
};

VideoReader::VideoReader(std::unique_ptr<State> state) : state_(std::move(state)) {}
VideoReader::~VideoReader() = default;

std::unique_ptr<VideoReader> VideoReader::Open(const std::string& path) {
    QuietFfmpeg();
    auto state = std::make_unique<State>();
    // Only AVI: a file named as a movie is not probed as every format FFmpeg knows.
    const AVInputFormat* avi = av_find_input_format("avi");
    if (avi == nullptr || avformat_open_input(&state->format, path.c_str(), avi, nullptr) < 0) return nullptr;
    // Without the probe some formats leave sizes and pixel formats unknown; a movie
    // whose probe fails may still have frames to give.
    (void)avformat_find_stream_info(state->format, nullptr);
    state->packet = av_packet_alloc();
    state->frame = av_frame_alloc();
    if (state->packet == nullptr || state->frame == nullptr) return nullptr;
    return std::unique_ptr<VideoReader>(new VideoReader(std::move(state)));
}

int VideoReader::StreamCount() const { return int(state_->format->nb_streams); }

VideoStreamInfo VideoReader::StreamInfo(int index) const {
    VideoStreamInfo info;
    if (index < 0 || index >= StreamCount()) return info;
    const AVStream* s = state_->format->streams[index];
    info.isVideo = s->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
                   (s->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0;
    if (!info.isVideo) return info;
    const AVRational rate = RateOf(s);
    info.rate = rate.num;
    info.scale = rate.den;
    info.width = s->codecpar->width;
    info.height = s->codecpar->height;
    std::int64_t length = s->nb_frames;
    if (length <= 0 && s->duration != AV_NOPTS_VALUE && s->duration > 0)
        length = av_rescale_q(s->duration, s->time_base, av_inv_q(rate));
    if (length <= 0 && state_->format->duration != AV_NOPTS_VALUE && state_->format->duration > 0)
        length = av_rescale_q(state_->format->duration, AVRational{1, AV_TIME_BASE}, av_inv_q(rate));
    info.length = std::clamp<std::int64_t>(length, 0, std::numeric_limits<int>::max());
    return info;
}

bool VideoReader::UseStream(int index) {
    State& s = *state_;
    if (index < 0 || index >= StreamCount()) return false;
    AVStream* stream = s.format->streams[index];
    const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    if (decoder == nullptr) return false;
    avcodec_free_context(&s.codec);
    s.codec = avcodec_alloc_context3(decoder);
    if (s.codec == nullptr || avcodec_parameters_to_context(s.codec, stream->codecpar) < 0) return false;
    s.codec->pkt_timebase = stream->time_base;
    // Frames leave a slice-threaded decoder as they enter it, so counting them holds.
    s.codec->thread_type = FF_THREAD_SLICE;
    if (avcodec_open2(s.codec, decoder, nullptr) < 0) {
        avcodec_free_context(&s.codec);
        return false;
    }
    for (unsigned i = 0; i < s.format->nb_streams; ++i)
        s.format->streams[i]->discard = int(i) == index ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    s.stream = stream;
    s.frameTime = av_inv_q(RateOf(stream));
    s.startPts = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    s.next = 0;
    s.draining = false;
    return true;
}

std::optional<VideoPicture> VideoReader::Frame(std::int64_t index) {
    VideoPicture picture;
    if (!Frame(index, picture)) return std::nullopt;
    return picture;
}

bool VideoReader::Frame(std::int64_t index, VideoPicture& picture) {
    State& s = *state_;
    if (s.codec == nullptr || index < 0) return false;
    bool fromStart = false;
    bool justSought = false;
    if (s.next < 0 || index < s.next || s.KeyFrameBetween(s.next, index)) {
        if (!s.SeekTo(index)) return false;
        fromStart = s.next == 0;
        justSought = true;
    }
    for (;;) {
        if (!s.Decode()) {
            // Nothing more after a seek that may have gone wrong: from the start once.
            if (justSought && !fromStart && s.SeekToStart()) {
                fromStart = true;
                continue;
            }
            s.next = -1;
            return false;
        }
        ++decoded_;
        if (s.next < 0) {
            // Nothing to count from: count from the start.
            if (fromStart || !s.SeekToStart()) return false;
            fromStart = true;
            justSought = false;
            continue;
        }
        const std::int64_t at = s.next++;
        if (at == index) {
            const bool converted = s.Convert(picture);
            av_frame_unref(s.frame);
            return converted;
        }
        av_frame_unref(s.frame);
        if (at > index) {
            // The seek landed past the frame: the index was wrong, so count from the
            // start; past it going forward the frame is simply missing.
            if (justSought && !fromStart && s.SeekToStart()) {
                fromStart = true;
                justSought = false;
                continue;
            }
            return false;
        }
        justSought = false;
    }
}

}  // namespace quillor
