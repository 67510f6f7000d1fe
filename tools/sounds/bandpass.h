// A two-pole band-pass filter (constant peak gain) whose centre may move while it runs.
#pragma once

namespace tessaro::sounds {

class BandPass {
public:
    BandPass(double centre, double q, double sampleRate);

    void tune(double centre, double q);
    double process(double input);

private:
    double sampleRate_;
    double b0_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace tessaro::sounds
