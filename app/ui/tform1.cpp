#include "app/ui/tform1.hpp"

#include <QChartView>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineSeries>
#include <QTabBar>

#include "app/ui/forms.hpp"
#include "app/ui/guarded_connect.hpp"
#include "app/ui/look.hpp"
#include "app/ui/message_sink.hpp"
#include "app/ui/pictures.hpp"
#include "duty/ui/simple_selection_view.hpp"
#include "duty/ui/tform4.hpp"
#include "elevator/ui/cycle_charts.hpp"
#include "elevator/ui/elevator_view.hpp"
#include "help/help_texts.hpp"
#include "help/ui/tform3.hpp"
#include "inertia/ui/tform2.hpp"

namespace zun::ui {
namespace {

constexpr int kEditWidth = 90;
constexpr int kEditHeight = 24;
constexpr int kBigButton = 73;
constexpr int kHelpButton = 33;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int px) {
    auto* label = Place<QLabel>(parent, name, x, y, w, 24, text);
    label->setFont(PixelFont(kArial, px));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int x, int y, const QString& text = {}) {
    auto* edit = Place<QLineEdit>(parent, name, x, y, kEditWidth, kEditHeight, text);
    edit->setFont(PixelFont(kArial, 16));
    SetBackground(edit, kWindow);
    return edit;
}

QComboBox* MakeList(QWidget* parent, const char* name, int x, int y, int w, const QStringList& items, int px) {
    auto* box = Place<QComboBox>(parent, name, x, y, w, kEditHeight);
    box->setFont(PixelFont(kArial, px));
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

QLabel* MakePanel(QWidget* parent, const char* name, int x, int y, int w, int h, const QFont& font) {
    auto* panel = Place<QLabel>(parent, name, x, y, w, h);
    panel->setFont(font);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(panel, kWindow);
    return panel;
}

QToolButton* MakeButton(QWidget* parent, const char* name, int x, int y, int size, Picture picture) {
    auto* button = Place<QToolButton>(parent, name, x, y, size, size);
    button->setIcon(PicturePixmap(picture, QSize(size - 8, size - 8)));
    button->setIconSize(QSize(size - 8, size - 8));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& caption, int x, int y, int w, int h) {
    auto* group = Place<QGroupBox>(parent, name, x, y, w, h, caption);
    group->setFont(PixelFont(kArial, 17, true));
    SetBackground(group, kActiveBorder);
    return group;
}

// The group's caption font is bold; its controls are set one by one.
void PlainChildren(QGroupBox* group) {
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->font().bold() || qobject_cast<QLineEdit*>(child)) {
            QFont font = child->font();
            font.setBold(false);
            child->setFont(font);
        }
    }
}

}  // namespace

