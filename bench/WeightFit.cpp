#include "WeightFit.h"

#include <array>
#include <cmath>

namespace kesto::tuning {

namespace {

using engine::kMeetingCount;
using engine::kShapeCount;
using engine::ShapeWeights;

constexpr std::size_t kPerSide = kShapeCount + kMeetingCount;
constexpr std::size_t kParameters = 2 * kPerSide; // the side to move's, then the waiting side's
using Vector = std::array<double, kParameters>;

// Adam's settings. Its steps are in points and shrink as the fit settles.
constexpr double kFirstStep = 4.0;
constexpr double kLastStep = 0.2;
constexpr double kMomentum = 0.9;
constexpr double kSquareMomentum = 0.999;
constexpr double kTiny = 1e-12;

double chance(double points)
{
    return 1 / (1 + std::exp(-points / kLogitScale));
}

// Lays a side's numbers by shape and by meeting (a tally's counts or a
// weight set's weights) into the parameters' order from `from` on.
template <typename Number>
void lay(const std::array<Number, kShapeCount>& lines, const std::array<Number, kMeetingCount>& meetings,
         double sign, std::size_t from, Vector& into)
{
    for (std::size_t i = 0; i < kShapeCount; ++i) {
        into.at(from + i) = sign * lines.at(i);
    }
    for (std::size_t i = 0; i < kMeetingCount; ++i) {
        into.at(from + kShapeCount + i) = sign * meetings.at(i);
    }
}

// A sample's counts, the waiting side's counted against the side to move.
Vector featuresOf(const Sample& sample)
{
    Vector features{};
    lay(sample.toMove.lines, sample.toMove.meetings, 1, 0, features);
    lay(sample.waiting.lines, sample.waiting.meetings, -1, kPerSide, features);
    return features;
}

ShapeWeights weightsAt(const Vector& parameters, std::size_t from)
{
    ShapeWeights weights{};
    for (std::size_t i = 0; i < kShapeCount; ++i) {
        weights.lines.at(i) = static_cast<int>(std::lround(parameters.at(from + i)));
    }
    for (std::size_t i = 0; i < kMeetingCount; ++i) {
        weights.meetings.at(i) = static_cast<int>(std::lround(parameters.at(from + kShapeCount + i)));
    }
    return weights;
}

double dot(const Vector& a, const Vector& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < kParameters; ++i) {
        sum += a[i] * b[i];
    }
    return sum;
}

} // namespace

double predictionError(const std::vector<Sample>& samples, const EvaluationWeights& weights)
{
    if (samples.empty()) {
        return 0;
    }
    double sum = 0;
    for (const Sample& sample : samples) {
        const int points = weights.toMove.worth(sample.toMove) - weights.waiting.worth(sample.waiting);
        const double miss = chance(points) - sample.score;
        sum += miss * miss;
    }
    return sum / static_cast<double>(samples.size());
}

EvaluationWeights fitWeights(const std::vector<Sample>& samples, const EvaluationWeights& start, int rounds)
{
    std::vector<Vector> features;
    features.reserve(samples.size());
    for (const Sample& sample : samples) {
        features.push_back(featuresOf(sample));
    }
    Vector parameters{};
    lay(start.toMove.lines, start.toMove.meetings, 1, 0, parameters);
    lay(start.waiting.lines, start.waiting.meetings, 1, kPerSide, parameters);
    Vector mean{};
    Vector square{};
    for (int round = 1; round <= rounds && !samples.empty(); ++round) {
        Vector gradient{};
        for (std::size_t s = 0; s < samples.size(); ++s) {
            const double p = chance(dot(parameters, features[s]));
            const double slope = 2 * (p - samples[s].score) * p * (1 - p) / kLogitScale;
            for (std::size_t i = 0; i < kParameters; ++i) {
                gradient[i] += slope * features[s][i];
            }
        }
        const double done = static_cast<double>(round) / rounds;
        const double step = kFirstStep * (1 - done) + kLastStep * done;
        for (std::size_t i = 0; i < kParameters; ++i) {
            const double g = gradient[i] / static_cast<double>(samples.size());
            mean[i] = kMomentum * mean[i] + (1 - kMomentum) * g;
            square[i] = kSquareMomentum * square[i] + (1 - kSquareMomentum) * g * g;
            const double meanEstimate = mean[i] / (1 - std::pow(kMomentum, round));
            const double squareEstimate = square[i] / (1 - std::pow(kSquareMomentum, round));
            parameters[i] -= step * meanEstimate / (std::sqrt(squareEstimate) + kTiny);
        }
    }
    return {weightsAt(parameters, 0), weightsAt(parameters, kPerSide)};
}

} // namespace kesto::tuning
