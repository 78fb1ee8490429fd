#pragma once

#include "toolkit/gesture/match_measures.h"

namespace gesture {

// Turns the four measures into a match result from 0 (no match) to 100, with
// the threshold 100 - margin:
// - all measures above it: the smallest, its fraction cut off;
// - any measure at most a quarter of it (cut to a whole number): 0;
// - otherwise the mean of the means of the measures above and of those at
//   most the threshold, its fraction cut off, and 0 unless above the
//   threshold (or when either group is empty).
int decideMatch(const MatchMeasures& measures, int margin);

}  // namespace gesture