TForm1::TForm1(Forms& forms, MessageSink& messages)
    : ZunWindow(QStringLiteral("ZUN_ST"), QSize(579, 625), kWindow, PixelFont(kMingLiU, 13)),
      forms_(forms),
      messages_(messages) {
    setObjectName(QStringLiteral("Form1"));
    Image3 = Place<QLabel>(this, "Image3", 0, 0, 289, 121);
    Image3->setPixmap(PicturePixmap(Picture::Banner, QSize(289, 121)));

    PageControl1 = Place<QTabWidget>(this, "PageControl1", 0, 120, 580, 505);
    PageControl1->tabBar()->setFont(PixelFont(kArial, 16));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    SetBackground(TabSheet1, kWindow);
    SetBackground(TabSheet2, kWindow);
    PageControl1->addTab(TabSheet1, QStringLiteral("Current Selection"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Elevator Application"));

    BuildCurrentSelection();
    PageControl2 = Place<QTabWidget>(TabSheet2, "PageControl2", 2, 2, 569, 505);
    PageControl2->tabBar()->hide();
    PageControl2->setDocumentMode(true);
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    SetBackground(TabSheet4, kWindow);
    SetBackground(TabSheet5, kWindow);
    PageControl2->addTab(TabSheet4, QString());
    PageControl2->addTab(TabSheet5, QString());
    BuildElevatorPage1();
    BuildElevatorPage2();
    BuildResultArea();
    ConnectHandlers();
}

void TForm1::BuildCurrentSelection() {
    QWidget* p = TabSheet1;
    Image1 = Place<QLabel>(p, "Image1", 136, 8, 321, 105);
    Image1->setPixmap(PicturePixmap(Picture::DutySketch, QSize(321, 109)));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SpeedButton9 = MakeButton(p, "SpeedButton9", 472, 36, 49, Picture::ChartIcon);

    GroupBox1 = MakeGroup(p, "GroupBox1", QStringLiteral("Setting"), 8, 120, 289, 170);
    Label1 = MakeLabel(GroupBox1, "Label1", QStringLiteral("Voltage(V)"), 12, 30, 110, 16);
    ComboBox1 = MakeList(GroupBox1, "ComboBox1", 120, 30, 100, {"220V", "380V", "440V"}, 16);
    Label31 = MakeLabel(GroupBox1, "Label31", QStringLiteral("condition"), 12, 70, 100, 16);
    ComboBox4 = MakeList(GroupBox1, "ComboBox4", 96, 70, 180,
                         {QStringLiteral("VFD DCBUS current(Adc)"), QStringLiteral("ZUN output current(Aac)")}, 13);
    RadioButton1 = Place<QRadioButton>(GroupBox1, "RadioButton1", 12, 120, 110, 24, QStringLiteral("Simple setting"));
    RadioButton1->setFont(PixelFont(kArial, 13));
    RadioButton1->setChecked(true);
    RadioButton2 =
        Place<QRadioButton>(GroupBox1, "RadioButton2", 124, 120, 128, 24, QStringLiteral("Multiform setting"));
    RadioButton2->setFont(PixelFont(kArial, 13));
    SpeedButton10 = MakeButton(GroupBox1, "SpeedButton10", 254, 120, 25, Picture::ChartIcon);
    PlainChildren(GroupBox1);

    GroupBox2 = MakeGroup(p, "GroupBox2", QStringLiteral("Result"), 304, 120, 265, 170);
    Label5 = MakeLabel(GroupBox2, "Label5", QStringLiteral("Duty (%ED)"), 14, 44, 100, 17);
    Panel1 = MakePanel(GroupBox2, "Panel1", 120, 38, 129, 37, PixelFont(kArial, 21, true));
    Label6 = MakeLabel(GroupBox2, "Label6", QStringLiteral("ZUN."), 14, 108, 100, 17);
    Panel2 = MakePanel(GroupBox2, "Panel2", 120, 102, 129, 37, PixelFont(kArial, 21, true));
    PlainChildren(GroupBox2);
    Panel1->setFont(PixelFont(kArial, 21, true));
    Panel2->setFont(PixelFont(kArial, 21, true));

    GroupBox6 = MakeGroup(p, "GroupBox6", QStringLiteral("Simple application"), 8, 298, 377, 170);
    Panel7 = Place<QLabel>(GroupBox6, "Panel7", 12, 30, 170, 24, QStringLiteral("Current(A)"));
    Panel7->setFont(PixelFont(kArial, 13));
    Panel7->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Edit3 = MakeEdit(GroupBox6, "Edit3", 184, 30);
    Label15 = MakeLabel(GroupBox6, "Label15", QStringLiteral("Temperature(℃)"), 12, 64, 170, 13);
    Edit22 = MakeEdit(GroupBox6, "Edit22", 184, 64);
    Label7 = MakeLabel(GroupBox6, "Label7", QStringLiteral("Working time-t(sec)"), 12, 98, 170, 13);
    Edit1 = MakeEdit(GroupBox6, "Edit1", 184, 98);
    Label3 = MakeLabel(GroupBox6, "Label3", QStringLiteral("Period-T(sec)"), 12, 132, 170, 13);
    Edit2 = MakeEdit(GroupBox6, "Edit2", 184, 132);
    CheckBox1 = Place<QCheckBox>(GroupBox6, "CheckBox1", 284, 132, 88, 24, QStringLiteral("Continuous"));
    CheckBox1->setFont(PixelFont(kArial, 13));
    PlainChildren(GroupBox6);

    SpeedButton1 = MakeButton(p, "SpeedButton1", 472, 392, kBigButton, Picture::CheckMark);
}

void TForm1::BuildElevatorPage1() {
    QWidget* p = TabSheet4;
    GroupBox3 = MakeGroup(p, "GroupBox3", QStringLiteral("Elevator setting"), 4, 4, 561, 214);
    constexpr int lx = 10, ex = 162, bx = 254, rx = 294, rex = 434, rbx = 526;
    Label8 = MakeLabel(GroupBox3, "Label8", QStringLiteral("suspension ratio"), lx, 34, 150, 16);
    ComboBox3 = MakeList(GroupBox3, "ComboBox3", ex, 34, kEditWidth, {"1:1", "2:1"}, 16);
    Label9 = MakeLabel(GroupBox3, "Label9", QStringLiteral("Max. load(kg)"), lx, 78, 150, 16);
    Edit4 = MakeEdit(GroupBox3, "Edit4", ex, 78);
    Label10 = MakeLabel(GroupBox3, "Label10", QStringLiteral("Elevator weight(kg)"), lx, 122, 150, 16);
    Edit5 = MakeEdit(GroupBox3, "Edit5", ex, 122);
    Label11 = MakeLabel(GroupBox3, "Label11", QStringLiteral("Weighting coefficient"), lx, 166, 150, 16);
    Edit6 = MakeEdit(GroupBox3, "Edit6", ex, 166, QStringLiteral("0.5"));
    SpeedButton13 = MakeButton(GroupBox3, "SpeedButton13", bx, 161, kHelpButton, Picture::Help);
    Label12 = MakeLabel(GroupBox3, "Label12", QStringLiteral("Speed(m/min)"), rx, 34, 138, 16);
    Edit8 = MakeEdit(GroupBox3, "Edit8", rex, 34);
    Label14 = MakeLabel(GroupBox3, "Label14", QStringLiteral("Cable diameter(m)"), rx, 78, 138, 16);
    Edit7 = MakeEdit(GroupBox3, "Edit7", rex, 78);
    Label13 = MakeLabel(GroupBox3, "Label13", QStringLiteral("ME efficiency"), rx, 122, 138, 16);
    Edit10 = MakeEdit(GroupBox3, "Edit10", rex, 122, QStringLiteral("0.9"));
    SpeedButton6 = MakeButton(GroupBox3, "SpeedButton6", rbx, 117, kHelpButton, Picture::Help);
    PlainChildren(GroupBox3);

    GroupBox4 = MakeGroup(p, "GroupBox4", QStringLiteral("Motor setting"), 4, 226, 313, 170);
    Label16 = MakeLabel(GroupBox4, "Label16", QStringLiteral("Inertia(kg-m^2)"), lx, 34, 150, 16);
    Edit11 = MakeEdit(GroupBox4, "Edit11", ex, 34);
    SpeedButton5 = MakeButton(GroupBox4, "SpeedButton5", bx, 29, kHelpButton, Picture::Help);
    Label17 = MakeLabel(GroupBox4, "Label17", QStringLiteral("Reduction ratio"), lx, 78, 150, 16);
    Edit12 = MakeEdit(GroupBox4, "Edit12", ex, 78);
    SpeedButton12 = MakeButton(GroupBox4, "SpeedButton12", bx, 73, kHelpButton, Picture::Help);
    Label18 = MakeLabel(GroupBox4, "Label18", QStringLiteral("Motor efficiency"), lx, 122, 150, 16);
    Edit13 = MakeEdit(GroupBox4, "Edit13", ex, 122, QStringLiteral("0.8"));
    PlainChildren(GroupBox4);

    SpeedButton2 = MakeButton(p, "SpeedButton2", 440, 296, kBigButton, Picture::RightArrow);
}

void TForm1::BuildElevatorPage2() {
    QWidget* p = TabSheet5;
    GroupBox5 = MakeGroup(p, "GroupBox5", QStringLiteral("Application"), 4, 4, 561, 380);
    constexpr int lx = 10, ex = 196, bx = 288, rx = 352, rex = 440;
    Label19 = MakeLabel(GroupBox5, "Label19", QStringLiteral("Zun Voltage(V)"), lx, 34, 184, 16);
    ComboBox2 = MakeList(GroupBox5, "ComboBox2", ex, 34, kEditWidth, {"220V", "380V", "440V"}, 16);
    Label20 = MakeLabel(GroupBox5, "Label20", QStringLiteral("VFD Voltage(V)"), lx, 78, 184, 16);
    Edit14 = MakeEdit(GroupBox5, "Edit14", ex, 78);
    SpeedButton7 = MakeButton(GroupBox5, "SpeedButton7", bx, 73, kHelpButton, Picture::Help);
    Label4 = MakeLabel(GroupBox5, "Label4", QStringLiteral("Power factor(Moter)"), lx, 122, 184, 16);
    Edit9 = MakeEdit(GroupBox5, "Edit9", ex, 122, QStringLiteral("0.8"));
    SpeedButton8 = MakeButton(GroupBox5, "SpeedButton8", bx, 117, kHelpButton, Picture::Help);
    Label2 = MakeLabel(GroupBox5, "Label2", QStringLiteral("Power factor(Generator)"), lx, 166, 184, 16);
    Edit21 = MakeEdit(GroupBox5, "Edit21", ex, 166, QStringLiteral("0.8"));
    SpeedButton11 = MakeButton(GroupBox5, "SpeedButton11", bx, 161, kHelpButton, Picture::Help);
    Label21 = MakeLabel(GroupBox5, "Label21", QStringLiteral("Source coltage(V)"), lx, 210, 184, 16);
    Edit15 = MakeEdit(GroupBox5, "Edit15", ex, 210);
    Label26 = MakeLabel(GroupBox5, "Label26", QStringLiteral("VFD efficiency"), lx, 254, 184, 16);
    Edit20 = MakeEdit(GroupBox5, "Edit20", ex, 254, QStringLiteral("0.9"));
    Label22 = MakeLabel(GroupBox5, "Label22", QStringLiteral("T1(sec)"), rx, 34, 84, 16);
    Edit16 = MakeEdit(GroupBox5, "Edit16", rex, 34);
    Label23 = MakeLabel(GroupBox5, "Label23", QStringLiteral("T2(sec)"), rx, 78, 84, 16);
    Edit17 = MakeEdit(GroupBox5, "Edit17", rex, 78);
    Label24 = MakeLabel(GroupBox5, "Label24", QStringLiteral("T3(sec)"), rx, 122, 84, 16);
    Edit18 = MakeEdit(GroupBox5, "Edit18", rex, 122);
    Label25 = MakeLabel(GroupBox5, "Label25", QStringLiteral("T4(sec)"), rx, 166, 84, 16);
    Edit19 = MakeEdit(GroupBox5, "Edit19", rex, 166);
    Label30 = Place<QLabel>(GroupBox5, "Label30", lx, 318, 120, 30, QStringLiteral("ZUN."));
    Panel6 = MakePanel(GroupBox5, "Panel6", ex, 312, 160, 37, {});
    PlainChildren(GroupBox5);
    Label30->setFont(PixelFont(kArial, 19, true));
    Panel6->setFont(PixelFont(kMsSansSerif, 20, true));

    SpeedButton3 = MakeButton(p, "SpeedButton3", 8, 392, kBigButton, Picture::LeftArrow);
    SpeedButton4 = MakeButton(p, "SpeedButton4", 480, 392, kBigButton, Picture::CheckMark);
}

void TForm1::BuildResultArea() {
    auto label = [&](const char* name, const QString& text, int x, int y) {
        auto* l = Place<QLabel>(this, name, x, y, 824 - x, 29, text);
        l->setFont(PixelFont(kArial, 17, true));
        l->hide();
        return l;
    };
    auto panel = [&](const char* name, int y) {
        auto* p = MakePanel(this, name, 824, y, 100, 29, PixelFont(kMsSansSerif, 19, true));
        p->hide();
        return p;
    };
    Label27 = label("Label27", QStringLiteral("Motor demand torque(kg-m)"), 600, 24);
    Panel3 = panel("Panel3", 24);
    Label29 = label("Label29", QStringLiteral("Max. motor torque(kg-m)"), 616, 60);
    Panel5 = panel("Panel5", 60);
    Label28 = label("Label28", QStringLiteral("Motor demand speed(RPM)"), 600, 100);
    Panel4 = panel("Panel4", 100);
    Image2 = Place<QLabel>(this, "Image2", 584, 184, 409, 369);
    Image2->setPixmap(PicturePixmap(Picture::SpeedProfile, QSize(411, 365)));
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(Image2, kWindow);
    Image2->hide();
    CycleCharts charts = CreateCycleCharts(this);
    Chart1 = charts.Chart1;
    Chart2 = charts.Chart2;
    Series1 = charts.Series1;
    Series2 = charts.Series2;
    Series3 = charts.Series3;
    Chart2->setGeometry(584, 144, 409, 241);
    Chart1->setGeometry(584, 384, 409, 241);
    Chart1->hide();
    Chart2->hide();
}

template <typename Sender, typename Signal>
void TForm1::On(Sender* sender, Signal signal, void (TForm1::*handler)()) {
    ConnectGuarded(sender, signal, this, messages_, handler);
}

void TForm1::ConnectHandlers() {
    On(PageControl1, &QTabWidget::currentChanged, &TForm1::PageControl1Change);
    On(SpeedButton1, &QToolButton::clicked, &TForm1::SpeedButton1Click);
    On(SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
    On(SpeedButton3, &QToolButton::clicked, &TForm1::SpeedButton3Click);
    On(SpeedButton4, &QToolButton::clicked, &TForm1::SpeedButton4Click);
    On(SpeedButton5, &QToolButton::clicked, &TForm1::SpeedButton5Click);
    On(SpeedButton9, &QToolButton::clicked, &TForm1::SpeedButton9Click);
    On(SpeedButton10, &QToolButton::clicked, &TForm1::SpeedButton10Click);
    On(SpeedButton6, &QToolButton::clicked, &TForm1::SpeedButton6Click);
    On(SpeedButton7, &QToolButton::clicked, &TForm1::SpeedButton7Click);
    On(SpeedButton8, &QToolButton::clicked, &TForm1::SpeedButton8Click);
    On(SpeedButton11, &QToolButton::clicked, &TForm1::SpeedButton11Click);
    On(SpeedButton12, &QToolButton::clicked, &TForm1::SpeedButton12Click);
    On(SpeedButton13, &QToolButton::clicked, &TForm1::SpeedButton13Click);
    On(CheckBox1, &QCheckBox::clicked, &TForm1::CheckBox1Click);
    On(RadioButton1, &QRadioButton::clicked, &TForm1::RadioButton1Click);
    On(RadioButton2, &QRadioButton::clicked, &TForm1::RadioButton2Click);
    On(ComboBox4, &QComboBox::activated, &TForm1::ComboBox4Change);
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

void TForm1::NarrowView() {
    PageControl2->setCurrentWidget(TabSheet4);
    SetOverallWidth(kNarrowWidth);
    for (QWidget* w : std::initializer_list<QWidget*>{Label27, Label28, Label29, Label30, Panel3, Panel4, Panel5,
                                                      Panel6, Image2, Chart1, Chart2}) {
        w->hide();
    }
}

void TForm1::PageControl1Change() { NarrowView(); }
void TForm1::SpeedButton3Click() { NarrowView(); }

void TForm1::SpeedButton2Click() {
    PageControl2->setCurrentWidget(TabSheet5);
    SetOverallWidth(kWideWidth);
    for (QWidget* w : std::initializer_list<QWidget*>{Label27, Label28, Label29, Label30, Panel3, Panel4, Panel5,
                                                      Panel6, Image2}) {
        w->show();
    }
    Chart1->hide();
    Chart2->hide();
}

void TForm1::CheckBox1Click() {
    const bool locked = CheckBox1->isChecked();
    for (QLineEdit* edit : {Edit1, Edit2}) {
        edit->setEnabled(!locked);
        SetBackground(edit, locked ? kButtonFace : kWindow);
    }
}

void TForm1::RadioButton2Click() {
    forms_.Form4->ShowToFront(this);
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, Edit3, CheckBox1}) w->hide();
}

void TForm1::RadioButton1Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, Edit3, CheckBox1}) w->show();
}

