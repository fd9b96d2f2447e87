#include <QChartView>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QLineSeries>
#include <QTimer>

#include "app/ui/look.hpp"
#include "common/error.hpp"
#include "program_fixture.hpp"

namespace zun::ui::test {
namespace {

using MainWindow = ProgramTest;

std::vector<QWidget*> ResultArea(TForm1& f) {
    return {f.Label27, f.Label28, f.Label29, f.Panel3, f.Panel4, f.Panel5, f.Image2, f.Chart1, f.Chart2};
}

QColor BoxColour(QLineEdit* edit) { return edit->palette().color(QPalette::Base); }

TEST_F(MainWindow, StartsWithEveryControlAsDesigned) {
    EXPECT_EQ(f().windowTitle(), "ZUN_ST");
    EXPECT_EQ(f().size(), QSize(579, 625));
    EXPECT_TRUE(f().isVisible());
    EXPECT_EQ(f().PageControl1->currentWidget(), f().TabSheet1);
    EXPECT_EQ(f().PageControl1->tabText(0), "Current Selection");
    EXPECT_EQ(f().PageControl1->tabText(1), "Elevator Application");
    EXPECT_EQ(f().PageControl2->currentWidget(), f().TabSheet4);
    for (QComboBox* box : {f().ComboBox1, f().ComboBox4, f().ComboBox2, f().ComboBox3}) {
        EXPECT_EQ(box->currentIndex(), -1) << box->objectName().toStdString();
    }
    EXPECT_EQ(f().ComboBox1->count(), 3);
    EXPECT_EQ(f().ComboBox4->itemText(1), "ZUN output current(Aac)");
    EXPECT_EQ(f().Panel7->text(), "Current(A)");
    EXPECT_TRUE(f().RadioButton1->isChecked());
    EXPECT_FALSE(f().RadioButton2->isChecked());
    EXPECT_FALSE(f().CheckBox1->isChecked());
    EXPECT_TRUE(f().Edit1->isEnabled());
    for (QWidget* w : ResultArea(f())) EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(f().Label30->isHidden());
    EXPECT_FALSE(f().Panel6->isHidden());
    const std::pair<QLineEdit*, const char*> defaults[] = {
        {f().Edit6, "0.5"}, {f().Edit10, "0.9"}, {f().Edit13, "0.8"}, {f().Edit9, "0.8"}, {f().Edit21, "0.8"},
        {f().Edit20, "0.9"}, {f().Edit3, ""},   {f().Edit11, ""},    {f().Edit19, ""}};
    for (const auto& [edit, text] : defaults) EXPECT_EQ(edit->text(), text) << edit->objectName().toStdString();
    EXPECT_EQ(f().Chart1->chart()->title(), "VFD & ZUN Current");
    EXPECT_EQ(f().Chart2->chart()->title(), "Moter speed");
    EXPECT_EQ(f().Series3->name(), "馬達轉速");
    EXPECT_EQ(f().SpeedButton1->size(), QSize(73, 73));
    EXPECT_EQ(f().SpeedButton9->size(), QSize(49, 49));
    EXPECT_EQ(f().SpeedButton10->size(), QSize(25, 25));
    EXPECT_EQ(f().SpeedButton13->size(), QSize(33, 33));
}

TEST_F(MainWindow, OtherWindowsExistHiddenWithTheirProperties) {
    struct Expect {
        QWidget* window;
        const char* name;
        const char* caption;
        QSize client;
    } windows[] = {
        {forms().Form2, "Form2", "馬達慣量", {432, 151}},
        {forms().Form3, "Form3", "Form3", {627, 467}},
        {forms().Form4, "Form4", "工況設定", {992, 407}},
    };
    for (const auto& w : windows) {
        EXPECT_TRUE(w.window->isHidden()) << w.name;
        EXPECT_EQ(w.window->objectName(), w.name);
        EXPECT_EQ(w.window->windowTitle(), QString::fromUtf8(w.caption));
        EXPECT_EQ(w.window->size(), w.client) << w.name;
        EXPECT_EQ(w.window->minimumSize(), w.window->maximumSize()) << w.name;  // fixed frame
        EXPECT_FALSE(w.window->windowFlags() & Qt::WindowMaximizeButtonHint) << w.name;
        EXPECT_TRUE(w.window->windowFlags() & Qt::WindowMinimizeButtonHint) << w.name;
    }
    EXPECT_EQ(forms().Form3->palette().color(QPalette::Window), kButtonFace);
    EXPECT_EQ(forms().Form2->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(MainWindow, ViewStatesFollowTabsAndPageButtons) {
    f().PageControl1->setCurrentWidget(f().TabSheet2);  // the user changes the tab
    EXPECT_EQ(f().frameGeometry().width(), kNarrowWidth);
    EXPECT_EQ(f().PageControl2->currentWidget(), f().TabSheet4);
    EXPECT_TRUE(f().Label30->isHidden());
    EXPECT_TRUE(f().Panel6->isHidden());

    Click(f().SpeedButton2);  // next: wide view before a calculation
    EXPECT_EQ(f().frameGeometry().width(), kWideWidth);
    EXPECT_GE(f().width(), 993);  // the whole result area
    EXPECT_EQ(f().PageControl2->currentWidget(), f().TabSheet5);
    for (QWidget* w : {f().Label27, f().Label28, f().Label29, f().Label30, f().Panel3, f().Panel4, f().Panel5,
                       f().Panel6, f().Image2}) {
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    }
    EXPECT_TRUE(f().Chart1->isHidden());
    EXPECT_TRUE(f().Chart2->isHidden());

    // What a calculation leaves: results and charts.
    f().Panel4->setText("1433.1");
    f().Image2->hide();
    f().Chart1->show();
    f().Chart2->show();

    Click(f().SpeedButton3);  // back: narrow view
    EXPECT_EQ(f().frameGeometry().width(), kNarrowWidth);
    EXPECT_EQ(f().PageControl2->currentWidget(), f().TabSheet4);
    for (QWidget* w : ResultArea(f())) EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();

    Click(f().SpeedButton2);  // the old numbers beside the picture, not the charts
    EXPECT_EQ(f().Panel4->text(), "1433.1");
    EXPECT_FALSE(f().Image2->isHidden());
    EXPECT_TRUE(f().Chart1->isHidden());

    f().PageControl1->setCurrentWidget(f().TabSheet1);  // leaving the tab from the wide view
    EXPECT_EQ(f().frameGeometry().width(), kNarrowWidth);
    for (QWidget* w : ResultArea(f())) EXPECT_TRUE(w->isHidden());
    f().PageControl1->setCurrentWidget(f().TabSheet2);  // entering it again shows page 1
    EXPECT_EQ(f().PageControl2->currentWidget(), f().TabSheet4);
    EXPECT_EQ(f().frameGeometry().width(), kNarrowWidth);
}

TEST_F(MainWindow, ContinuousLocksWorkingTimeAndPeriodAcrossSettings) {
    f().Edit1->setText("10");
    Click(f().CheckBox1);
    for (QLineEdit* e : {f().Edit1, f().Edit2}) {
        EXPECT_FALSE(e->isEnabled());
        EXPECT_EQ(BoxColour(e), kButtonFace);
    }
    EXPECT_EQ(f().Edit1->text(), "10");

    Click(f().RadioButton2);  // multiform: boxes hidden, working-condition window open
    EXPECT_TRUE(forms().Form4->isVisible());
    for (QWidget* w : {static_cast<QWidget*>(f().Edit1), static_cast<QWidget*>(f().Edit2),
                       static_cast<QWidget*>(f().Edit3), static_cast<QWidget*>(f().CheckBox1)}) {
        EXPECT_TRUE(w->isHidden());
    }
    EXPECT_FALSE(f().Edit1->isEnabled());
    EXPECT_FALSE(f().Panel7->isHidden());
    EXPECT_FALSE(f().Edit22->isHidden());

    f().Edit3->setText("30");  // as the working-condition window hands it over
    Click(f().RadioButton1);  // simple again: shown, still locked, window stays open
    EXPECT_FALSE(f().Edit1->isHidden());
    EXPECT_FALSE(f().CheckBox1->isHidden());
    EXPECT_FALSE(f().Edit1->isEnabled());
    EXPECT_EQ(BoxColour(f().Edit2), kButtonFace);
    EXPECT_TRUE(f().CheckBox1->isChecked());
    EXPECT_TRUE(forms().Form4->isVisible());
    EXPECT_EQ(f().Edit3->text(), "30");

    Click(f().CheckBox1);
    EXPECT_TRUE(f().Edit2->isEnabled());
    EXPECT_EQ(BoxColour(f().Edit2), QColor(Qt::white));
}

TEST_F(MainWindow, ChartButtonOpensWorkingConditionWindowWithoutChangingSettings) {
    Click(f().SpeedButton10);
    EXPECT_TRUE(forms().Form4->isVisible());
    EXPECT_TRUE(f().RadioButton1->isChecked());
    EXPECT_FALSE(f().Edit1->isHidden());
}

TEST_F(MainWindow, WindowButtonsShowTheirWindowsWherePlaced) {
    const std::pair<QAbstractButton*, QWidget*> buttons[] = {
        {f().SpeedButton5, forms().Form2}, {f().SpeedButton9, forms().Form3}, {f().SpeedButton10, forms().Form4}};
    for (const auto& [button, window] : buttons) {
        Click(button);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->frameGeometry().center(), f().frameGeometry().center())
            << window->objectName().toStdString();
        window->move(window->pos() + QPoint(37, 21));  // the user moves it, then closes it
        const QPoint moved = window->pos();
        window->close();
        EXPECT_TRUE(window->isHidden());
        Click(button);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->pos(), moved);
        Click(button);  // already open: only to the front
        EXPECT_EQ(window->pos(), moved);
    }
    EXPECT_TRUE(f().isVisible());
    EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(MainWindow, ConditionNamesTheCurrentBox) {
    f().ComboBox4->setCurrentIndex(0);
    emit f().ComboBox4->activated(0);
    EXPECT_EQ(f().Panel7->text(), "VFD DCBUS current(Adc)");
    f().ComboBox4->setCurrentIndex(1);
    emit f().ComboBox4->activated(1);
    EXPECT_EQ(f().Panel7->text(), "ZUN output current(Aac)");
    emit f().ComboBox4->activated(1);
    EXPECT_EQ(f().Panel7->text(), "ZUN output current(Aac)");
}

class SimpleButton : public ProgramTest {
protected:
    void Enter(int voltage, int condition, const char* current, const char* temperature, const char* t,
               const char* period) {
        f().ComboBox1->setCurrentIndex(voltage);
        f().ComboBox4->setCurrentIndex(condition);
        f().Edit3->setText(current);
        f().Edit22->setText(temperature);
        f().Edit1->setText(t);
        f().Edit2->setText(period);
    }
};

TEST_F(SimpleButton, ShowsDutyAndModelOfTheWorkedExample) {
    Enter(1, 0, "20", "45", "10", "40");
    Click(f().SpeedButton1);
    EXPECT_EQ(f().Panel1->text(), "25");
    EXPECT_EQ(f().Panel2->text(), "ZUN-H02");
    EXPECT_TRUE(TakeBoxes().empty());

    Click(f().CheckBox1);  // continuous: the duty panel keeps its text
    f().Edit1->setText("bad");
    Click(f().SpeedButton1);
    EXPECT_EQ(f().Panel1->text(), "25");
    EXPECT_EQ(f().Panel2->text(), "ZUN-H04");
    EXPECT_TRUE(TakeBoxes().empty());
}

TEST_F(SimpleButton, FailuresKeepWhatWasShownBefore) {
    Enter(1, 0, "20", "45", "10", "40");
    Click(f().SpeedButton1);
    TakeBoxes();

    Enter(1, 0, "x", "45", "2.5", "10");  // a bad current shows nothing
    Click(f().SpeedButton1);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("'x' is not a valid floating point value.")});
    EXPECT_EQ(f().Panel1->text(), "25");

