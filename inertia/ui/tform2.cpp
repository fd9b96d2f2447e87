#include "inertia/ui/tform2.hpp"

#include "app/ui/look.hpp"

namespace zun::ui {

TForm2::TForm2(Forms& forms, MessageSink& messages)
    : ZunWindow(QStringLiteral("馬達慣量"), QSize(432, 151), kWindow, PixelFont(kMsSansSerif, 11)),
      forms_(forms),
      messages_(messages) {
    setObjectName(QStringLiteral("Form2"));
}

}  // namespace zun::ui
