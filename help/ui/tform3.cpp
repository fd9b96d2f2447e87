#include "help/ui/tform3.hpp"

#include "app/ui/look.hpp"

namespace zun::ui {

TForm3::TForm3() : ZunWindow(QStringLiteral("Form3"), QSize(627, 467), kButtonFace, PixelFont(kMsSansSerif, 11)) {
    setObjectName(QStringLiteral("Form3"));
}

}  // namespace zun::ui
