#include "soundgen_synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace {

constexpr double TWO_PI = 2.0 * std::numbers::pi;

void put16(std::ofstream& out, std::uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

float peakOf(const Samples& samples)
{
    float peak = 0.0f;
    for (float s : samples)
        peak = std::max(peak, std::fabs(s));
    return peak;
}

}  // namespace

int sampleCount(double seconds) { return static_cast<int>(std::lround(seconds * SYNTH_RATE)); }

float Noise::next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
}

BandPass::BandPass(double centre, double q) { tune(centre, q); }

void BandPass::tune(double centre, double q)
{
    const double w = TWO_PI * centre / SYNTH_RATE;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2.0 * std::cos(w) / a0;
    a2_ = (1.0 - alpha) / a0;
}

float BandPass::process(float x)
{
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

LowPass::LowPass(double cutoff) : a_(1.0 - std::exp(-TWO_PI * cutoff / SYNTH_RATE)) {}

float LowPass::process(float x)
{
    y_ += a_ * (x - y_);
    return static_cast<float>(y_);
}

double strike(double t, double attack, double decay)
{
    if (t < 0.0) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

Chirp::Chirp(double from, double to, double glide) : from_(from), to_(to), glide_(glide) {}

float Chirp::next()
{
    const double t = static_cast<double>(n_++) / SYNTH_RATE;
    const double along = std::min(t / glide_, 1.0);
    const double frequency = from_ * std::pow(to_ / from_, along);
    const double value = std::sin(phase_);
    phase_ = std::fmod(phase_ + TWO_PI * frequency / SYNTH_RATE, TWO_PI);
    return static_cast<float>(value);
}

void mixInto(Samples& target, const Samples& source, double offset, float scale)
{
    const auto start = static_cast<std::size_t>(sampleCount(offset));
    for (std::size_t i = 0; i < source.size() && start + i < target.size(); ++i)
        target[start + i] += scale * source[i];
}

void finishEffect(Samples& samples, float peak)
{
    normalise(samples, peak);
    const std::size_t fade = std::min<std::size_t>(samples.size(), static_cast<std::size_t>(sampleCount(0.008)));
    for (std::size_t i = 0; i < fade; ++i) {
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    }
}

void normalise(Samples& samples, float peak)
{
    const float current = peakOf(samples);
    if (current <= 0.0f) return;
    for (float& s : samples)
        s *= peak / current;
}

bool writeWav(const char* path, const Samples& samples)
{
    std::ofstream out(path, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);  // PCM format chunk
    put16(out, 1);   // integer PCM
    put16(out, 1);   // mono
    put32(out, SYNTH_RATE);
    put32(out, SYNTH_RATE * 2);
    put16(out, 2);   // bytes per frame
    put16(out, 16);  // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (float s : samples) {
        const long value = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    out.close();
    return !out.fail();
}
