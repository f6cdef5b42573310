#pragma once

// The baseline most benchmarks measure against: copying a finished picture
// of the measured area to its place, which every paint costs anyway.

#include <benchmark/benchmark.h>

#include "platform/gfx/Geometry.h"

// Copies a picture of `area`'s size to `area`'s place in a target of
// `target`'s size, once per iteration.
void BlitBaseline(benchmark::State& state, const gfx::Rect& area, gfx::Size target);

// The whole of a w x h target, from (0, 0).
inline void BlitBaseline(benchmark::State& state, int w, int h) {
  BlitBaseline(state, gfx::Rect::FromXYWH(0, 0, w, h), {w, h});
}
