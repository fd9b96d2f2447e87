#include "app/ui/pictures.hpp"

#include <QPainter>
#include <QSvgRenderer>

// Resources compiled into a static library are registered explicitly.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace zun::ui {
namespace {

const char* ResourceOf(Picture picture) {
    switch (picture) {
        case Picture::Banner: return ":/pictures/banner.svg";
        case Picture::CheckMark: return ":/pictures/check.svg";
        case Picture::RightArrow: return ":/pictures/arrow_right.svg";
        case Picture::LeftArrow: return ":/pictures/arrow_left.svg";
        case Picture::Help: return ":/pictures/help.svg";
        case Picture::ChartIcon: return ":/pictures/chart.svg";
        case Picture::Plus: return ":/pictures/plus.svg";
        case Picture::Minus: return ":/pictures/minus.svg";
        case Picture::DutySketch: return ":/pictures/duty_sketch.svg";
        case Picture::SpeedProfile: return ":/pictures/speed_profile.svg";
    }
    return "";
}

}  // namespace

QPixmap PicturePixmap(Picture picture, QSize size) {
    static const bool registered = (InitPictureResources(), true);
    (void)registered;
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QString::fromLatin1(ResourceOf(picture)));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

}  // namespace zun::ui
