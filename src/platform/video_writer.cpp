#include "platform/video_writer.h"

#include <algorithm>
#include <cstring>

#include "platform/ffmpeg_setup.h"
#include "platform/file_io.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace quillor {

namespace {

struct EncoderRow {
    VideoEncoder encoder;
    AVCodecID codec;
    AVPixelFormat trueColour;  // what 24-bit frames are converted to
    AVPixelFormat palette;     // what 8-bit frames are given as (PAL8 keeps the indices)
};

const EncoderRow kEncoders[] = {
    {{"raw", "Full Frames (no compression)", true, true, false, false},
     AV_CODEC_ID_RAWVIDEO, AV_PIX_FMT_BGR24, AV_PIX_FMT_PAL8},
    {{"ffv1", "FFV1 (lossless)", true, false, false, true}, AV_CODEC_ID_FFV1, AV_PIX_FMT_BGR0, AV_PIX_FMT_BGR0},
    {{"huffyuv", "HuffYUV (lossless)", true, false, false, false},
     AV_CODEC_ID_HUFFYUV, AV_PIX_FMT_RGB24, AV_PIX_FMT_RGB24},
    {{"utvideo", "Ut Video (lossless)", true, false, false, false},
     AV_CODEC_ID_UTVIDEO, AV_PIX_FMT_GBRP, AV_PIX_FMT_GBRP},
    {{"png", "PNG (lossless)", true, true, false, false}, AV_CODEC_ID_PNG, AV_PIX_FMT_RGB24, AV_PIX_FMT_PAL8},
    {{"zmbv", "Zip Motion Blocks Video (lossless)", true, true, false, true, true},
     AV_CODEC_ID_ZMBV, AV_PIX_FMT_BGR0, AV_PIX_FMT_PAL8},
    {{"mjpeg", "Motion JPEG", false, false, true, false}, AV_CODEC_ID_MJPEG, AV_PIX_FMT_YUVJ420P,
     AV_PIX_FMT_YUVJ420P},
    {{"mpeg4", "MPEG-4 Part 2", false, false, true, true}, AV_CODEC_ID_MPEG4, AV_PIX_FMT_YUV420P,
     AV_PIX_FMT_YUV420P},
};

const EncoderRow* FindRow(const std::string& id) {
    for (const EncoderRow& row : kEncoders)
        if (row.encoder.id == id) return &row;
    return nullptr;
}

std::string FfmpegError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

int WriteOut(void* opaque, std::uint8_t* data, int size) {
    auto* file = static_cast<AtomicFileWriter*>(opaque);
    return file->Write(data, std::size_t(size)) ? size : AVERROR(EIO);
}

std::int64_t SeekOut(void* opaque, std::int64_t offset, int whence) {
    auto* file = static_cast<AtomicFileWriter*>(opaque);
    if (whence & AVSEEK_SIZE) return -1;
    const std::int64_t at = file->Seek(offset, whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(EIO) : at;
}

}  // namespace

std::vector<VideoEncoder> AviEncoders() {
    QuietFfmpeg();
    std::vector<VideoEncoder> offered;
    for (const EncoderRow& row : kEncoders)
        if (avcodec_find_encoder(row.codec) != nullptr) offered.push_back(row.encoder);
    return offered;
}

const VideoEncoder* FindAviEncoder(const std::vector<VideoEncoder>& encoders, const std::string& id) {
    for (const VideoEncoder& e : encoders)
        if (e.id == id) return &e;
    return nullptr;
}

struct VideoWriter::State {
    VideoWriteSettings settings;
    const EncoderRow* row = nullptr;
    AtomicFileWriter file;
    AVFormatContext* format = nullptr;
    AVIOContext* io = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    std::vector<std::uint8_t> expanded;  // an 8-bit frame in true colour, top row first
    std::int64_t written = 0;
    bool headerWritten = false;
    bool failed = false;
    std::string error;

    ~State() {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format != nullptr) avformat_free_context(format);
        if (io != nullptr) {
            av_freep(&io->buffer);
            avio_context_free(&io);
        }
    }

    bool Fail(std::string why) {
        if (!failed) error = std::move(why);
        failed = true;
        return false;
    }

    AVPixelFormat Target() const { return settings.bitsPerPixel == 8 ? row->palette : row->trueColour; }
    bool Passthrough() const { return row->codec == AV_CODEC_ID_RAWVIDEO; }

