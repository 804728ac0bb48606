// gearhaven-soundgen OUTDIR: synthesizes the game's 13 effect sounds and two
// motor loops as WAV files. Every sound is made here from sines and noise,
// so the same files come out on every run.

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "soundgen_synth.h"

namespace {

constexpr double TWO_PI = 2.0 * std::numbers::pi;

// The part of a sound that struck metal or wood leaves ringing.
struct Partial {
    double frequency;
    double amplitude;
    double decay;
};

double timeOf(std::size_t i) { return static_cast<double>(i) / SYNTH_RATE; }

Samples blank(double seconds) { return Samples(static_cast<std::size_t>(sampleCount(seconds)), 0.0f); }

// A short burst of filtered noise: the tick of a latch or a flap.
Samples click(double seconds, double centre, double q, double decay, std::uint32_t seed)
{
    Samples out = blank(seconds);
    Noise noise(seed);
    BandPass filter(centre, q);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = filter.process(noise.next()) * static_cast<float>(strike(timeOf(i), 0.0005, decay));
    }
    return out;
}

// A tone that glides in pitch and fades: the whirr of a small servo.
Samples sweep(double seconds, double from, double to, double glide, double attack, double decay)
{
    Samples out = blank(seconds);
    Chirp tone(from, to, glide);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = tone.next() * static_cast<float>(strike(timeOf(i), attack, decay));
    return out;
}

// A falling tone struck at once: a body hitting something.
Samples thump(double seconds, double from, double to, double glide, double decay)
{
    return sweep(seconds, from, to, glide, 0.002, decay);
}

Samples ring(double seconds, const std::vector<Partial>& partials)
{
    Samples out = blank(seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        double sum = 0.0;
        for (const Partial& p : partials)
            sum += p.amplitude * std::sin(TWO_PI * p.frequency * t) * strike(t, 0.002, p.decay);
        out[i] = static_cast<float>(sum);
    }
    return out;
}

// Noise through a band that moves from one centre to another: air and steam.
Samples hiss(double seconds, double from, double to, double q, double attack, double decay, std::uint32_t seed)
{
    Samples out = blank(seconds);
    Noise noise(seed);
    BandPass filter(from, q);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double along = timeOf(i) / seconds;
        if (i % 32 == 0) filter.tune(from * std::pow(to / from, along), q);
        out[i] = filter.process(noise.next()) * static_cast<float>(strike(timeOf(i), attack, decay));
    }
    return out;
}

// Sparse pops of burning wood, at times drawn from the seed.
void addCrackles(Samples& out, int count, double from, double until, float level, std::uint32_t seed)
{
    Noise chance(seed);
    for (int k = 0; k < count; ++k) {
        const double at = from + (until - from) * (0.5 + 0.5 * chance.next());
        const double centre = 2000.0 + 1200.0 * chance.next();
        mixInto(out, click(0.02, centre, 3.0, 0.003, seed + 17 * k), at, level * (1.0f - 0.1f * k));
    }
}

Samples grab()
{
    Samples out = blank(0.14);
    mixInto(out, sweep(0.14, 650, 1050, 0.05, 0.004, 0.035), 0.0, 0.5f);
    mixInto(out, click(0.03, 2800, 4, 0.005, 11), 0.0, 0.6f);
    mixInto(out, thump(0.1, 240, 180, 0.03, 0.025), 0.0, 0.4f);
    finishEffect(out, 0.5f);
    return out;
}

Samples release()
{
    Samples out = blank(0.14);
    mixInto(out, sweep(0.14, 1000, 600, 0.05, 0.004, 0.03), 0.0, 0.45f);
    mixInto(out, click(0.03, 2000, 4, 0.006, 12), 0.01, 0.5f);
    mixInto(out, thump(0.1, 200, 150, 0.03, 0.03), 0.01, 0.4f);
    finishEffect(out, 0.45f);
    return out;
}

Samples mixer()
{
    Samples out = blank(0.45);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double churn = std::sin(TWO_PI * 196 * t) + std::sin(TWO_PI * 199 * t) + 0.4 * std::sin(TWO_PI * 294 * t);
        const double tremolo = 0.6 + 0.4 * std::sin(TWO_PI * 14 * t);
        out[i] = static_cast<float>(0.3 * churn * tremolo * strike(t, 0.04, 0.12));
    }
    mixInto(out, hiss(0.45, 700, 1400, 2, 0.05, 0.12, 13), 0.0, 0.5f);
    finishEffect(out, 0.4f);
    return out;
}

