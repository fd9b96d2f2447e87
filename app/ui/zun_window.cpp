#include "app/ui/zun_window.hpp"

#include <QGuiApplication>
#include <QScreen>

#include "app/ui/look.hpp"

namespace zun::ui {

ZunWindow::ZunWindow(const QString& caption, QSize clientSize, const QColor& background, const QFont& font)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(font);
    SetBackground(this, background);
}

void ZunWindow::ShowToFront(const QWidget* anchor) {
    show();
    if (!placed_) {
        // Placed once the frame is known, so that the whole window is centred.
        const QRect area = anchor ? anchor->frameGeometry()
                                  : (screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024));
        QRect frame = frameGeometry();
        frame.moveCenter(area.center());
        move(frame.topLeft());
        placed_ = true;
    }
    raise();
    activateWindow();
}

void ZunWindow::SetOverallWidth(int width) {
    const int frame = frameGeometry().width() - geometry().width();
    setFixedSize(width - frame, height());
}

}  // namespace zun::ui
