#include "help/ui/performance_picture.hpp"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/ui/look.hpp"
#include "help/performance_curves.hpp"

namespace zun::ui {
namespace {

// The plot frame and its scales.
constexpr int kLeft = 87, kTop = 44, kRight = 588, kBottom = 388;
constexpr double kTimeOrigin = 88.0;     // x of 1 s
constexpr double kDecadeWidth = 167.0;   // pixels per decade of working time
constexpr double kPixelsPerPercent = 3.44;
constexpr double kLowestPercent = 60.0;
constexpr double kHighestPercent = 160.0;

// The legend box and its rows.
constexpr int kLegendLeft = 454, kLegendTop = 66, kLegendRight = 563, kLegendBottom = 241;
constexpr int kLegendRowPitch = 25;
constexpr int kLegendSample = 24;

QPen DashedBlack() {
    QPen pen(Qt::black);
    pen.setWidth(1);
    pen.setStyle(Qt::DashLine);
    return pen;
}

}  // namespace

QPointF CurvePicturePoint(double seconds, double percent) {
    return {kTimeOrigin + kDecadeWidth * std::log10(seconds), kBottom - (percent - kLowestPercent) * kPixelsPerPercent};
}

QImage DrawPerformanceCurves() {
    QImage image(kCurvePictureWidth, kCurvePictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QFont sans = PixelFont(kArial, 13);
    const QFont serif = PixelFont(kTimesNewRoman, 13);

    p.setFont(sans);
    p.drawText(QRect(kLeft, 10, kRight - kLeft, 24), Qt::AlignCenter, QStringLiteral("ZUN Performance"));

    // Grid: a dashed line at every 10 %, and at 2 to 9, 10, 20 to 90, 100 and 200 to 900 s.
    p.setPen(DashedBlack());
    for (double percent = kLowestPercent + 10; percent < kHighestPercent; percent += 10) {
        const int y = static_cast<int>(std::lround(CurvePicturePoint(1, percent).y()));
        p.drawLine(kLeft, y, kRight, y);
    }
    for (double decade : {1.0, 10.0, 100.0}) {
        for (int k = 2; k <= 10; ++k) {
            if (decade * k >= 1000) break;
            const int x = static_cast<int>(std::lround(CurvePicturePoint(decade * k, 100).x()));
            p.drawLine(x, kTop, x, kBottom);
        }
    }

    // Tick labels and axis titles.
    p.setPen(Qt::black);
    p.setFont(serif);
    for (int percent = 60; percent <= 160; percent += 10) {
        const double y = CurvePicturePoint(1, percent).y();
        p.drawText(QRectF(kLeft - 40, y - 8, 34, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(percent));
    }
    for (int seconds : {1, 10, 100, 1000}) {
        const double x = CurvePicturePoint(seconds, 100).x();
        p.drawText(QRectF(x - 20, kBottom + 6, 40, 16), Qt::AlignHCenter | Qt::AlignTop, QString::number(seconds));
    }
    p.setFont(sans);
    p.drawText(QRect(kLeft, kBottom + 26, kRight - kLeft, 18), Qt::AlignCenter, QStringLiteral("Working time (sec)"));
    p.save();
    p.translate(22, (kTop + kBottom) / 2.0);
    p.rotate(-90);
    p.drawText(QRectF(-120, -9, 240, 18), Qt::AlignCenter, QStringLiteral("ZUN output current %"));
    p.restore();

    // The curves, later ones on top.
    p.setRenderHint(QPainter::Antialiasing);
    for (const PerformanceCurve& curve : PerformanceCurves()) {
        QPen pen{QColor(QRgb(curve.rgb))};
        pen.setWidth(2);
        p.setPen(pen);
        QPainterPath path(CurvePicturePoint(1, curve.ValueAt(1)));
        const double last = std::log10(curve.endTime);
        for (double lx = 0.005; lx < last; lx += 0.005) {
            const double t = std::pow(10.0, lx);
            path.lineTo(CurvePicturePoint(t, curve.ValueAt(t)));
        }
        path.lineTo(CurvePicturePoint(curve.endTime, curve.ValueAt(curve.endTime)));
        p.drawPath(path);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    // Frame, then the legend inside it.
    QPen frame(Qt::black);
    frame.setWidth(2);
    frame.setJoinStyle(Qt::MiterJoin);
    p.setPen(frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(kLeft + 1, kTop + 1), QPoint(kRight, kBottom)));
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(QRect(QPoint(kLegendLeft, kLegendTop), QPoint(kLegendRight - 1, kLegendBottom - 1)));
    p.setFont(serif);
    int row = 0;
    for (const PerformanceCurve& curve : PerformanceCurves()) {
        const int y = kLegendTop + 13 + row * kLegendRowPitch;
        QPen pen{QColor(QRgb(curve.rgb))};
        pen.setWidth(2);
        p.setPen(pen);
        p.drawLine(kLegendLeft + 6, y, kLegendLeft + 6 + kLegendSample, y);
        p.setPen(Qt::black);
        p.drawText(QRect(kLegendLeft + 36, y - 9, 70, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(curve.name));
        ++row;
    }
    return image;
}

}  // namespace zun::ui
