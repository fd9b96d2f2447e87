// Renders each window of ZUN_ST in its characteristic states to PNG files in
// the folder given as the only argument. Boxes that would pop up are recorded
// and listed instead of shown.
#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "app/ui/forms.hpp"
#include "app/ui/look.hpp"
#include "app/ui/message_sink.hpp"
#include "app/ui/tform1.hpp"
#include "duty/ui/tform4.hpp"
#include "help/ui/tform3.hpp"
#include "inertia/ui/tform2.hpp"

namespace {

using namespace zun::ui;

class Shooter {
public:
    explicit Shooter(QString folder) : folder_(std::move(folder)) {}

    void Take(QWidget* window, const QString& name) {
        QApplication::processEvents();
        const QString path = QDir(folder_).filePath(name + ".png");
        window->grab().save(path);
        QTextStream(stdout) << path << "\n";
    }

private:
    QString folder_;
};

void Type(QLineEdit* edit, const char* text) { edit->setText(QString::fromUtf8(text)); }

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    Shooter shoot(folder);

    RecordingSink messages;
    ZunProgram program(messages);
    TForm1& f = *program.forms().Form1;
    program.ShowMainWindow();
    shoot.Take(&f, "main_start");

    f.ComboBox1->setCurrentIndex(1);
    f.ComboBox4->setCurrentIndex(0);
    f.ComboBox4Change();
    Type(f.Edit3, "20");
    Type(f.Edit22, "45");
    Type(f.Edit1, "10");
    Type(f.Edit2, "40");
    Guarded(messages, [&] { f.SpeedButton1Click(); });
    shoot.Take(&f, "main_simple_result");

    f.CheckBox1->setChecked(true);
    f.CheckBox1Click();
    shoot.Take(&f, "main_simple_continuous");
    f.CheckBox1->setChecked(false);
    f.CheckBox1Click();

    f.PageControl1->setCurrentWidget(f.TabSheet2);
    shoot.Take(&f, "main_elevator_page1");
    f.SpeedButton2Click();
    shoot.Take(&f, "main_elevator_wide");

    // The worked example of the elevator page.
    f.SpeedButton3Click();
    f.ComboBox3->setCurrentIndex(0);
    Type(f.Edit4, "1000");
    Type(f.Edit5, "1200");
    Type(f.Edit8, "60");
    Type(f.Edit7, "0.4");
    Type(f.Edit11, "0.05");
    Type(f.Edit12, "30");
    f.SpeedButton2Click();
    f.ComboBox2->setCurrentIndex(1);
    Type(f.Edit14, "380");
    Type(f.Edit15, "380");
    Type(f.Edit16, "2");
    Type(f.Edit17, "5");
    Type(f.Edit18, "2");
    Type(f.Edit19, "10");
    Guarded(messages, [&] { f.SpeedButton4Click(); });
    shoot.Take(&f, "main_elevator_result");

    // The inertia window after looking up "380V", "150HP 975RPM".
    TForm2& inertia = *program.forms().Form2;
    inertia.ShowToFront(&f);
    shoot.Take(&inertia, "form2_inertia_start");
    inertia.ComboBox1->setCurrentIndex(1);
    inertia.ComboBox1Click();
    inertia.ComboBox3->setCurrentIndex(59);
    inertia.Button1Click();
    shoot.Take(&inertia, "form2_inertia_lookup");

    program.forms().Form3->ShowToFront(&f);
    shoot.Take(program.forms().Form3, "form3_curves");

    // The working-condition window after the example: 30 A for 10 s, then 10 A for 20 s.
    TForm4& profile = *program.forms().Form4;
    profile.ShowToFront(&f);
    profile.DisplayedCell(1, 1)->setText("30");
    profile.DisplayedCell(1, 2)->setText("10");
    profile.DisplayedCell(2, 1)->setText("10");
    profile.DisplayedCell(2, 2)->setText("20");
    profile.SpeedButton1Click();
    Guarded(messages, [&] { profile.SpeedButton2Click(); });
    Guarded(messages, [&] { profile.SpeedButton3Click(); });
    shoot.Take(&profile, "form4_profile");

    for (const auto& box : messages.boxes) {
        QTextStream(stdout) << (box.error ? "error box: " : "message box: ") << box.text << "\n";
    }
    return 0;
}
