#pragma once

#include <cstdint>
#include <vector>

// Small building blocks for synthesizing the game's sounds: everything works
// on mono float samples at 48 kHz and is deterministic, so the generator
// writes the same files on every run.

constexpr int SYNTH_RATE = 48000;

using Samples = std::vector<float>;

// Seconds to whole samples.
int sampleCount(double seconds);

// White noise in [-1, 1) from a fixed seed.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed == 0 ? 1 : seed) {}
    float next();

  private:
    std::uint32_t state_;
};

// A resonant band-pass filter (constant peak gain).
class BandPass {
  public:
    BandPass(double centre, double q);
    void tune(double centre, double q);
    float process(float x);

  private:
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A one-pole low-pass.
class LowPass {
  public:
    explicit LowPass(double cutoff);
    float process(float x);

  private:
    double a_;
    double y_ = 0;
};

// Rises linearly over `attack` seconds, then decays exponentially with the
// time constant `decay`; 0 before time 0.
double strike(double t, double attack, double decay);

// A sine whose frequency glides exponentially from `from` to `to` Hz over
// `glide` seconds, its phase integrated so the glide has no clicks.
class Chirp {
  public:
    Chirp(double from, double to, double glide);
    float next();

  private:
    double from_, to_, glide_;
    double phase_ = 0;
    int n_ = 0;
};

// Adds `source` into `target` starting at `offset` seconds, scaled.
void mixInto(Samples& target, const Samples& source, double offset, float scale);

// Scales to the given peak and fades the last milliseconds to exact silence.
void finishEffect(Samples& samples, float peak);

// Scales a seamless loop to the given peak without touching its ends.
void normalise(Samples& samples, float peak);

// 16-bit mono PCM at 48 kHz; false when the file cannot be written.
bool writeWav(const char* path, const Samples& samples);
