#pragma once
// The performance-curve window.
#include "app/ui/zun_window.hpp"

namespace zun::ui {

class TForm3 : public ZunWindow {
public:
    TForm3();
};

}  // namespace zun::ui
