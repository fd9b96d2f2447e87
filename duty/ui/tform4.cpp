#include "duty/ui/tform4.hpp"

#include "app/ui/look.hpp"

namespace zun::ui {

TForm4::TForm4(Forms& forms, MessageSink& messages)
    : ZunWindow(QStringLiteral("工況設定"), QSize(992, 407), kWindow, PixelFont(kArial, 16)),
      forms_(forms),
      messages_(messages) {
    setObjectName(QStringLiteral("Form4"));
}

}  // namespace zun::ui
