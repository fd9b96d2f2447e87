#pragma once
// Connects a signal to a window's handler so that the handler runs inside
// the error guard.
#include <QObject>

#include "app/ui/message_sink.hpp"

namespace zun::ui {

template <typename Sender, typename Signal, typename Window>
void ConnectGuarded(Sender* sender, Signal signal, Window* window, MessageSink& messages, void (Window::*handler)()) {
    QObject::connect(sender, signal, window, [window, handler, &messages] {
        Guarded(messages, [window, handler] { (window->*handler)(); });
    });
}

}  // namespace zun::ui
