#pragma once
// Feature vectors of speech for the word recogniser: every 10 ms, the mel
// cepstrum of a 25 ms window (12 coefficients and the log energy) and their
// changes over neighbouring frames. The Fourier transforms are FFTW's.
#include <cstddef>
#include <cstdint>
#include <vector>

struct fftw_plan_s;

namespace orvel {

// One utterance: frames of kFeatureDims values each, one after another.
struct Features {
    int frames = 0;
    std::vector<float> values;
    const float* frame(int i) const { return values.data() + static_cast<size_t>(i) * kDims; }
    static constexpr int kDims = 26;
};

class MfccExtractor {
public:
    static constexpr int kRate = 16000;
    static constexpr int kFrameSamples = 400;  // 25 ms
    static constexpr int kHopSamples = 160;    // 10 ms
    static constexpr int kFftSize = 512;
    static constexpr int kMelBands = 26;
    static constexpr int kCepstra = 12;

    MfccExtractor();
    ~MfccExtractor();
    MfccExtractor(const MfccExtractor&) = delete;
    MfccExtractor& operator=(const MfccExtractor&) = delete;

    // Samples at kRate; fewer than one frame give no frames. Cepstra are taken
    // relative to the utterance's mean and the energy relative to its loudest
    // frame, so a louder or softer voice gives the same features.
    Features extract(const std::vector<int16_t>& samples);

private:
    std::vector<double> window_;
    std::vector<std::vector<std::pair<int, double>>> filters_;  // per band: (bin, weight)
    double* fft_in_ = nullptr;
    void* fft_out_ = nullptr;
    double* dct_in_ = nullptr;
    double* dct_out_ = nullptr;
    fftw_plan_s* fft_plan_ = nullptr;
    fftw_plan_s* dct_plan_ = nullptr;
};

}  // namespace orvel