    Enter(1, 0, "20", "warm", "1", "3");  // a bad temperature after the duty is shown
    Click(f().SpeedButton1);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("'warm' is not a valid floating point value.")});
    EXPECT_EQ(f().Panel1->text(), "33.3");
    EXPECT_EQ(f().Panel2->text(), "ZUN-H02");

    Enter(1, 0, "20", "45", "10", "0");
    Click(f().SpeedButton1);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("Floating point division by zero.")});
}

TEST_F(SimpleButton, OverCurrentAndTemperatureMessagesKeepThePreviousModel) {
    Enter(1, 0, "20", "45", "10", "40");
    Click(f().SpeedButton1);
    Enter(0, 1, "500", "70", "10", "40");
    Click(f().SpeedButton1);
    EXPECT_EQ(TakeBoxes(), (std::vector{Info("Temperature range is -10~60℃"), Info("電流過大，無符合機種")}));
    EXPECT_EQ(f().Edit22->text(), "60");
    EXPECT_EQ(f().Panel2->text(), "ZUN-H02");

    Enter(-1, -1, "20", "-20", "10", "40");  // no voltage class: duty and temperature only
    f().Panel1->setText("old");
    Click(f().SpeedButton1);
    EXPECT_EQ(TakeBoxes(), std::vector{Info("Temperature range is -10~60℃")});
    EXPECT_EQ(f().Edit22->text(), "-10");
    EXPECT_EQ(f().Panel1->text(), "25");
    EXPECT_EQ(f().Panel2->text(), "ZUN-H02");
}