Samples distributor()
{
    Samples out = blank(0.22);
    mixInto(out, click(0.05, 1800, 6, 0.008, 14), 0.0, 1.0f);
    mixInto(out, ring(0.08, {{520, 0.3, 0.02}}), 0.0, 1.0f);
    mixInto(out, click(0.05, 2400, 6, 0.008, 15), 0.085, 0.8f);
    mixInto(out, ring(0.08, {{690, 0.3, 0.02}}), 0.085, 0.8f);
    finishEffect(out, 0.45f);
    return out;
}

Samples ovenInput()
{
    Samples out = blank(0.38);
    mixInto(out, thump(0.38, 95, 55, 0.06, 0.07), 0.0, 1.0f);
    Samples rustle = blank(0.2);
    Noise noise(16);
    LowPass soft(400);
    for (std::size_t i = 0; i < rustle.size(); ++i) {
        rustle[i] = soft.process(noise.next()) * static_cast<float>(strike(timeOf(i), 0.002, 0.04));
    }
    mixInto(out, rustle, 0.0, 1.6f);
    addCrackles(out, 6, 0.03, 0.3, 0.35f, 160);
    finishEffect(out, 0.5f);
    return out;
}

Samples smelterInput()
{
    Samples out = blank(0.45);
    mixInto(out, thump(0.45, 75, 45, 0.08, 0.09), 0.0, 1.0f);
    mixInto(out, ring(0.45, {{523, 0.25, 0.12}, {1287, 0.15, 0.08}, {2213, 0.08, 0.05}}), 0.0, 1.0f);
    mixInto(out, click(0.05, 1200, 3, 0.01, 17), 0.0, 0.5f);
    finishEffect(out, 0.5f);
    return out;
}

Samples ovenOutput()
{
    Samples out = blank(0.5);
    mixInto(out, hiss(0.5, 350, 1300, 1.5, 0.12, 0.12, 18), 0.0, 1.0f);
    mixInto(out, thump(0.2, 130, 90, 0.05, 0.05), 0.02, 0.5f);
    addCrackles(out, 3, 0.1, 0.35, 0.25f, 180);
    finishEffect(out, 0.4f);
    return out;
}

Samples smelterOutput()
{
    Samples out = blank(0.7);
    mixInto(out, ring(0.7, {{880, 1.0, 0.22}, {2420, 0.5, 0.1}, {4150, 0.25, 0.05}}), 0.0, 1.0f);
    mixInto(out, click(0.03, 3500, 3, 0.003, 19), 0.0, 0.5f);
    mixInto(out, thump(0.15, 110, 90, 0.05, 0.04), 0.0, 0.5f);
    finishEffect(out, 0.45f);
    return out;
}

Samples molderClamp()
{
    Samples out = blank(0.3);
    mixInto(out, thump(0.3, 130, 75, 0.04, 0.045), 0.0, 1.0f);
    mixInto(out, click(0.1, 900, 3, 0.02, 20), 0.0, 0.6f);
    mixInto(out, ring(0.2, {{1420, 0.3, 0.05}}), 0.0, 1.0f);
    finishEffect(out, 0.5f);
    return out;
}

Samples molderInject()
{
    Samples out = blank(0.6);
    mixInto(out, hiss(0.6, 2200, 2600, 1.2, 0.06, 0.18, 21), 0.0, 1.0f);
    mixInto(out, sweep(0.6, 280, 420, 0.4, 0.08, 0.2), 0.0, 0.3f);
    finishEffect(out, 0.4f);
    return out;
}

Samples molderOpen()
{
    Samples out = blank(0.42);
    mixInto(out, hiss(0.42, 3200, 1400, 1.5, 0.005, 0.1, 22), 0.0, 1.0f);
    mixInto(out, click(0.06, 1100, 4, 0.012, 23), 0.0, 0.7f);
    mixInto(out, thump(0.2, 160, 110, 0.04, 0.04), 0.0, 0.5f);
    finishEffect(out, 0.45f);
    return out;
}

