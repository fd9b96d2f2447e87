// ZUN_ST: start-up creates the four windows and runs the message loop with
// the main window; closing it ends the program with exit code 0.
#include <QApplication>

#include "app/ui/forms.hpp"
#include "app/ui/look.hpp"
#include "app/ui/message_sink.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zun::ui::MessageBoxSink messages;
    zun::ui::Guarded(messages, [&] {
        zun::ui::InstallFontSubstitutions();
        zun::ui::ZunProgram program(messages);
        program.ShowMainWindow();
        QApplication::exec();
    });
    return 0;
}