    bool Drain() {
        for (;;) {
            const int got = avcodec_receive_packet(codec, packet);
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return true;
            if (got < 0) return Fail(FfmpegError(got));
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            const int put = av_write_frame(format, packet);
            av_packet_unref(packet);
            if (put < 0) return Fail(FfmpegError(put));
        }
    }

    bool Setup(const std::string& path) {
        const VideoWriteSettings& s = settings;
        const AVCodec* encoder = avcodec_find_encoder(row->codec);
        if (encoder == nullptr) return Fail("this FFmpeg has no such compressor");
        if (!file.Open(path)) return Fail(file.Error());
        if (avformat_alloc_output_context2(&format, nullptr, "avi", nullptr) < 0 || format == nullptr)
            return Fail("no AVI writer");
        constexpr int kIoBytes = 1 << 16;
        auto* buffer = static_cast<std::uint8_t*>(av_malloc(kIoBytes));
        if (buffer == nullptr) return Fail("out of memory");
        io = avio_alloc_context(buffer, kIoBytes, 1, &file, nullptr, WriteOut, SeekOut);
        if (io == nullptr) {
            av_free(buffer);
            return Fail("out of memory");
        }
        format->pb = io;
        format->flags |= AVFMT_FLAG_CUSTOM_IO;

        codec = avcodec_alloc_context3(encoder);
        frame = av_frame_alloc();
        packet = av_packet_alloc();
        if (codec == nullptr || frame == nullptr || packet == nullptr) return Fail("out of memory");
        codec->width = s.width;
        codec->height = s.height;
        codec->pix_fmt = Target();
        codec->time_base = AVRational{s.scale, s.rate};
        codec->framerate = AVRational{s.rate, s.scale};
        codec->gop_size = std::max(1, s.keyFrameEvery);
        codec->max_b_frames = 0;
        codec->thread_count = 0;
        if (row->encoder.hasQuality) {
            // 100 is the finest quantiser the encoders take (2), 1 the coarsest (31).
            const int quality = std::clamp(s.quality, 1, 100);
            const int q = 31 - (quality - 1) * 29 / 99;
            codec->flags |= AV_CODEC_FLAG_QSCALE;
            codec->global_quality = FF_QP2LAMBDA * q;
        }
        if (row->codec == AV_CODEC_ID_MJPEG) codec->color_range = AVCOL_RANGE_JPEG;
        // ZMBV's deflate at its strongest makes saving ten times slower for a few
        // percent of size.
        if (row->codec == AV_CODEC_ID_ZMBV) codec->compression_level = 1;
        if (format->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        int code = avcodec_open2(codec, encoder, nullptr);
        if (code < 0) return Fail(FfmpegError(code));

        stream = avformat_new_stream(format, nullptr);
        if (stream == nullptr) return Fail("out of memory");
        stream->time_base = codec->time_base;
        if (avcodec_parameters_from_context(stream->codecpar, codec) < 0) return Fail("out of memory");
        // Uncompressed frames are plain bitmaps (no tag); a compressor's own tag names its
        // pixel layout (Ut Video's differs for every layout) and stays.
        if (Passthrough()) stream->codecpar->codec_tag = 0;
        AVDictionary* options = nullptr;
        // Uncompressed frames are stored as packed bitmaps store them, bottom row first.
        if (Passthrough()) av_dict_set(&options, "flipped_raw_rgb", "1", 0);
        code = avformat_write_header(format, &options);
        av_dict_free(&options);
        if (code < 0) return Fail(FfmpegError(code));
        headerWritten = true;

        if (!Passthrough()) {
            frame->format = codec->pix_fmt;
            frame->width = s.width;
            frame->height = s.height;
            code = av_frame_get_buffer(frame, 0);
            if (code < 0) return Fail(FfmpegError(code));
        }
        return true;
    }

    // Fills `frame` from rows bottom first; false on a conversion error.
    bool Fill(const VideoFrameRows& rows) {
        const int width = settings.width;
        const int height = settings.height;
        const std::uint8_t* top = rows.bits + std::size_t(height - 1) * rows.stride;
        const int upward = -int(rows.stride);
        if (Passthrough()) {
            frame->format = codec->pix_fmt;
            frame->width = width;
            frame->height = height;
            frame->data[0] = const_cast<std::uint8_t*>(rows.bits);
            frame->linesize[0] = int(rows.stride);
            frame->data[1] = settings.bitsPerPixel == 8 ? reinterpret_cast<std::uint8_t*>(
                                                                const_cast<std::uint32_t*>(rows.palette))
                                                          : nullptr;
            return true;
        }
        if (av_frame_make_writable(frame) < 0) return false;
        if (codec->pix_fmt == AV_PIX_FMT_PAL8) {
            for (int y = 0; y < height; ++y)
                std::memcpy(frame->data[0] + std::ptrdiff_t(y) * frame->linesize[0],
                            top + std::ptrdiff_t(y) * upward, std::size_t(width));
            std::memcpy(frame->data[1], rows.palette, 256 * 4);
            return true;
        }
        const std::uint8_t* source = top;
        int sourceStride = upward;
        if (settings.bitsPerPixel == 8) {
            const std::size_t line = std::size_t(width) * 3;
            expanded.resize(line * std::size_t(height));
            for (int y = 0; y < height; ++y) {
                const std::uint8_t* in = top + std::ptrdiff_t(y) * upward;
                std::uint8_t* out = expanded.data() + std::size_t(y) * line;
                for (int x = 0; x < width; ++x, out += 3) {
                    const std::uint32_t c = rows.palette[in[x]];
                    out[0] = std::uint8_t(c);
                    out[1] = std::uint8_t(c >> 8);
                    out[2] = std::uint8_t(c >> 16);
                }
            }
            source = expanded.data();
            sourceStride = int(line);
        }
        scaler = sws_getCachedContext(scaler, width, height, AV_PIX_FMT_BGR24, width, height, codec->pix_fmt,
                                      SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr,
                                      nullptr);
        if (scaler == nullptr) return false;
        const std::uint8_t* planes[4] = {source, nullptr, nullptr, nullptr};
        const int strides[4] = {sourceStride, 0, 0, 0};
        return sws_scale(scaler, planes, strides, 0, height, frame->data, frame->linesize) == height;
    }
};

VideoWriter::VideoWriter(std::unique_ptr<State> state) : state_(std::move(state)) {}

VideoWriter::~VideoWriter() {
    // Unfinished: the temporary file goes and the target stays as it was.
    if (state_) state_->file.Abandon();
}

std::unique_ptr<VideoWriter> VideoWriter::Create(const std::string& path, const VideoWriteSettings& settings,
                                                 std::string* error) {
    QuietFfmpeg();
    auto state = std::make_unique<State>();
    state->settings = settings;
    state->row = FindRow(settings.encoder);
    const bool sane = settings.width >= 1 && settings.height >= 1 && settings.width <= 65535 &&
                      settings.height <= 65535 && settings.rate > 0 && settings.scale > 0 &&
                      (settings.bitsPerPixel == 8 || settings.bitsPerPixel == 24);
    if (state->row == nullptr || !sane || !state->Setup(path)) {
        if (error != nullptr)
            *error = state->row == nullptr ? "unknown compressor '" + settings.encoder + "'"
                     : !sane              ? std::string("unsupported picture")
                                          : state->error;
        state->file.Abandon();
        return nullptr;
    }
    return std::unique_ptr<VideoWriter>(new VideoWriter(std::move(state)));
}

bool VideoWriter::Write(const VideoFrameRows& rows) {
    State& s = *state_;
    if (s.failed) return false;
    if (rows.bits == nullptr || (s.settings.bitsPerPixel == 8 && rows.palette == nullptr))
        return s.Fail("no picture");
    if (!s.Fill(rows)) return s.Fail("the picture could not be converted for the compressor");
    s.frame->pts = s.written;
    s.frame->pict_type =
        s.written % std::max(1, s.settings.keyFrameEvery) == 0 ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    if (s.row->encoder.hasQuality) s.frame->quality = s.codec->global_quality;
    const int code = avcodec_send_frame(s.codec, s.frame);
    if (s.Passthrough()) {
        // The frame only borrowed the caller's rows.
        s.frame->data[0] = s.frame->data[1] = nullptr;
    }
    if (code < 0) return s.Fail(FfmpegError(code));
    ++s.written;
    return s.Drain();
}

bool VideoWriter::Finish() {
    State& s = *state_;
    if (s.failed) return false;
    const int code = avcodec_send_frame(s.codec, nullptr);
    if (code < 0) return s.Fail(FfmpegError(code));
    if (!s.Drain()) return false;
    const int trailer = av_write_trailer(s.format);
    if (trailer < 0) return s.Fail(FfmpegError(trailer));
    avio_flush(s.io);
    if (s.io->error < 0) return s.Fail(FfmpegError(s.io->error));
    if (!s.file.Commit()) return s.Fail(s.file.Error());
    return true;
}

const std::string& VideoWriter::Error() const { return state_->error; }

}  // namespace quillor
