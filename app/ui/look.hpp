#pragma once
// Fonts and colours of the windows. Fonts are asked for by their original
// names; substitutions map them onto the Debian fonts that stand in for them.
#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace zun::ui {

inline const QString kMingLiU = QStringLiteral("新細明體");
inline const QString kArial = QStringLiteral("Arial");
inline const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kTimesNewRoman = QStringLiteral("Times New Roman");

// Registers the substitutions; call once after the application object exists.
void InstallFontSubstitutions();

// A font by family and character height in pixels.
QFont PixelFont(const QString& family, int pixels, bool bold = false);

// System colours of the classic window scheme the layouts were drawn in.
inline const QColor kButtonFace{0xF0, 0xF0, 0xF0};
inline const QColor kActiveBorder{0xD4, 0xD0, 0xC8};
inline const QColor kWindow{Qt::white};

// Sets the widget's background colour (its palette's window or base role).
void SetBackground(QWidget* widget, const QColor& colour);

}  // namespace zun::ui
