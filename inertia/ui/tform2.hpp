#pragma once
// The motor inertia window "馬達慣量": voltage, motor by power and speed, its
// rotor inertia, and the export into the elevator page.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/ui/zun_window.hpp"

namespace zun::ui {

struct Forms;
class MessageSink;

class TForm2 : public ZunWindow {
public:
    TForm2(Forms& forms, MessageSink& messages);

    void ComboBox1Click();  // a voltage picked
    void Button1Click();    // "OK"
    void Button2Click();    // "Export"

    float selectedInertia() const { return selectedInertia_; }

    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QLabel* Panel1;
    QLabel* Panel2;
    QPushButton* Button1;
    QPushButton* Button2;

private:
    Forms& forms_;
    MessageSink& messages_;
    float selectedInertia_ = 0.0f;
};

}  // namespace zun::ui
