#include "app/ui/forms.hpp"

#include "app/ui/tform1.hpp"
#include "duty/ui/tform4.hpp"
#include "help/ui/tform3.hpp"
#include "inertia/ui/tform2.hpp"

namespace zun::ui {

ZunProgram::ZunProgram(MessageSink& messages) {
    form1_ = std::make_unique<TForm1>(forms_, messages);
    forms_.Form1 = form1_.get();
    form2_ = std::make_unique<TForm2>(forms_, messages);
    forms_.Form2 = form2_.get();
    form3_ = std::make_unique<TForm3>();
    forms_.Form3 = form3_.get();
    form4_ = std::make_unique<TForm4>(forms_, messages);
    forms_.Form4 = form4_.get();
}

ZunProgram::~ZunProgram() = default;

void ZunProgram::ShowMainWindow() { forms_.Form1->ShowToFront(nullptr); }

}  // namespace zun::ui
