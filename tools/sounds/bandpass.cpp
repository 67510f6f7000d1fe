// A two-pole band-pass filter (the usual biquad with 0 dB peak gain).
#include "bandpass.h"

#include <cmath>
#include <numbers>

namespace tessaro::sounds {

BandPass::BandPass(double centre, double q, double sampleRate) : sampleRate_(sampleRate)
{
    tune(centre, q);
}

void BandPass::tune(double centre, double q)
{
    const double w = 2 * std::numbers::pi * centre / sampleRate_;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0;
    b2_ = -alpha / a0;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
}

double BandPass::process(double input)
{
    const double output = b0_ * input + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = input;
    y2_ = y1_;
    y1_ = output;
    return output;
}

}  // namespace tessaro::sounds
