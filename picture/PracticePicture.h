// SPDX-License-Identifier: MIT
#pragma once

#include "plane/PlaneGeometry.h"
#include "practice/PracticeTask.h"

#include <optional>

namespace zelmora {

class PlaneSurface;

// The picture of a practice task, in surface pixels as the geometry maps the plane: the plane, the
// task's lines in blue without their equations (for グラフをかく, whose line the pupil draws, only
// beside hers once she has checked it),
// the pupil's own answer in vermilion beside them (her line, or her crossing), and the hints given
// so far: lattice points as dots, the slope triangle dashed with its run and rise, a ring where the
// line meets the y axis, the segment's ends, the crossing ringed; and the point that traces a line
// with the keys, ringed in red.
struct PupilAnswer {
    std::optional<ExactLine> Line;    // 式を求める: the line her a and b make over the task's domain;
                                      // グラフをかく: the line through her points, once checked
    std::optional<ExactPoint> Point;  // 交点: the point she gave
    std::vector<ExactPoint> Points{}; // グラフをかく: the points she put
};

void drawPracticePicture(PlaneSurface& surface, const PlaneGeometry& geometry, const PracticeTask& task, int hintsShown,
    const PupilAnswer& pupil = {}, const std::optional<ExactPoint>& traced = std::nullopt);

} // namespace zelmora
