#pragma once

#include "TuningSamples.h"
#include "engine/ShapeWeights.h"

#include <vector>

namespace kesto::tuning {

// The evaluation's two sets of weights, for the side to move and for the
// side that waits.
struct EvaluationWeights {
    engine::ShapeWeights toMove;
    engine::ShapeWeights waiting;
};

// Reads the evaluation as odds: kLogitScale points are odds of e to 1, so
// a position worth `points` to the side to move is won with the chance
// 1 / (1 + exp(-points / kLogitScale)), a draw counting half.
inline constexpr double kLogitScale = 3000;

// How badly `weights` foretell the samples' outcomes: the mean square of
// the difference between each sample's score and its chance read from the
// evaluation.
double predictionError(const std::vector<Sample>& samples, const EvaluationWeights& weights);

// The weights that foretell the samples' outcomes best, found by gradient
// descent (Adam) from `start` over `rounds` passes. A weight whose shape
// never shows in the samples keeps its starting value.
EvaluationWeights fitWeights(const std::vector<Sample>& samples, const EvaluationWeights& start, int rounds);

} // namespace kesto::tuning
