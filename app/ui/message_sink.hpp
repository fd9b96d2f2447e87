#pragma once
// The one seam through which windows show modal messages, and the guard that
// every event handler runs inside.
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace zun::ui {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A modal informational box: no icon, one "OK".
    virtual void Information(const QString& text) = 0;
    // The general error display: error icon, one "OK"; `text` is shown as is.
    virtual void Error(const QString& text) = 0;
};

// The real boxes, titled with the executable's name without its extension.
class MessageBoxSink : public MessageSink {
public:
    void Information(const QString& text) override;
    void Error(const QString& text) override;
};

// Records the boxes instead of showing them; for tests and the screenshot tool.
class RecordingSink : public MessageSink {
public:
    struct Box {
        bool error;
        QString text;
        bool operator==(const Box&) const = default;
    };
    void Information(const QString& text) override { boxes.push_back({false, text}); }
    void Error(const QString& text) override { boxes.push_back({true, text}); }
    std::vector<Box> boxes;
};

// The application's title: the executable's name without its extension.
QString ApplicationTitle();

// Runs a handler. An error ends it: the error box shows the error's text
// (with the full-stop rule) and the program goes on; nothing thrown leaves.
void Guarded(MessageSink& messages, const std::function<void()>& handler);

}  // namespace zun::ui
