// Where a needle points: the angles of its calibration table and a value placed between them.
#pragma once

#include <span>

#include "gauge.h"

namespace gaugehost {

// Degrees clockwise on screen from +x, from the needle's position towards (x, y).
double directionTo(gauge::Point from, int x, int y);

// Fills each entry's angle, unwrapped so that the angles grow along the list: the entries run
// clockwise around the pivot, and a table may span almost a full turn.
void computeTableAngles(std::span<gauge::NonlinearityEntry> table, gauge::Point pivot);

// The angle for a value, interpolated linearly between the neighbouring entries whose values
// enclose it; a value beyond the table's ends points at the nearer end.
double angleForValue(std::span<const gauge::NonlinearityEntry> table, double value);

}  // namespace gaugehost
