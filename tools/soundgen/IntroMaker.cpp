// SPDX-License-Identifier: GPL-3.0-or-later
#include "IntroMaker.h"

#include "Instruments.h"

#include <cairo.h>
#include <pango/pangocairo.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <cmath>
#include <filesystem>
#include <vector>

namespace intro {

namespace {

constexpr int width = 800;
constexpr int height = 600;
constexpr int fps = 25;
constexpr double seconds = 4.8;

double Ease(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 1.0 - std::pow(1.0 - x, 3.0);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void Text(cairo_t* cr, const char* text, const char* font, double x, double y, bool centred) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* description = pango_font_description_from_string(font);
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, text, -1);
    int w, h;
    pango_layout_get_pixel_size(layout, &w, &h);
    cairo_move_to(cr, centred ? x - w / 2.0 : x, y - h / 2.0);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(description);
    g_object_unref(layout);
}

// One card: white face, thin frame, a big suit symbol.
void Card(cairo_t* cr, double cx, double cy, double angle, int suit, double alpha) {
    const double w = 84, h = 120;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    RoundedRect(cr, -w / 2 + 4, -h / 2 + 6, w, h, 8);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35 * alpha);
    cairo_fill(cr);
    RoundedRect(cr, -w / 2, -h / 2, w, h, 8);
    cairo_set_source_rgba(cr, 0.99, 0.98, 0.95, alpha);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.55, 0.5, 0.42, alpha);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    static const char* symbols[] = {"\xE2\x99\xA3", "\xE2\x99\xA6", "\xE2\x99\xA0", "\xE2\x99\xA5"};
    bool red = suit % 2 == 1;
    cairo_set_source_rgba(cr, red ? 0.78 : 0.1, red ? 0.12 : 0.1, red ? 0.15 : 0.12, alpha);
    Text(cr, symbols[suit], "DejaVu Sans 40", 0, 0, true);
    Text(cr, symbols[suit], "DejaVu Sans 13", -w / 2 + 12, -h / 2 + 14, true);
    cairo_restore(cr);
}

void DrawFrame(cairo_t* cr, double t) {
    // Green baize with a soft light in the middle.
    cairo_pattern_t* felt = cairo_pattern_create_radial(width / 2.0, height * 0.45, 40, width / 2.0,
                                                        height / 2.0, width * 0.75);
    cairo_pattern_add_color_stop_rgb(felt, 0, 0.13, 0.45, 0.25);
    cairo_pattern_add_color_stop_rgb(felt, 1, 0.03, 0.16, 0.09);
    cairo_set_source(cr, felt);
    cairo_paint(cr);
    cairo_pattern_destroy(felt);

    // The house of cards: three leaning pairs, two on top of them, one on the crown.
    struct Place {
        double x, y, angle, at;
        int suit;
    };
    const double lean = 0.3;
    std::vector<Place> places = {
        {315, 420, lean, 0.1, 3}, {365, 420, -lean, 0.25, 2}, {435, 420, lean, 0.4, 1},
        {485, 420, -lean, 0.55, 0}, {375, 305, lean, 0.75, 0}, {425, 305, -lean, 0.9, 3},
        {400, 190, 0.0, 1.1, 1},
    };
    for (const Place& p : places) {
        double x = Ease((t - p.at) / 0.55);
        if (x <= 0) continue;
        double fromX = p.x + (p.x < 400 ? -420 : 420), fromY = 760;
        double cx = fromX + (p.x - fromX) * x;
        double cy = fromY + (p.y - fromY) * x - 120 * std::sin(M_PI * x);
        double spin = (1.0 - x) * (p.x < 400 ? -2.5 : 2.5);
        Card(cr, cx, cy, p.angle + spin, p.suit, std::min(1.0, x * 2.0));
    }

    // The title.
    double title = Ease((t - 1.8) / 0.9);
    if (title > 0) {
        cairo_save(cr);
        cairo_translate(cr, width / 2.0, 530);
        double scale = 0.85 + 0.15 * title;
        cairo_scale(cr, scale, scale);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.4 * title);
        Text(cr, "Kartenhaus", "DejaVu Sans Bold 52", 3, 4, true);
        cairo_set_source_rgba(cr, 0.98, 0.86, 0.45, title);
        Text(cr, "Kartenhaus", "DejaVu Sans Bold 52", 0, 0, true);
        cairo_restore(cr);
    }

    // Fade in from black at the start and out to black at the end.
    double black = std::max(1.0 - t / 0.4, (t - (seconds - 0.6)) / 0.6);
    if (black > 0) {
        cairo_set_source_rgba(cr, 0, 0, 0, std::clamp(black, 0.0, 1.0));
        cairo_paint(cr);
    }
}

// The chime: a rising arpeggio of bells, one for each card, and a warm chord under the title.
std::vector<int16_t> MakeSoundTrack() {
    using namespace music;
    Mix mix(seconds + 2.0);
    Voice bell{0.0, 0.4, 0.3}, pad{0.0, 0.5, 0.35};
    const double notes[] = {72, 76, 79, 84, 79, 84, 88};
    const double times[] = {0.4, 0.55, 0.7, 0.85, 1.05, 1.2, 1.45};
    for (int i = 0; i < 7; ++i) {
        bell.pan = -0.5 + i / 6.0;
        Bell(mix, bell, times[i], notes[i], 0.5);
    }
    Pad(mix, pad, 1.8, {60, 64, 67, 72}, 2.2);
    Bell(mix, Voice{0.0, 0.5, 0.35}, 1.9, 60, 0.5);
    dsp::Reverb room(0.8, 0.4, 1.0);
    room.Process(mix.send, mix.left, mix.right, 0.8);
    size_t count = dsp::Samples(seconds);
    double peak = 1e-9;
    for (size_t i = 0; i < count; ++i)
        peak = std::max({peak, double(std::fabs(mix.left[i])), double(std::fabs(mix.right[i]))});
    std::vector<int16_t> pcm(count * 2);
    for (size_t i = 0; i < count; ++i) {
        double t = double(i) / dsp::sampleRate;
        double fade = dsp::FadeIn(t, 0.01) * dsp::FadeIn(seconds - t, 0.6);
        double gain = 0.7 / peak * fade * 32767.0;
        pcm[2 * i] = int16_t(std::lround(mix.left[i] * gain));
        pcm[2 * i + 1] = int16_t(std::lround(mix.right[i] * gain));
    }
    return pcm;
}

} // namespace

