#pragma once
// The properties all windows share: a fixed frame, a title bar with system
// menu and minimise button only, placement the first time they are shown.
#include <QWidget>

namespace zun::ui {

class ZunWindow : public QWidget {
public:
    ZunWindow(const QString& caption, QSize clientSize, const QColor& background, const QFont& font);

    // Shows the window (modeless) and brings it to the front. The first time
    // it is placed centred over `anchor`, or on the screen without one; later
    // it reappears where it was left.
    void ShowToFront(const QWidget* anchor);

    // Sets the overall width, frame included; the left edge stays.
    void SetOverallWidth(int width);

    bool placed() const { return placed_; }

private:
    bool placed_ = false;
};

// Builds a child control at a place and size given in client pixels.
template <typename W, typename... Args>
W* Place(QWidget* parent, const char* name, int x, int y, int w, int h, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

}  // namespace zun::ui
