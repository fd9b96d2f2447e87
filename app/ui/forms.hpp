#pragma once
// The program's four windows, created at start-up in the order Form1 to
// Form4 and reachable by these names from every window.
#include <memory>

namespace zun::ui {

class MessageSink;
class TForm1;
class TForm2;
class TForm3;
class TForm4;

struct Forms {
    TForm1* Form1 = nullptr;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
};

// Owns the four windows. Creating it creates them, hidden; destroying it
// destroys them.
class ZunProgram {
public:
    explicit ZunProgram(MessageSink& messages);
    ~ZunProgram();
    ZunProgram(const ZunProgram&) = delete;
    ZunProgram& operator=(const ZunProgram&) = delete;

    Forms& forms() { return forms_; }
    // Shows the main window centred on the screen.
    void ShowMainWindow();

private:
    Forms forms_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
};

}  // namespace zun::ui
