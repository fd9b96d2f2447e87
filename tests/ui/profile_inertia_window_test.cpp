#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLineSeries>
#include <QValueAxis>

#include "program_fixture.hpp"

namespace zun::ui::test {
namespace {

class ProfileWindow : public ProgramTest {
protected:
    ProfileWindow() : w(*forms().Form4) {
        f().Edit1->setText("old t");
        f().Edit2->setText("old T");
        f().Edit3->setText("old I");
        Click(f().RadioButton2);
    }
    void Fill(std::initializer_list<std::pair<const char*, const char*>> steps) {
        while (w.GridRowCount() - 1 < static_cast<int>(steps.size())) w.SpeedButton1->click();
        int row = 1;
        for (const auto& [current, time] : steps) {
            w.DisplayedCell(row, 1)->setText(current);
            w.DisplayedCell(row, 2)->setText(time);
            ++row;
        }
    }
    QString Label(int displayedRow) {
        const int logical = w.StringGrid1->verticalHeader()->logicalIndex(displayedRow - 1);
        return w.StringGrid1->verticalHeaderItem(logical)->text();
    }
    QValueAxis* CurrentAxis() { return qobject_cast<QValueAxis*>(w.Chart1->chart()->axes(Qt::Vertical).first()); }
    void ExpectMainBoxesUntouched() {
        EXPECT_EQ(f().Edit1->text(), "old t");
        EXPECT_EQ(f().Edit2->text(), "old T");
        EXPECT_EQ(f().Edit3->text(), "old I");
    }
    TForm4& w;
};

TEST_F(ProfileWindow, StartsWithTwoEmptyStepsAndRefusesThem) {
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.GridRowCount(), 3);
    EXPECT_EQ(Label(1), "負載型式1");
    EXPECT_EQ(Label(2), "負載型式2");
    EXPECT_EQ(w.StringGrid1->horizontalHeaderItem(0)->text(), "電流(A)");
    EXPECT_EQ(w.StringGrid1->horizontalHeaderItem(1)->text(), "時間(sec)");
    EXPECT_EQ(w.Chart1->chart()->title(), "工況圖");
    EXPECT_EQ(w.Series1->pen().width(), 3);
    EXPECT_FALSE(w.Chart1->chart()->legend()->isVisible());
    Click(w.SpeedButton3);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("'' is not a valid integer value.")});
    ExpectMainBoxesUntouched();
    EXPECT_EQ(w.GridRowCount(), 3);
}

TEST_F(ProfileWindow, AddAndRemoveKeepTwoToFifteenSteps) {
    for (int k = 0; k < 20; ++k) Click(w.SpeedButton1);
    EXPECT_EQ(w.GridRowCount(), 16);
    EXPECT_EQ(Label(15), "負載型式15");
    w.DisplayedCell(15, 1)->setText("5");
    Click(w.SpeedButton2);
    Click(w.SpeedButton1);
    EXPECT_EQ(Label(15), "負載型式15");
    EXPECT_EQ(w.DisplayedCell(15, 1)->text(), "");
    for (int k = 0; k < 20; ++k) Click(w.SpeedButton2);
    EXPECT_EQ(w.GridRowCount(), 3);
    Click(w.SpeedButton1);
    EXPECT_EQ(Label(3), "負載型式3");
}

TEST_F(ProfileWindow, ExampleIsChartedAndHandedToTheHiddenBoxes) {
    Fill({{"30", "10"}, {"10", "20"}});
    Click(w.SpeedButton3);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_EQ(w.Series1->count(), 64);
    EXPECT_EQ(CurrentAxis()->min(), 0.0);
    EXPECT_DOUBLE_EQ(CurrentAxis()->max(), 39.0);
    EXPECT_TRUE(f().Edit1->isHidden());
    EXPECT_EQ(f().Edit1->text(), "16.7");
    EXPECT_EQ(f().Edit2->text(), "30");
    EXPECT_EQ(f().Edit3->text(), "30");
    EXPECT_TRUE(w.isVisible());
    // The main window's calculation reads them as if typed.
    f().ComboBox1->setCurrentIndex(1);
    f().ComboBox4->setCurrentIndex(1);
    f().Edit22->setText("25");
    Click(f().SpeedButton1);
    EXPECT_EQ(f().Panel1->text(), "55.7");
}

TEST_F(ProfileWindow, BadCellsStopWithTheirMessageAndChangeNothingElse) {
    Fill({{"30", "10"}, {"10", "2.5"}});
    Click(w.SpeedButton3);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("'2.5' is not a valid integer value.")});
    EXPECT_EQ(w.Series1->count(), 11);  // step 1 was drawn before the stop
    ExpectMainBoxesUntouched();
    EXPECT_EQ(w.DisplayedCell(2, 2)->text(), "2.5");

    Fill({{"0.5", "10"}, {"0.5", "10"}});  // peak 0
    Click(w.SpeedButton3);
    EXPECT_EQ(TakeBoxes(), std::vector{ErrorBox("Floating point division by zero.")});
    EXPECT_EQ(CurrentAxis()->max(), 0.0);
    EXPECT_EQ(w.Series1->count(), 44);
    ExpectMainBoxesUntouched();
}