bool Write(const std::string& path) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    av_log_set_level(AV_LOG_ERROR);
    AVFormatContext* format = nullptr;
    if (avformat_alloc_output_context2(&format, nullptr, "avi", path.c_str()) < 0) return false;
    format->flags |= AVFMT_FLAG_BITEXACT;

    const AVCodec* videoCodec = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    const AVCodec* audioCodec = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
    if (!videoCodec || !audioCodec) {
        avformat_free_context(format);
        return false;
    }
    AVStream* videoStream = avformat_new_stream(format, nullptr);
    AVCodecContext* video = avcodec_alloc_context3(videoCodec);
    video->width = width;
    video->height = height;
    video->time_base = AVRational{1, fps};
    video->framerate = AVRational{fps, 1};
    video->pix_fmt = AV_PIX_FMT_YUVJ420P;
    video->flags |= AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_QSCALE;
    video->global_quality = FF_QP2LAMBDA * 3;
    video->thread_count = 1;
    if (format->oformat->flags & AVFMT_GLOBALHEADER) video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    AVStream* audioStream = avformat_new_stream(format, nullptr);
    AVCodecContext* audio = avcodec_alloc_context3(audioCodec);
    audio->sample_rate = 44100;
    audio->sample_fmt = AV_SAMPLE_FMT_S16;
    av_channel_layout_default(&audio->ch_layout, 2);
    audio->time_base = AVRational{1, 44100};
    audio->flags |= AV_CODEC_FLAG_BITEXACT;

    bool ok = avcodec_open2(video, videoCodec, nullptr) >= 0 && avcodec_open2(audio, audioCodec, nullptr) >= 0 &&
              avcodec_parameters_from_context(videoStream->codecpar, video) >= 0 &&
              avcodec_parameters_from_context(audioStream->codecpar, audio) >= 0;
    videoStream->time_base = video->time_base;
    audioStream->time_base = audio->time_base;
    ok = ok && avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE) >= 0;
    ok = ok && avformat_write_header(format, nullptr) >= 0;

    AVPacket* packet = av_packet_alloc();
    auto drain = [&](AVCodecContext* codec, AVStream* stream) {
        while (avcodec_receive_packet(codec, packet) >= 0) {
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            av_interleaved_write_frame(format, packet);
        }
    };

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    SwsContext* scaler = sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height,
                                        AV_PIX_FMT_YUVJ420P, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT,
                                        nullptr, nullptr, nullptr);
    AVFrame* frame = av_frame_alloc();
    frame->format = video->pix_fmt;
    frame->width = width;
    frame->height = height;
    ok = ok && scaler && av_frame_get_buffer(frame, 0) >= 0;

    // The sound track, written in video-frame sized pieces so that the two interleave.
    std::vector<int16_t> pcm = MakeSoundTrack();
    AVFrame* sound = av_frame_alloc();
    const int samplesPerFrame = 44100 / fps;
    size_t soundAt = 0;
    int frames = int(seconds * fps);
    for (int n = 0; ok && n < frames; ++n) {
        DrawFrame(cr, double(n) / fps);
        cairo_surface_flush(surface);
        const uint8_t* source[1] = {cairo_image_surface_get_data(surface)};
        int stride[1] = {cairo_image_surface_get_stride(surface)};
        av_frame_make_writable(frame);
        sws_scale(scaler, source, stride, 0, height, frame->data, frame->linesize);
        frame->pts = n;
        if (avcodec_send_frame(video, frame) < 0) ok = false;
        drain(video, videoStream);

        size_t remaining = pcm.size() / 2 - soundAt;
        int count = int(std::min<size_t>(size_t(samplesPerFrame), remaining));
        if (count > 0) {
            av_frame_unref(sound);
            sound->format = AV_SAMPLE_FMT_S16;
            sound->sample_rate = 44100;
            av_channel_layout_default(&sound->ch_layout, 2);
            sound->nb_samples = count;
            av_frame_get_buffer(sound, 0);
            std::copy_n(pcm.data() + soundAt * 2, size_t(count) * 2, reinterpret_cast<int16_t*>(sound->data[0]));
            sound->pts = int64_t(soundAt);
            soundAt += size_t(count);
            if (avcodec_send_frame(audio, sound) < 0) ok = false;
            drain(audio, audioStream);
        }
    }
    avcodec_send_frame(video, nullptr);
    drain(video, videoStream);
    avcodec_send_frame(audio, nullptr);
    drain(audio, audioStream);
    if (ok) ok = av_write_trailer(format) >= 0;

    av_frame_free(&sound);
    av_frame_free(&frame);
    sws_freeContext(scaler);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    av_packet_free(&packet);
    avcodec_free_context(&video);
    avcodec_free_context(&audio);
    if (format->pb) avio_closep(&format->pb);
    avformat_free_context(format);
    return ok;
}

bool WriteStill(const std::string& path, double t) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    DrawFrame(cr, t);
    bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return ok;
}

} // namespace intro
