#pragma once
// A fresh program with its four windows, a message recorder, and a working
// directory of its own holding a small derating table.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <filesystem>

#include "app/ui/forms.hpp"
#include "app/ui/message_sink.hpp"
#include "app/ui/tform1.hpp"
#include "duty/ui/tform4.hpp"
#include "help/ui/tform3.hpp"
#include "inertia/ui/tform2.hpp"
#include "../table_fixture.hpp"

namespace zun::ui::test {

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() : previous_(std::filesystem::current_path()) {
        DeratingTable t = zun::test::MakeTable();
        zun::test::Entry(t, 1, 100) = 130.0f;  // 25 %ED at 10 s
        dir_.Write("bked.txt", zun::test::TableText(t));
        std::filesystem::current_path(dir_.path());
        program_.ShowMainWindow();
        QApplication::processEvents();
    }
    ~ProgramTest() override { std::filesystem::current_path(previous_); }

    TForm1& f() { return *program_.forms().Form1; }
    Forms& forms() { return program_.forms(); }
    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void WriteTable(const std::string& text) { dir_.Write("bked.txt", text); }

    std::vector<RecordingSink::Box> TakeBoxes() {
        auto boxes = std::move(messages_.boxes);
        messages_.boxes.clear();
        return boxes;
    }

    RecordingSink messages_;

private:
    std::filesystem::path previous_;
    zun::test::TempDir dir_;
    ZunProgram program_{messages_};
};

}  // namespace zun::ui::test

namespace zun::ui {
inline void PrintTo(const RecordingSink::Box& b, std::ostream* os) {
    *os << (b.error ? "error: " : "info: ") << b.text.toStdString();
}
}  // namespace zun::ui

namespace zun::ui::test {
inline RecordingSink::Box Info(const char* text) { return {false, QString::fromUtf8(text)}; }
inline RecordingSink::Box ErrorBox(const char* text) { return {true, QString::fromUtf8(text)}; }

}  // namespace zun::ui::test
