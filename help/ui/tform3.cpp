#include "help/ui/tform3.hpp"

#include <QPixmap>

#include "app/ui/look.hpp"
#include "help/ui/performance_picture.hpp"

namespace zun::ui {

TForm3::TForm3() : ZunWindow(QStringLiteral("Form3"), QSize(627, 467), kButtonFace, PixelFont(kMsSansSerif, 11)) {
    setObjectName(QStringLiteral("Form3"));
    // The picture is shown at its natural size from its top-left corner; its
    // last column and last two rows lie outside the 625 × 465 place.
    Image1 = Place<QLabel>(this, "Image1", 0, 0, 625, 465);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(DrawPerformanceCurves()));
}

}  // namespace zun::ui
