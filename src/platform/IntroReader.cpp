// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IntroReader.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

struct FormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScalerFreer {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct IoFreer {
    void operator()(AVIOContext* io) const {
        if (!io) return;
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};

using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;

CodecPtr OpenDecoder(const AVStream* stream) {
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec) return nullptr;
    CodecPtr context(avcodec_alloc_context3(codec));
    if (!context || avcodec_parameters_to_context(context.get(), stream->codecpar) < 0)
        return nullptr;
    context->thread_count = 1;
    if (avcodec_open2(context.get(), codec, nullptr) < 0) return nullptr;
    return context;
}

// Bytes in memory, read through FFmpeg's I/O callbacks.
struct MemorySource {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t offset = 0;

    static int Read(void* opaque, uint8_t* out, int wanted) {
        auto* source = static_cast<MemorySource*>(opaque);
        const size_t left = source->size - source->offset;
        if (left == 0) return AVERROR_EOF;
        const size_t count = std::min(left, static_cast<size_t>(wanted));
        std::memcpy(out, source->data + source->offset, count);
        source->offset += count;
        return static_cast<int>(count);
    }
    static int64_t Seek(void* opaque, int64_t offset, int whence) {
        auto* source = static_cast<MemorySource*>(opaque);
        if (whence == AVSEEK_SIZE) return static_cast<int64_t>(source->size);
        int64_t base = 0;
        switch (whence & ~AVSEEK_FORCE) {
        case SEEK_SET: base = 0; break;
        case SEEK_CUR: base = static_cast<int64_t>(source->offset); break;
        case SEEK_END: base = static_cast<int64_t>(source->size); break;
        default: return -1;
        }
        if (offset > static_cast<int64_t>(source->size) - base || offset < -base) return -1;
        source->offset = static_cast<size_t>(base + offset);
        return static_cast<int64_t>(source->offset);
    }
};

} // namespace

struct IntroReader::State {
    MemorySource memory;
    std::unique_ptr<AVIOContext, IoFreer> io;
    std::unique_ptr<AVFormatContext, FormatCloser> format;
    CodecPtr video, audio;
    int videoIndex = -1, audioIndex = -1;
    int width = 0, height = 0;
    int sampleRate = 0, channels = 0;
    AVRational videoTimeBase{0, 1};
    std::unique_ptr<AVPacket, PacketFreer> packet{av_packet_alloc()};
    std::unique_ptr<AVFrame, FrameFreer> frame{av_frame_alloc()};
    std::unique_ptr<AVFrame, FrameFreer> soundFrame{av_frame_alloc()};
    // The scaler and the size, format and range it was made for.
    SwsContext* scaler = nullptr;
    std::vector<uint8_t> planes;
    uint8_t* planePointers[4] = {};
    int lineSizes[4] = {};
    bool draining = false;
    bool ended = false;
    // The time of the latest picture shown; the first may come at most
    // kMaxFrameGap after the start.
    double lastDue = 0.0;
    bool anyPicture = false;

    ~State() { sws_freeContext(scaler); }
};

IntroReader::IntroReader() : state(std::make_unique<State>()) {}
IntroReader::~IntroReader() = default;

int IntroReader::Width() const { return state->width; }
int IntroReader::Height() const { return state->height; }
int IntroReader::SampleRate() const { return state->sampleRate; }
int IntroReader::Channels() const { return state->channels; }

bool IntroReader::Open(const std::string& path) {
    std::error_code error;
    // A FIFO or a device at the name would block or never end.
    if (!std::filesystem::is_regular_file(path, error)) return false;
    av_log_set_level(AV_LOG_QUIET);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* raw = nullptr;
    const int opened = avformat_open_input(&raw, path.c_str(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) return false;
    state->format.reset(raw);
    return OpenStreams();
}

bool IntroReader::OpenMemory(const uint8_t* data, size_t size) {
    av_log_set_level(AV_LOG_QUIET);
    state->memory = MemorySource{data, size, 0};
    constexpr int bufferSize = 4096;
    auto* buffer = static_cast<uint8_t*>(av_malloc(bufferSize));
    if (!buffer) return false;
    state->io.reset(avio_alloc_context(buffer, bufferSize, 0, &state->memory, MemorySource::Read,
                                       nullptr, MemorySource::Seek));
    if (!state->io) {
        av_free(buffer);
        return false;
    }
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw) return false;
    raw->pb = state->io.get();
    raw->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (avformat_open_input(&raw, nullptr, nullptr, nullptr) < 0) return false; // frees raw
    state->format.reset(raw);
    return OpenStreams();
}

