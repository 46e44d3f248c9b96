// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes small AVI files for the intro tests: MJPEG pictures of any size at
// any timestamp (a picture may differ in size from the stream's header) and
// an optional 16-bit PCM sound track, written before the pictures or
// interleaved with them.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <cstdint>
#include <string>
#include <vector>

namespace IntroFiles {

struct PictureShape {
    int width, height;
    int64_t pts; // in 1/25 s
};

struct SoundSpec {
    int sampleRate = 0; // 0: no sound track
    int channels = 2;
    double seconds = 0.0;
    bool allBeforePictures = false; // one-second packets, all at the start of the file
};

inline bool EncodePicture(AVFormatContext* format, AVStream* stream, const PictureShape& shape,
                          AVPacket* packet) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    AVCodecContext* encoder = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!encoder) return false;
    encoder->width = shape.width;
    encoder->height = shape.height;
    encoder->pix_fmt = AV_PIX_FMT_YUVJ420P;
    encoder->time_base = AVRational{1, 25};
    encoder->flags |= AV_CODEC_FLAG_BITEXACT;
    AVFrame* frame = av_frame_alloc();
    bool ok = frame && avcodec_open2(encoder, codec, nullptr) >= 0;
    if (ok) {
        frame->width = shape.width;
        frame->height = shape.height;
        frame->format = AV_PIX_FMT_YUVJ420P;
        ok = av_frame_get_buffer(frame, 0) >= 0;
    }
    if (ok) {
        for (int plane = 0; plane < 3; ++plane) {
            const int rows = plane == 0 ? shape.height : (shape.height + 1) / 2;
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < frame->linesize[plane]; ++x)
                    frame->data[plane][y * frame->linesize[plane] + x] =
                        static_cast<uint8_t>(plane == 0 ? (x * 7 + y * 3) : 128);
        }
        frame->pts = shape.pts;
        ok = avcodec_send_frame(encoder, frame) >= 0 && avcodec_send_frame(encoder, nullptr) >= 0;
        while (ok && avcodec_receive_packet(encoder, packet) >= 0) {
            packet->stream_index = stream->index;
            packet->pts = packet->dts = shape.pts;
            av_packet_rescale_ts(packet, AVRational{1, 25}, stream->time_base);
            ok = av_write_frame(format, packet) >= 0;
        }
    }
    av_frame_free(&frame);
    avcodec_free_context(&encoder);
    return ok;
}

inline bool WriteSound(AVFormatContext* format, AVStream* stream, const SoundSpec& sound,
                       double fromSeconds, double seconds, AVPacket* packet) {
    const int samples = static_cast<int>(seconds * sound.sampleRate);
    if (samples <= 0) return true;
    if (av_new_packet(packet, samples * sound.channels * 2) < 0) return false;
    for (int i = 0; i < packet->size; ++i)
        packet->data[i] = static_cast<uint8_t>(i * 13);
    packet->stream_index = stream->index;
    packet->pts = packet->dts = static_cast<int64_t>(fromSeconds * sound.sampleRate);
    packet->duration = samples;
    av_packet_rescale_ts(packet, AVRational{1, sound.sampleRate}, stream->time_base);
    const bool ok = av_write_frame(format, packet) >= 0;
    av_packet_unref(packet);
    return ok;
}

// Writes the file; the stream header gives the size of the first picture. AVI
// numbers its pictures (a gap is filled with empty ones), so pictures with
// timestamps of their own go into a container that keeps them ("matroska").
inline bool Write(const std::string& path, const std::vector<PictureShape>& pictures,
                  const SoundSpec& sound = {}, const char* container = "avi") {
    if (pictures.empty()) return false;
    AVFormatContext* format = nullptr;
    if (avformat_alloc_output_context2(&format, nullptr, container, path.c_str()) < 0)
        return false;
    AVStream* video = avformat_new_stream(format, nullptr);
    video->time_base = AVRational{1, 25};
    video->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
    video->codecpar->codec_id = AV_CODEC_ID_MJPEG;
    video->codecpar->width = pictures.front().width;
    video->codecpar->height = pictures.front().height;
    video->codecpar->format = AV_PIX_FMT_YUVJ420P;
    AVStream* audio = nullptr;
    if (sound.sampleRate > 0) {
        audio = avformat_new_stream(format, nullptr);
        audio->time_base = AVRational{1, sound.sampleRate};
        audio->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
        audio->codecpar->codec_id = AV_CODEC_ID_PCM_S16LE;
        audio->codecpar->sample_rate = sound.sampleRate;
        av_channel_layout_default(&audio->codecpar->ch_layout, sound.channels);
        audio->codecpar->bits_per_coded_sample = 16;
        audio->codecpar->block_align = 2 * sound.channels;
        audio->codecpar->bit_rate = int64_t{16} * sound.channels * sound.sampleRate;
    }
    AVPacket* packet = av_packet_alloc();
    bool ok = packet && avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE) >= 0 &&
              avformat_write_header(format, nullptr) >= 0;
    const double pictureSeconds = sound.seconds / static_cast<double>(pictures.size());
    if (ok && audio && sound.allBeforePictures)
        for (double at = 0; ok && at < sound.seconds; at += 1.0)
            ok = WriteSound(format, audio, sound, at, std::min(1.0, sound.seconds - at), packet);
    for (size_t i = 0; ok && i < pictures.size(); ++i) {
        ok = EncodePicture(format, video, pictures[i], packet);
        if (ok && audio && !sound.allBeforePictures)
            ok = WriteSound(format, audio, sound, pictureSeconds * i, pictureSeconds, packet);
    }
    if (ok) ok = av_write_trailer(format) >= 0;
    av_packet_free(&packet);
    if (format->pb) avio_closep(&format->pb);
    avformat_free_context(format);
    return ok;
}

} // namespace IntroFiles