// Two bell notes a fifth apart, the second a little later.
Samples shopSale()
{
    const auto bell = [](double f) {
        return ring(0.67, {{f, 1.0, 0.28}, {2 * f, 0.35, 0.15}, {3 * f, 0.12, 0.08}, {4.2 * f, 0.05, 0.04}});
    };
    Samples out = blank(0.75);
    mixInto(out, bell(1046.5), 0.0, 1.0f);
    mixInto(out, bell(1568.0), 0.08, 0.9f);
    finishEffect(out, 0.45f);
    return out;
}

Samples ejectorHit()
{
    Samples out = blank(0.28);
    mixInto(out, thump(0.28, 210, 65, 0.07, 0.06), 0.0, 1.0f);
    mixInto(out, click(0.02, 3000, 2, 0.003, 24), 0.0, 0.6f);
    Samples spring = blank(0.28);
    double phase = 0.0;
    for (std::size_t i = 0; i < spring.size(); ++i) {
        const double t = timeOf(i);
        spring[i] = static_cast<float>(std::sin(phase) * strike(t, 0.003, 0.07));
        phase += TWO_PI * (340 + 25 * std::sin(TWO_PI * 28 * t)) / SYNTH_RATE;
    }
    mixInto(out, spring, 0.0, 0.25f);
    finishEffect(out, 0.55f);
    return out;
}

// Loops last one second and use whole-hertz frequencies only, so the last
// sample leads straight back into the first.
constexpr double LOOP_SECONDS = 1.0;

struct Wave {
    double frequency;
    double amplitude;
    double phase;
};

// A soft wash of random-phase sines every `step` Hz in a band: noise that
// repeats exactly with the loop.
std::vector<Wave> noiseBand(int from, int to, int step, double amplitude, std::uint32_t seed)
{
    Noise phases(seed);
    std::vector<Wave> band;
    for (int f = from; f <= to; f += step)
        band.push_back({static_cast<double>(f), amplitude, TWO_PI * phases.next()});
    return band;
}

double bandAt(const std::vector<Wave>& band, double t)
{
    double sum = 0.0;
    for (const Wave& w : band)
        sum += w.amplitude * std::sin(TWO_PI * w.frequency * t + w.phase);
    return sum;
}

Samples armMotor()
{
    Samples out = blank(LOOP_SECONDS);
    const std::vector<Wave> whirr = noiseBand(1200, 3200, 7, 0.0035, 25);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        double hum = 0.0;
        for (int n = 1; n <= 10; ++n)
            hum += std::sin(TWO_PI * 110 * n * t + 0.7 * n) / std::pow(n, 1.8);
        hum += 0.05 * std::sin(TWO_PI * 1320 * t);
        const double wobble = 1.0 + 0.12 * std::sin(TWO_PI * 5 * t);
        out[i] = static_cast<float>(0.5 * hum * wobble + bandAt(whirr, t));
    }
    normalise(out, 0.8f);
    return out;
}

Samples pressMotor()
{
    Samples out = blank(LOOP_SECONDS);
    const std::vector<Wave> flow = noiseBand(150, 700, 3, 0.006, 26);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double stroke = std::pow(0.5 - 0.5 * std::cos(TWO_PI * 4 * t), 2.0);
        double drone = 0.0;
        for (int n = 1; n <= 6; ++n)
            drone += std::sin(TWO_PI * 55 * n * t + 0.3 * n) / n;
        out[i] = static_cast<float>(0.4 * drone * (0.6 + 0.4 * stroke) + bandAt(flow, t) * stroke);
    }
    normalise(out, 0.8f);
    return out;
}

struct Recipe {
    const char* fileName;
    Samples (*make)();
};

const std::vector<Recipe> RECIPES = {
    {"grab.wav", grab},
    {"release.wav", release},
    {"mixer.wav", mixer},
    {"distributor.wav", distributor},
    {"oven_input.wav", ovenInput},
    {"smelter_input.wav", smelterInput},
    {"oven_output.wav", ovenOutput},
    {"smelter_output.wav", smelterOutput},
    {"molder_clamp.wav", molderClamp},
    {"molder_inject.wav", molderInject},
    {"molder_open.wav", molderOpen},
    {"shop_sale.wav", shopSale},
    {"ejector_hit.wav", ejectorHit},
    {"arm_motor.wav", armMotor},
    {"press_motor.wav", pressMotor},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: gearhaven-soundgen OUTDIR\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    for (const Recipe& recipe : RECIPES) {
        const std::string path = (directory / recipe.fileName).string();
        if (!writeWav(path.c_str(), recipe.make())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
