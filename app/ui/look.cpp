#include "app/ui/look.hpp"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace zun::ui {

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(kMingLiU, {QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK")});
    QFont::insertSubstitution(kArial, QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(kMsSansSerif, QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(kTimesNewRoman, QStringLiteral("Liberation Serif"));
}

QFont PixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(qobject_cast<QLineEdit*>(widget) ? QPalette::Base : QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace zun::ui
