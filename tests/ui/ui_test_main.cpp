// Runs the window tests inside one application object on the offscreen
// platform; no box can block, since every window reports to a recorder.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/ui/look.hpp"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zun::ui::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
