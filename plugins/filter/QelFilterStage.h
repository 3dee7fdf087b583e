// One stage of the resonant filter: a two-integrator state-variable filter in single
// precision that clears itself at digital silence. Plain class, free of the host layer.
#pragma once

class TQelFilter {
public:
    virtual ~TQelFilter() = default;
    virtual void tick(float input) = 0;
    virtual void reset() = 0;
};

class TQelFilter1 final : public TQelFilter {
public:
    enum Output { kLow, kBand, kHigh };

    // [audio-thread] At block start the frequency coefficient 2 sin(pi cutoff / rate) is
    // recomputed only when the cutoff or the sample rate changed; it is the same value a
    // per-sample computation gives. Settings under which the loop would grow without bound
    // (a cutoff near half a low sample rate, resonance outside 0 to 1, a negative or NaN
    // coefficient) are held at the nearest stable value.
    void configure(float cutoffHz, float resonance, float sampleRateHz);

    void tick(float input) override;
    // Clears the state; also done after any tick that left a non-finite value in it.
    void reset() override;

    float low() const { return low_; }
    float band() const { return band_; }
    float high() const { return high_; }
    // The output of filter type 0, 1 or 2 (low, band, high pass).
    float output(int type) const { return type == kLow ? low_ : type == kBand ? band_ : high_; }

private:
    float cutoffHz_ = 0.0f;
    float resonance_ = 0.0f;
    float sampleRateHz_ = 0.0f;
    float low_ = 0.0f, band_ = 0.0f, high_ = 0.0f;
    float lastInput_ = 0.0f;

    // Derived from the three settings above.
    float plainFrequency_ = 0.0f;  // 2 sin(pi cutoff / rate)
    float frequency_ = 0.0f;       // f, held within the stable range
    float damping_ = 2.025f;  // q
    float inputGain_ = 1.0f;  // g
};
