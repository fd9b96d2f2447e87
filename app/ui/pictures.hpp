#pragma once
// The program's pictures and button icons, kept as SVG resources.
#include <QPixmap>
#include <QSize>

namespace zun::ui {

enum class Picture {
    Banner,
    CheckMark,
    RightArrow,
    LeftArrow,
    Help,
    ChartIcon,
    Plus,
    Minus,
    DutySketch,
    SpeedProfile,
};

// The picture rendered at exactly `size` pixels.
QPixmap PicturePixmap(Picture picture, QSize size);

}  // namespace zun::ui
