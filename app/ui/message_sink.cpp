#include "app/ui/message_sink.hpp"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <exception>

#include "common/error.hpp"

namespace zun::ui {
namespace {

void ShowBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok);
    box.exec();
}

}  // namespace

QString ApplicationTitle() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

void MessageBoxSink::Information(const QString& text) { ShowBox(QMessageBox::NoIcon, text); }
void MessageBoxSink::Error(const QString& text) { ShowBox(QMessageBox::Critical, text); }

void Guarded(MessageSink& messages, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        messages.Error(QString::fromStdString(ErrorBoxText(e.what())));
    } catch (...) {
        // Any other thrown object becomes an error with an empty text.
        messages.Error(QString());
    }
}

}  // namespace zun::ui
