#include "platform/IntroVideo.h"

#include <SDL.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <vector>

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

using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;

CodecPtr OpenDecoder(AVFormatContext* format, int streamIndex) {
    const AVCodecParameters* parameters = format->streams[streamIndex]->codecpar;
    const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
    if (!codec) return nullptr;
    CodecPtr context(avcodec_alloc_context3(codec));
    if (!context || avcodec_parameters_to_context(context.get(), parameters) < 0) return nullptr;
    context->thread_count = 1;
    if (avcodec_open2(context.get(), codec, nullptr) < 0) return nullptr;
    return context;
}

// The sound track of a short intro is decoded whole before playing starts,
// so the video loop only has to show frames. Only 16-bit PCM is accepted.
std::vector<uint8_t> DecodeSoundTrack(AVFormatContext* format, int streamIndex,
                                      SDL_AudioSpec& wanted) {
    std::vector<uint8_t> pcm;
    CodecPtr decoder = OpenDecoder(format, streamIndex);
    if (!decoder || decoder->sample_fmt != AV_SAMPLE_FMT_S16) return pcm;
    wanted = {};
    wanted.freq = decoder->sample_rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Uint8(decoder->ch_layout.nb_channels);
    wanted.samples = 2048;
    std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
    while (av_read_frame(format, packet.get()) >= 0) {
        if (packet->stream_index == streamIndex &&
            avcodec_send_packet(decoder.get(), packet.get()) >= 0) {
            while (avcodec_receive_frame(decoder.get(), frame.get()) >= 0) {
                size_t bytes = size_t(frame->nb_samples) * wanted.channels * 2;
                pcm.insert(pcm.end(), frame->data[0], frame->data[0] + bytes);
            }
        }
        av_packet_unref(packet.get());
    }
    av_seek_frame(format, -1, 0, AVSEEK_FLAG_BACKWARD);
    return pcm;
}

bool EscapeHeld() {
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    return keys && keys[SDL_SCANCODE_ESCAPE];
}

} // namespace

IntroVideo::Outcome IntroVideo::Play(const std::string& path) {
    av_log_set_level(AV_LOG_ERROR);
    AVFormatContext* rawFormat = nullptr;
    if (avformat_open_input(&rawFormat, path.c_str(), nullptr, nullptr) < 0)
        return Outcome::notPlayed;
    std::unique_ptr<AVFormatContext, FormatCloser> format(rawFormat);
    if (avformat_find_stream_info(format.get(), nullptr) < 0) return Outcome::notPlayed;
    int videoIndex = av_find_best_stream(format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (videoIndex < 0) return Outcome::notPlayed;
    CodecPtr video = OpenDecoder(format.get(), videoIndex);
    if (!video || video->width <= 0 || video->height <= 0) return Outcome::notPlayed;
    AVRational timeBase = format->streams[videoIndex]->time_base;

    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return Outcome::notPlayed;
    SDL_DisplayMode display{};
    if (SDL_GetDesktopDisplayMode(0, &display) != 0) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return Outcome::notPlayed;
    }
    SDL_Window* window = SDL_CreateWindow("Fenster", 0, 0, display.w, display.h,
                                          SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_Renderer* renderer =
        window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC) : nullptr;
    if (!renderer && window) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    SDL_Texture* texture =
        renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_IYUV, SDL_TEXTUREACCESS_STREAMING,
                                     video->width, video->height)
                 : nullptr;
    std::unique_ptr<SwsContext, ScalerFreer> scaler(
        sws_getContext(video->width, video->height, video->pix_fmt, video->width, video->height,
                       AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr));
    Outcome outcome = Outcome::notPlayed;
    if (texture && scaler) {
        SDL_ShowCursor(SDL_DISABLE);

        SDL_AudioDeviceID audio = 0;
        int audioIndex = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        if (audioIndex >= 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            SDL_AudioSpec wanted{};
            std::vector<uint8_t> pcm = DecodeSoundTrack(format.get(), audioIndex, wanted);
            if (!pcm.empty()) audio = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
            if (audio) SDL_QueueAudio(audio, pcm.data(), Uint32(pcm.size()));
        }

        std::vector<uint8_t> planes(
            size_t(av_image_get_buffer_size(AV_PIX_FMT_YUV420P, video->width, video->height, 1)));
        uint8_t* planePointers[4];
        int lineSizes[4];
        av_image_fill_arrays(planePointers, lineSizes, planes.data(), AV_PIX_FMT_YUV420P,
                             video->width, video->height, 1);
        std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
        std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
        if (audio) SDL_PauseAudioDevice(audio, 0);
        Uint64 start = SDL_GetTicks64();
        outcome = Outcome::finished;
        bool running = true;
        bool draining = false;
        while (running) {
            if (!draining) {
                if (av_read_frame(format.get(), packet.get()) < 0) {
                    draining = true;
                    avcodec_send_packet(video.get(), nullptr);
                } else {
                    if (packet->stream_index == videoIndex)
                        avcodec_send_packet(video.get(), packet.get());
                    av_packet_unref(packet.get());
                }
            }
            int received;
            while ((received = avcodec_receive_frame(video.get(), frame.get())) >= 0) {
                sws_scale(scaler.get(), frame->data, frame->linesize, 0, video->height,
                          planePointers, lineSizes);
                SDL_UpdateYUVTexture(texture, nullptr, planePointers[0], lineSizes[0],
                                     planePointers[1], lineSizes[1], planePointers[2],
                                     lineSizes[2]);
                int64_t pts = frame->best_effort_timestamp;
                double due = pts == AV_NOPTS_VALUE ? 0.0 : double(pts) * av_q2d(timeBase);
                // Wait for the frame's time while keeping the window responsive.
                while (running) {
                    SDL_Event event;
                    while (SDL_PollEvent(&event)) {
                    }
                    if (EscapeHeld()) {
                        running = false;
                        outcome = Outcome::escaped;
                        break;
                    }
                    double now = double(SDL_GetTicks64() - start) / 1000.0;
                    if (now >= due) break;
                    SDL_Delay(Uint32(std::min(10.0, (due - now) * 1000.0)) + 1);
                }
                if (!running) break;
                SDL_RenderClear(renderer);
                SDL_RenderCopy(renderer, texture, nullptr, nullptr);
                SDL_RenderPresent(renderer);
            }
            if (draining && received == AVERROR_EOF) running = false;
        }
        if (audio) SDL_CloseAudioDevice(audio);
    }
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return outcome;
}
