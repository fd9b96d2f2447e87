#pragma once
// The main window: the "Current Selection" tab, the two elevator pages and
// the result area on the right, with the handlers that switch between them.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include "app/ui/zun_window.hpp"

class QChartView;
class QChart;
class QLineSeries;

namespace zun::ui {

struct Forms;
class MessageSink;

// The result area starts at this x; the narrow view hides everything from it.
inline constexpr int kNarrowWidth = 590;
inline constexpr int kWideWidth = 1010;

class TForm1 : public ZunWindow {
public:
    TForm1(Forms& forms, MessageSink& messages);

    // Handlers, named after control and event.
    void PageControl1Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void CheckBox1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void ComboBox4Change();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton11Click();
    void SpeedButton12Click();
    void SpeedButton13Click();

    MessageSink& messages() { return messages_; }

    QLabel* Image3;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;

    // "Current Selection"
    QLabel* Image1;
    QToolButton* SpeedButton9;
    QGroupBox* GroupBox1;
    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* Label31;
    QComboBox* ComboBox4;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QToolButton* SpeedButton10;
    QGroupBox* GroupBox6;
    QLabel* Panel7;
    QLineEdit* Edit3;
    QLabel* Label15;
    QLineEdit* Edit22;
    QLabel* Label7;
    QLineEdit* Edit1;
    QLabel* Label3;
    QLineEdit* Edit2;
    QCheckBox* CheckBox1;
    QGroupBox* GroupBox2;
    QLabel* Label5;
    QLabel* Panel1;
    QLabel* Label6;
    QLabel* Panel2;
    QToolButton* SpeedButton1;

    // "Elevator Application"
    QTabWidget* PageControl2;
    QWidget* TabSheet4;
    QWidget* TabSheet5;
    QGroupBox* GroupBox3;
    QLabel* Label8;
    QComboBox* ComboBox3;
    QLabel* Label9;
    QLineEdit* Edit4;
    QLabel* Label12;
    QLineEdit* Edit8;
    QLabel* Label10;
    QLineEdit* Edit5;
    QLabel* Label14;
    QLineEdit* Edit7;
    QLabel* Label11;
    QLineEdit* Edit6;
    QToolButton* SpeedButton13;
    QLabel* Label13;
    QLineEdit* Edit10;
    QToolButton* SpeedButton6;
    QGroupBox* GroupBox4;
    QLabel* Label16;
    QLineEdit* Edit11;
    QToolButton* SpeedButton5;
    QLabel* Label17;
    QLineEdit* Edit12;
    QToolButton* SpeedButton12;
    QLabel* Label18;
    QLineEdit* Edit13;
    QToolButton* SpeedButton2;

    QGroupBox* GroupBox5;
    QLabel* Label19;
    QComboBox* ComboBox2;
    QLabel* Label20;
    QLineEdit* Edit14;
    QToolButton* SpeedButton7;
    QLabel* Label4;
    QLineEdit* Edit9;
    QToolButton* SpeedButton8;
    QLabel* Label2;
    QLineEdit* Edit21;
    QToolButton* SpeedButton11;
    QLabel* Label21;
    QLineEdit* Edit15;
    QLabel* Label26;
    QLineEdit* Edit20;
    QLabel* Label22;
    QLineEdit* Edit16;
    QLabel* Label23;
    QLineEdit* Edit17;
    QLabel* Label24;
    QLineEdit* Edit18;
    QLabel* Label25;
    QLineEdit* Edit19;
    QLabel* Label30;
    QLabel* Panel6;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;

    // Result area
    QLabel* Label27;
    QLabel* Panel3;
    QLabel* Label29;
    QLabel* Panel5;
    QLabel* Label28;
    QLabel* Panel4;
    QLabel* Image2;
    QChartView* Chart2;
    QChartView* Chart1;
    QLineSeries* Series1;
    QLineSeries* Series2;
    QLineSeries* Series3;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildCurrentSelection();
    void BuildElevatorPage1();
    void BuildElevatorPage2();
    void BuildResultArea();
    void ConnectHandlers();
    void NarrowView();
    // Connects a signal to a handler that runs inside the error guard.
    template <typename Sender, typename Signal>
    void On(Sender* sender, Signal signal, void (TForm1::*handler)());

    Forms& forms_;
    MessageSink& messages_;
};

}  // namespace zun::ui
