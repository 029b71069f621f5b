#include "runtime/voice/mfcc.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>

namespace orvel {

namespace {
constexpr double kPreEmphasis = 0.97;
constexpr double kLowHz = 100;
constexpr double kHighHz = 7600;
constexpr int kDeltaSpan = 2;
constexpr int kStaticDims = MfccExtractor::kCepstra + 1;

double mel(double hz) { return 2595.0 * std::log10(1.0 + hz / 700.0); }
double hz(double m) { return 700.0 * (std::pow(10.0, m / 2595.0) - 1.0); }
}  // namespace

MfccExtractor::MfccExtractor()
{
    window_.resize(kFrameSamples);
    for (int i = 0; i < kFrameSamples; ++i)
        window_[i] = 0.54 - 0.46 * std::cos(2 * M_PI * i / (kFrameSamples - 1));

    // Triangular filters spaced evenly on the mel scale.
    const int bins = kFftSize / 2 + 1;
    std::vector<double> edges(kMelBands + 2);
    for (int i = 0; i < kMelBands + 2; ++i)
        edges[i] = hz(mel(kLowHz) + (mel(kHighHz) - mel(kLowHz)) * i / (kMelBands + 1)) * kFftSize / kRate;
    filters_.resize(kMelBands);
    for (int b = 0; b < kMelBands; ++b)
        for (int k = 0; k < bins; ++k) {
            double w = 0;
            if (k > edges[b] && k <= edges[b + 1])
                w = (k - edges[b]) / (edges[b + 1] - edges[b]);
            else if (k > edges[b + 1] && k < edges[b + 2])
                w = (edges[b + 2] - k) / (edges[b + 2] - edges[b + 1]);
            if (w > 0)
                filters_[b].push_back({k, w});
        }

    fft_in_ = fftw_alloc_real(kFftSize);
    fft_out_ = fftw_alloc_complex(bins);
    dct_in_ = fftw_alloc_real(kMelBands);
    dct_out_ = fftw_alloc_real(kMelBands);
    fft_plan_ = fftw_plan_dft_r2c_1d(kFftSize, fft_in_, static_cast<fftw_complex*>(fft_out_), FFTW_ESTIMATE);
    dct_plan_ = fftw_plan_r2r_1d(kMelBands, dct_in_, dct_out_, FFTW_REDFT10, FFTW_ESTIMATE);
}

MfccExtractor::~MfccExtractor()
{
    fftw_destroy_plan(fft_plan_);
    fftw_destroy_plan(dct_plan_);
    fftw_free(fft_in_);
    fftw_free(fft_out_);
    fftw_free(dct_in_);
    fftw_free(dct_out_);
}

Features MfccExtractor::extract(const std::vector<int16_t>& samples)
{
    Features f;
    if (samples.size() < static_cast<size_t>(kFrameSamples))
        return f;
    const int frames = 1 + static_cast<int>((samples.size() - kFrameSamples) / kHopSamples);
    std::vector<double> statics(static_cast<size_t>(frames) * kStaticDims);
    auto* spectrum = static_cast<fftw_complex*>(fft_out_);
    for (int t = 0; t < frames; ++t) {
        const size_t start = static_cast<size_t>(t) * kHopSamples;
        double energy = 0;
        for (int i = 0; i < kFftSize; ++i) {
            double v = 0;
            if (i < kFrameSamples) {
                const double prev = start + i > 0 ? samples[start + i - 1] : 0.0;
                v = (samples[start + i] - kPreEmphasis * prev) / 32768.0 * window_[i];
            }
            fft_in_[i] = v;
            energy += v * v;
        }
        fftw_execute(fft_plan_);
        for (int b = 0; b < kMelBands; ++b) {
            double sum = 0;
            for (const auto& [k, w] : filters_[b])
                sum += w * (spectrum[k][0] * spectrum[k][0] + spectrum[k][1] * spectrum[k][1]);
            dct_in_[b] = std::log(sum + 1e-10);
        }
        fftw_execute(dct_plan_);
        double* out = statics.data() + static_cast<size_t>(t) * kStaticDims;
        // FFTW's unnormalised DCT-II: scaled to the orthonormal one.
        const double scale = std::sqrt(2.0 / kMelBands) / 2.0;
        for (int c = 0; c < kCepstra; ++c)
            out[c] = dct_out_[c + 1] * scale;
        out[kCepstra] = std::log(energy + 1e-10);
    }
    // Relative to the utterance: cepstral means and the loudest frame.
    for (int c = 0; c < kCepstra; ++c) {
        double mean = 0;
        for (int t = 0; t < frames; ++t)
            mean += statics[static_cast<size_t>(t) * kStaticDims + c];
        mean /= frames;
        for (int t = 0; t < frames; ++t)
            statics[static_cast<size_t>(t) * kStaticDims + c] -= mean;
    }
    double loudest = -1e30;
    for (int t = 0; t < frames; ++t)
        loudest = std::max(loudest, statics[static_cast<size_t>(t) * kStaticDims + kCepstra]);
    for (int t = 0; t < frames; ++t)
        statics[static_cast<size_t>(t) * kStaticDims + kCepstra] -= loudest;

    // Changes: the regression slope over two frames either side.
    f.frames = frames;
    f.values.resize(static_cast<size_t>(frames) * Features::kDims);
    double norm = 0;
    for (int k = 1; k <= kDeltaSpan; ++k)
        norm += 2.0 * k * k;
    for (int t = 0; t < frames; ++t) {
        float* out = f.values.data() + static_cast<size_t>(t) * Features::kDims;
        const double* here = statics.data() + static_cast<size_t>(t) * kStaticDims;
        for (int d = 0; d < kStaticDims; ++d) {
            out[d] = static_cast<float>(here[d]);
            double slope = 0;
            for (int k = 1; k <= kDeltaSpan; ++k) {
                const int after = std::min(frames - 1, t + k);
                const int before = std::max(0, t - k);
                slope += k * (statics[static_cast<size_t>(after) * kStaticDims + d] -
                              statics[static_cast<size_t>(before) * kStaticDims + d]);
            }
            out[kStaticDims + d] = static_cast<float>(slope / norm);
        }
    }
    return f;
}

}  // namespace orvel
