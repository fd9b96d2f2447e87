#include "inertia/ui/tform2.hpp"

#include <QLineEdit>

#include "app/ui/forms.hpp"
#include "app/ui/guarded_connect.hpp"
#include "app/ui/look.hpp"
#include "app/ui/tform1.hpp"
#include "inertia/inertia_catalogue.hpp"

namespace zun::ui {
namespace {

QComboBox* MotorList(QWidget* parent, const char* name, const QString& placeholder, bool for220) {
    auto* box = Place<QComboBox>(parent, name, 8, 64, 177, 24);
    for (const InertiaEntry& e : InertiaCatalogue()) box->addItem(QString::fromUtf8(for220 ? e.item220 : e.item380));
    box->setPlaceholderText(placeholder);
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(16);
    return box;
}

QLabel* WhitePanel(QWidget* parent, const char* name, int x, int w, const QString& text = {}) {
    auto* panel = Place<QLabel>(parent, name, x, 56, w, 33, text);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(panel, kWindow);
    return panel;
}

std::optional<int> Selected(const QComboBox* box) {
    return box->currentIndex() >= 0 ? std::optional<int>(box->currentIndex()) : std::nullopt;
}

}  // namespace

TForm2::TForm2(Forms& forms, MessageSink& messages)
    : ZunWindow(QStringLiteral("馬達慣量"), QSize(432, 151), kWindow, PixelFont(kMsSansSerif, 13)),
      forms_(forms),
      messages_(messages) {
    setObjectName(QStringLiteral("Form2"));
    ComboBox1 = Place<QComboBox>(this, "ComboBox1", 8, 24, 129, 24);
    ComboBox1->addItems({QStringLiteral("220V"), QStringLiteral("380V")});
    ComboBox1->setPlaceholderText(QStringLiteral("Moter voltage"));
    ComboBox1->setCurrentIndex(-1);
    ComboBox2 = MotorList(this, "ComboBox2", QStringLiteral("馬達馬力與轉速"), true);
    ComboBox3 = MotorList(this, "ComboBox3", QStringLiteral("Power & Speed"), false);
    ComboBox3->hide();
    Panel1 = WhitePanel(this, "Panel1", 192, 89);
    Panel2 = WhitePanel(this, "Panel2", 280, 65, QStringLiteral("kg-m^2"));
    Button1 = Place<QPushButton>(this, "Button1", 352, 64, 75, 25, QStringLiteral("OK"));
    Button2 = Place<QPushButton>(this, "Button2", 72, 104, 289, 33, QStringLiteral("Export"));

    ConnectGuarded(ComboBox1, &QComboBox::activated, this, messages_, &TForm2::ComboBox1Click);
    ConnectGuarded(Button1, &QPushButton::clicked, this, messages_, &TForm2::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, messages_, &TForm2::Button2Click);
}

void TForm2::ComboBox1Click() {
    switch (ComboBox1->currentIndex()) {
        case 0:
            ComboBox2->show();
            ComboBox3->hide();
            break;
        case 1:
            ComboBox3->show();
            ComboBox2->hide();
            break;
        default: break;
    }
}

void TForm2::Button1Click() {
    if (const auto inertia = LookUpInertia(Selected(ComboBox1), Selected(ComboBox2), Selected(ComboBox3))) {
        selectedInertia_ = *inertia;
    }
    Panel1->setText(QString::fromStdString(InertiaText(selectedInertia_)));
}

void TForm2::Button2Click() {
    forms_.Form1->Edit11->setText(QString::fromStdString(InertiaText(selectedInertia_)));
}

}  // namespace zun::ui