TEST_F(SimpleButton, SoundBehavioursAppearAsClearBoxesAndLeaveTheModel) {
    Enter(1, 0, "20", "45", "10", "40");
    Click(f().SpeedButton1);
    TakeBoxes();

    Enter(1, -1, "20", "45", "10", "40");
    Click(f().SpeedButton1);
    auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].error);
    EXPECT_TRUE(boxes[0].text.startsWith("Choose a condition"));

    Enter(1, 0, "20", "45", "0.05", "1");
    Click(f().SpeedButton1);
    boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("between 0.1 and 400 s"));

    WriteTable("1 2 3");
    Enter(1, 0, "20", "45", "10", "40");
    Click(f().SpeedButton1);
    boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.contains("holds only 3 numbers"));
    EXPECT_EQ(f().Panel2->text(), "ZUN-H02");
}

TEST_F(MainWindow, HelpButtonsShowTheirMessagesWhateverTheBoxesHold) {
    const std::pair<QAbstractButton*, const char*> buttons[] = {
        {f().SpeedButton13, "WC = (WC x Max. load) + EW"},
        {f().SpeedButton6, "效率說明"},
        {f().SpeedButton12, "Reduction ratio defined: motor 2 revolutions elevator pulley one turn"},
        {f().SpeedButton7, "When the motor speed to the highest, Max. operation of the inverter output voltage"},
        {f().SpeedButton8, "When Motor mode\xEF\xBC\x8CMax speed \xEF\xBC\x8CPower Factor of VFD."},
        {f().SpeedButton11, "When Generator mode\xEF\xBC\x8CMax speed \xEF\xBC\x8CPower Factor of VFD."},
    };
    f().Edit6->setText("garbage");
    for (const auto& [button, text] : buttons) {
        button->click();
        button->click();
        EXPECT_EQ(TakeBoxes(), (std::vector{Info(text), Info(text)}));
    }
    EXPECT_EQ(f().Edit6->text(), "garbage");
}

