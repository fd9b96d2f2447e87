#pragma once
// The performance-curve window: one picture of the unit's allowed output
// current over working time by duty class.
#include <QLabel>

#include "app/ui/zun_window.hpp"

namespace zun::ui {

class TForm3 : public ZunWindow {
public:
    TForm3();

    QLabel* Image1;
};

}  // namespace zun::ui