TEST_F(ProfileWindow, DraggedRowsAndColumnsAreReadByPosition) {
    Fill({{"30", "10"}, {"10", "20"}});
    w.StringGrid1->verticalHeader()->moveSection(1, 0);  // step 2 dragged to the top
    EXPECT_EQ(Label(1), "負載型式2");  // the label travels with its row
    Click(w.SpeedButton3);
    EXPECT_EQ(w.Series1->at(0), QPointF(0, 10));
    EXPECT_EQ(w.Series1->at(21), QPointF(20, 30));
    EXPECT_EQ(f().Edit1->text(), "16.7");

    w.StringGrid1->horizontalHeader()->moveSection(1, 0);  // the time column dragged first
    Click(w.SpeedButton3);
    EXPECT_EQ(w.Series1->at(0), QPointF(0, 20));  // column 1 is read as the current
    EXPECT_EQ(f().Edit3->text(), "20");
}

TEST_F(ProfileWindow, HugeProfilesStaySmall) {
    for (int k = 0; k < 13; ++k) Click(w.SpeedButton1);
    for (int row = 1; row <= 15; ++row) {
        w.DisplayedCell(row, 1)->setText(QString::number(row));
        w.DisplayedCell(row, 2)->setText("1000000");
    }
    Click(w.SpeedButton3);
    EXPECT_TRUE(TakeBoxes().empty());
    EXPECT_LE(w.Series1->count(), 60);
    EXPECT_EQ(f().Edit2->text(), "15000000");
    EXPECT_EQ(f().Edit3->text(), "15");
}

class InertiaWindow : public ProgramTest {
protected:
    InertiaWindow() : w(*forms().Form2) { Click(f().SpeedButton5); }
    void Pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    TForm2& w;
};

TEST_F(InertiaWindow, StartsEmptyWithThe220VoltListShown) {
    EXPECT_EQ(w.ComboBox1->placeholderText(), "Moter voltage");
    EXPECT_EQ(w.ComboBox2->placeholderText(), "馬達馬力與轉速");
    EXPECT_EQ(w.ComboBox3->placeholderText(), "Power & Speed");
    EXPECT_EQ(w.ComboBox2->count(), 69);
    EXPECT_EQ(w.ComboBox3->itemText(39), "50HP 29405RPM");
    EXPECT_FALSE(w.ComboBox2->isHidden());
    EXPECT_TRUE(w.ComboBox3->isHidden());
    EXPECT_EQ(w.Panel1->text(), "");
    EXPECT_EQ(w.Panel2->text(), "kg-m^2");
}

TEST_F(InertiaWindow, LooksUpShowsAndExports) {
    Pick(w.ComboBox2, 48);  // "75HP 885RPM" before any voltage: not counted
    Click(w.Button1);
    EXPECT_EQ(w.Panel1->text(), "0");
    Click(w.Button2);
    EXPECT_EQ(f().Edit11->text(), "0");

    Pick(w.ComboBox1, 0);
    Click(w.Button1);
    EXPECT_EQ(w.Panel1->text(), "16");

    Pick(w.ComboBox1, 1);  // switching keeps both selections
    EXPECT_TRUE(w.ComboBox2->isHidden());
    EXPECT_FALSE(w.ComboBox3->isHidden());
    Click(w.Button1);  // no item in the 380 V list yet: previous value again
    EXPECT_EQ(w.Panel1->text(), "16");
    Pick(w.ComboBox3, 59);
    Click(w.Button1);
    EXPECT_EQ(w.Panel1->text(), "15.2");
    Pick(w.ComboBox3, 39);
    Click(w.Button1);
    EXPECT_EQ(w.Panel1->text(), "0.602");

    Pick(w.ComboBox3, 0);  // another motor, exported without "OK"
    Click(w.Button2);
    EXPECT_EQ(f().Edit11->text(), "0.602");
    EXPECT_EQ(w.Panel1->text(), "0.602");
    Pick(w.ComboBox1, 0);
    EXPECT_EQ(w.ComboBox2->currentIndex(), 48);
    Click(w.Button1);
    EXPECT_EQ(w.Panel1->text(), "16");

    w.close();  // contents survive hiding
    Click(f().SpeedButton5);
    EXPECT_EQ(w.Panel1->text(), "16");
    EXPECT_TRUE(TakeBoxes().empty());
}

}  // namespace
}  // namespace zun::ui::test
