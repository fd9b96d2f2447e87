#pragma once
// The performance-curve picture, drawn from the curve table.
#include <QImage>
#include <QPointF>

namespace zun::ui {

inline constexpr int kCurvePictureWidth = 626;
inline constexpr int kCurvePictureHeight = 467;

// Pixel position of a working time (s) and an output current (%) in the plot.
QPointF CurvePicturePoint(double seconds, double percent);

// The picture at its natural size, 626 × 467 pixels.
QImage DrawPerformanceCurves();

}  // namespace zun::ui
