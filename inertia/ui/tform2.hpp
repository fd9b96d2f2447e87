#pragma once
// The motor inertia window "馬達慣量".
#include "app/ui/zun_window.hpp"

namespace zun::ui {

struct Forms;
class MessageSink;

class TForm2 : public ZunWindow {
public:
    TForm2(Forms& forms, MessageSink& messages);

private:
    Forms& forms_;
    MessageSink& messages_;
};

}  // namespace zun::ui