void TForm1::ComboBox4Change() {
    Panel7->setText(ComboBox4->currentIndex() == 0 ? QStringLiteral("VFD DCBUS current(Adc)")
                                                   : QStringLiteral("ZUN output current(Aac)"));
}

void TForm1::SpeedButton5Click() { forms_.Form2->ShowToFront(this); }
void TForm1::SpeedButton9Click() { forms_.Form3->ShowToFront(this); }
void TForm1::SpeedButton10Click() { forms_.Form4->ShowToFront(this); }

void TForm1::SpeedButton1Click() {
    RunSimpleSelection({ComboBox1, ComboBox4, Edit3, Edit22, Edit1, Edit2, CheckBox1, Panel1, Panel2}, messages_);
}

void TForm1::SpeedButton4Click() {
    RunElevatorCalculation({ComboBox3, ComboBox2, Edit9,   Edit21, Edit16, Edit17, Edit18, Edit19, Edit15, Edit14,
                            Edit4,     Edit5,     Edit6,   Edit8,  Edit7,  Edit10, Edit13, Edit20, Edit11, Edit12,
                            Panel3,    Panel4,    Panel5,  Panel6, Image2, Chart1, Chart2, Series1, Series2, Series3},
                           messages_);
}

void TForm1::SpeedButton6Click() { messages_.Information(QString::fromUtf8(kEfficiencyHelp)); }
void TForm1::SpeedButton7Click() { messages_.Information(QString::fromUtf8(kVfdVoltageHelp)); }
void TForm1::SpeedButton8Click() { messages_.Information(QString::fromUtf8(kMotorPowerFactorHelp)); }
void TForm1::SpeedButton11Click() { messages_.Information(QString::fromUtf8(kGeneratorPowerFactorHelp)); }
void TForm1::SpeedButton12Click() { messages_.Information(QString::fromUtf8(kReductionRatioHelp)); }
void TForm1::SpeedButton13Click() { messages_.Information(QString::fromUtf8(kWeightingHelp)); }

}  // namespace zun::ui
