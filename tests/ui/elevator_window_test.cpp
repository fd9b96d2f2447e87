#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

#include "program_fixture.hpp"

namespace zun::ui::test {
namespace {

class ElevatorButton : public ProgramTest {
protected:
    ElevatorButton() {
        f().PageControl1->setCurrentWidget(f().TabSheet2);
        f().ComboBox3->setCurrentIndex(0);
        const std::pair<QLineEdit*, const char*> entries[] = {
            {f().Edit4, "1000"}, {f().Edit5, "1200"}, {f().Edit8, "60"},  {f().Edit7, "0.4"},  {f().Edit11, "0.05"},
            {f().Edit12, "30"},  {f().Edit14, "380"}, {f().Edit15, "380"}, {f().Edit16, "2"},  {f().Edit17, "5"},
            {f().Edit18, "2"},   {f().Edit19, "10"}};
        for (const auto& [edit, text] : entries) edit->setText(text);
        f().ComboBox2->setCurrentIndex(1);
        Click(f().SpeedButton2);
    }

    double AxisMin(QChartView* view, Qt::Orientation o) {
        return qobject_cast<QValueAxis*>(view->chart()->axes(o).first())->min();
    }
    double AxisMax(QChartView* view, Qt::Orientation o) {
        return qobject_cast<QValueAxis*>(view->chart()->axes(o).first())->max();
    }
    void ExpectChartsShownAndEmpty() {
        EXPECT_TRUE(f().Image2->isHidden());
        EXPECT_FALSE(f().Chart1->isHidden());
        EXPECT_FALSE(f().Chart2->isHidden());
        EXPECT_EQ(f().Series1->count(), 0);
        EXPECT_EQ(f().Series3->count(), 0);
    }
};

TEST_F(ElevatorButton, WorkedExampleFillsPanelsChartsAndModel) {
    Click(f().SpeedButton4);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(f().Panel4->text(), "1433.1");
    EXPECT_EQ(f().Panel3->text(), "3.7");
    EXPECT_EQ(f().Panel5->text(), "5.6");
    EXPECT_EQ(f().Panel6->text(), "ZUN-H01");
    EXPECT_TRUE(f().Image2->isHidden());
    EXPECT_FALSE(f().Chart1->isHidden());
    for (QLineSeries* s : {f().Series1, f().Series2, f().Series3}) EXPECT_EQ(s->count(), 388);
    EXPECT_NEAR(AxisMin(f().Chart1, Qt::Vertical), -12.27, 0.005);
    EXPECT_NEAR(AxisMax(f().Chart1, Qt::Vertical), 23.29, 0.005);
    EXPECT_NEAR(AxisMax(f().Chart2, Qt::Vertical), 1719.7, 0.05);
    EXPECT_LE(AxisMin(f().Chart2, Qt::Horizontal), 0.0);
    EXPECT_GE(AxisMax(f().Chart2, Qt::Horizontal), 38.0);

    // Back and forward again: old numbers beside the picture.
    Click(f().SpeedButton3);
    Click(f().SpeedButton2);
    EXPECT_EQ(f().Panel4->text(), "1433.1");
    EXPECT_FALSE(f().Image2->isHidden());
    EXPECT_TRUE(f().Chart1->isHidden());
}

TEST_F(ElevatorButton, WeightingAboveTheLimitIsResetAndUsed) {
    f().Edit6->setText("0.62");
    Click(f().SpeedButton4);
    EXPECT_EQ(TakeBoxes(), std::vector{Info("最大配重係數0.6")});
    EXPECT_EQ(f().Edit6->text(), "0.6");
    const QString torque = f().Panel3->text();
    Click(f().SpeedButton4);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(f().Panel3->text(), torque);
}

TEST_F(ElevatorButton, FailuresKeepWhatWasWritten) {
    Click(f().SpeedButton4);
    f().Panel3->setText("old");

    f().Edit4->setText("0");  // maximum load 0: speed shown, then the torque fails
    Click(f().SpeedButton4);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("Floating point division by zero.")});
    EXPECT_EQ(f().Panel4->text(), "1433.1");
    EXPECT_EQ(f().Panel3->text(), "old");
    EXPECT_EQ(f().Panel6->text(), "ZUN-H01");
    ExpectChartsShownAndEmpty();

    f().Edit4->setText("1000");
    f().Edit11->setText("");  // a bad entry: charts shown and empty
    f().Edit8->setText("90");
    Click(f().SpeedButton4);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("'' is not a valid floating point value.")});
    EXPECT_EQ(f().Panel4->text(), "1433.1");
    ExpectChartsShownAndEmpty();

    f().Edit11->setText("0.05");
    f().Edit19->setText("-9");  // the cycle sums to zero: fails after the charts
    Click(f().SpeedButton4);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("Floating point division by zero.")});
    EXPECT_NE(f().Panel4->text(), "1433.1");
    EXPECT_GT(f().Series1->count(), 0);
}

TEST_F(ElevatorButton, ChecksBeforeTheChartsAreTouched) {
    f().Edit6->setText("heavy");
    Click(f().SpeedButton4);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("'heavy' is not a valid floating point value.")});
    EXPECT_FALSE(f().Image2->isHidden());
    EXPECT_TRUE(f().Chart1->isHidden());

    f().Edit6->setText("0.5");
    f().ComboBox3->setCurrentIndex(-1);
    Click(f().SpeedButton4);
    auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].error);
    EXPECT_TRUE(boxes[0].text.startsWith("Choose a suspension ratio"));
    EXPECT_FALSE(f().Image2->isHidden());
}

TEST_F(ElevatorButton, OverCurrentNoVoltageAndNoFeedback) {
    Click(f().SpeedButton4);
    std::string ones;
    for (int k = 0; k < 24000; ++k) ones += "1 ";
    WriteTable(ones);  // a unit rated at 1 %: every current is too large
    f().ComboBox2->setCurrentIndex(0);
    Click(f().SpeedButton4);
    EXPECT_EQ(TakeBoxes(), std::vector{Info("Over current, no result")});
    EXPECT_EQ(f().Panel6->text(), "ZUN-H01");
    f().ComboBox2->setCurrentIndex(2);
    Click(f().SpeedButton4);
    EXPECT_EQ(TakeBoxes(), std::vector{Info("電流過大，無符合機種")});

    f().ComboBox2->setCurrentIndex(-1);
    Click(f().SpeedButton4);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(f().Series1->count(), 388);

    f().Edit4->setText("-1000");
    Click(f().SpeedButton4);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].error);
    EXPECT_TRUE(boxes[0].text.contains("needs no feedback unit"));
}

TEST_F(ElevatorButton, HugeCycleStaysSmall) {
    f().Edit19->setText("1000000");
    Click(f().SpeedButton4);
    auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);  // the duty is far below the table
    EXPECT_TRUE(boxes[0].text.contains("down-travel duty"));
    EXPECT_LE(f().Series1->count(), 16);
    EXPECT_GT(f().Series1->count(), 0);
}

}  // namespace
}  // namespace zun::ui::test