TEST(ErrorGuard, ShowsTheErrorBoxAndKeepsWhatTheHandlerChanged) {
    RecordingSink sink;
    QString changed;
    Guarded(sink, [&] {
        changed = "written";
        throw zun::Error("'abc' is not a valid floating point value");
    });
    Guarded(sink, [] { throw zun::Error("Stopped (see above)"); });
    Guarded(sink, [] { throw 42; });
    Guarded(sink, [] {});
    EXPECT_EQ(changed, "written");
    EXPECT_EQ(sink.boxes, (std::vector{ErrorBox("'abc' is not a valid floating point value."),
                                       ErrorBox("Stopped (see above)"), ErrorBox("")}));
}

TEST_F(MainWindow, ClosingTheMainWindowEndsTheProgramWithCodeZero) {
    Click(f().SpeedButton9);
    forms().Form3->close();  // closing another window only hides it
    EXPECT_TRUE(forms().Form3->isHidden());
    EXPECT_TRUE(f().isVisible());
    Click(f().SpeedButton9);
    QTimer::singleShot(0, &f(), [this] { f().close(); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
}  // namespace zun::ui::test

namespace zun::ui::test {
namespace {

struct SeenBox {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    int buttons;
    bool modal;
};

// Shows a real box and closes it from the event loop once it is up; a
// second timer closes any box left open, so the test cannot hang.
SeenBox ShowAndClose(const std::function<void()>& show) {
    SeenBox seen{};
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w)) box->done(0);
        }
    });
    guard.start(3000);
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->icon(), box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()),
                box->isModal()};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return seen;
}

TEST(MessageBoxes, InformationAndErrorBoxesAreModalWithOneOk) {
    MessageBoxSink sink;
    const QString title = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    auto info = ShowAndClose([&] { sink.Information("電流過大，無符合機種"); });
    EXPECT_EQ(info.icon, QMessageBox::NoIcon);
    EXPECT_EQ(info.title, title);
    EXPECT_EQ(info.text, "電流過大，無符合機種");
    EXPECT_EQ(info.buttons, 1);
    EXPECT_TRUE(info.modal);
    auto error = ShowAndClose([&] { Guarded(sink, [] { throw zun::Error("'x' is not a valid floating point value"); }); });
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.title, title);
    EXPECT_EQ(error.text, "'x' is not a valid floating point value.");
    EXPECT_EQ(error.buttons, 1);
}

}  // namespace
}  // namespace zun::ui::test