bool IntroReader::OpenStreams() {
    AVFormatContext* format = state->format.get();
    if (avformat_find_stream_info(format, nullptr) < 0) return false;
    state->videoIndex = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (state->videoIndex < 0) return false;
    const AVStream* videoStream = format->streams[state->videoIndex];
    state->video = OpenDecoder(videoStream);
    if (!state->video) return false;
    const int width = state->video->width, height = state->video->height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
    state->width = width;
    state->height = height;
    state->videoTimeBase = videoStream->time_base;
    if (state->videoTimeBase.num <= 0 || state->videoTimeBase.den <= 0)
        state->videoTimeBase = AVRational{1, 25};

    // The scaler's vector code writes whole blocks: rows aligned to 64 bytes,
    // the planes aligned too, and slack after the last one.
    constexpr int align = 64;
    const int bytes = av_image_get_buffer_size(AV_PIX_FMT_YUV420P, width, height, align);
    if (bytes <= 0) return false;
    state->planes.assign(static_cast<size_t>(bytes) + 2 * align + 4096, 0);
    uint8_t* base = state->planes.data();
    base += (align - reinterpret_cast<uintptr_t>(base) % align) % align;
    if (av_image_fill_arrays(state->planePointers, state->lineSizes, base, AV_PIX_FMT_YUV420P,
                             width, height, align) < 0)
        return false;

    // Only a 16-bit PCM track of a sane format plays along; otherwise the
    // intro is silent.
    state->audioIndex = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (state->audioIndex >= 0) {
        state->audio = OpenDecoder(format->streams[state->audioIndex]);
        const AVCodecContext* audio = state->audio.get();
        if (audio && audio->sample_fmt == AV_SAMPLE_FMT_S16 && audio->sample_rate >= 8000 &&
            audio->sample_rate <= 192000 && audio->ch_layout.nb_channels >= 1 &&
            audio->ch_layout.nb_channels <= 8) {
            state->sampleRate = audio->sample_rate;
            state->channels = audio->ch_layout.nb_channels;
        } else {
            state->audio.reset();
            state->audioIndex = -1;
        }
    }
    return true;
}

namespace {

// Appends the frame's samples when they are in the format the track was opened
// with (a stream may change it midway) and there is room for them.
void TakeSound(const AVFrame* frame, int rate, int channels, size_t room,
               std::vector<uint8_t>& sound) {
    if (frame->format != AV_SAMPLE_FMT_S16 || frame->sample_rate != rate ||
        frame->ch_layout.nb_channels != channels || frame->nb_samples <= 0 || !frame->data[0])
        return;
    const size_t bytes = static_cast<size_t>(frame->nb_samples) * static_cast<size_t>(channels) * 2;
    if (bytes > static_cast<size_t>(frame->linesize[0]) || bytes > room) return;
    sound.insert(sound.end(), frame->data[0], frame->data[0] + bytes);
}

} // namespace

IntroReader::Step IntroReader::Next(Picture& picture, std::vector<uint8_t>& sound) {
    State& s = *state;
    if (s.ended || !s.format) return Step::end;
    const size_t soundStart = sound.size();
    for (int packets = 0; packets <= kMaxPacketsPerStep; ++packets) {
        // A picture the decoder has ready comes first.
        while (true) {
            const int received = avcodec_receive_frame(s.video.get(), s.frame.get());
            if (received == AVERROR_EOF) {
                s.ended = true;
                return Step::end;
            }
            if (received < 0) break;
            const AVFrame* frame = s.frame.get();
            const int64_t pts = frame->best_effort_timestamp;
            double due = pts != AV_NOPTS_VALUE ? static_cast<double>(pts) * av_q2d(s.videoTimeBase)
                         : s.anyPicture        ? s.lastDue + 0.04
                                               : 0.0;
            if (!(due >= 0.0)) due = 0.0; // also a NaN
            due = std::min(due, s.lastDue + kMaxFrameGap);
            if (due > kMaxSeconds) {
                s.ended = true;
                return Step::end;
            }
            // The picture's own size and format decide the scaler; a stream may
            // change them midway.
            if (frame->width <= 0 || frame->height <= 0 || frame->width > kMaxSide ||
                frame->height > kMaxSide || frame->format < 0 || !frame->data[0])
                continue;
            s.scaler = sws_getCachedContext(s.scaler, frame->width, frame->height,
                                            static_cast<AVPixelFormat>(frame->format), s.width,
                                            s.height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr,
                                            nullptr, nullptr);
            if (!s.scaler) continue;
            if (sws_scale(s.scaler, frame->data, frame->linesize, 0, frame->height,
                          s.planePointers, s.lineSizes) <= 0)
                continue;
            s.lastDue = std::max(due, s.lastDue);
            s.anyPicture = true;
            for (int i = 0; i < 3; ++i) {
                picture.planes[i] = s.planePointers[i];
                picture.pitches[i] = s.lineSizes[i];
            }
            picture.due = due;
            return Step::picture;
        }
        if (s.draining) {
            // The decoder has nothing more and will give nothing more.
            s.ended = true;
            return Step::end;
        }
        if (packets == kMaxPacketsPerStep) break;
        if (av_read_frame(s.format.get(), s.packet.get()) < 0) {
            s.draining = true;
            avcodec_send_packet(s.video.get(), nullptr);
            continue;
        }
        const AVPacket* packet = s.packet.get();
        if (packet->stream_index == s.videoIndex) {
            avcodec_send_packet(s.video.get(), packet);
        } else if (packet->stream_index == s.audioIndex && s.audio) {
            if (avcodec_send_packet(s.audio.get(), packet) >= 0) {
                while (avcodec_receive_frame(s.audio.get(), s.soundFrame.get()) >= 0) {
                    const size_t used = sound.size() - soundStart;
                    TakeSound(s.soundFrame.get(), s.sampleRate, s.channels,
                              kMaxSoundBytesPerStep - std::min(used, kMaxSoundBytesPerStep),
                              sound);
                }
            }
        }
        av_packet_unref(s.packet.get());
    }
    return Step::pending;
}
