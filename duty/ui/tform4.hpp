#pragma once
// The working-condition window "工況設定".
#include "app/ui/zun_window.hpp"

namespace zun::ui {

struct Forms;
class MessageSink;

class TForm4 : public ZunWindow {
public:
    TForm4(Forms& forms, MessageSink& messages);

private:
    Forms& forms_;
    MessageSink& messages_;
};

}  // namespace zun::ui
