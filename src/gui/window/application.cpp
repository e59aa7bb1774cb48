#include "gui/window/application.h"

#include <unistd.h>

#include <cstdio>
#include <exception>

#include "app/command_failure.h"

namespace trb::gui {

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const std::string text = app::CommandFailureText(std::current_exception());
        if (report_) {
            report_(text);
        } else {
            std::fprintf(stderr, "trb: %s\n", text.c_str());
        }
        return false;
    }
}

namespace {

QtMessageHandler previousHandler = nullptr;

void HandleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (previousHandler != nullptr) previousHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "trb: the window cannot start: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    ::_exit(2);
}

}  // namespace

void EndFatalMessagesWithoutSignal() {
    previousHandler = qInstallMessageHandler(HandleMessage);
}

}  // namespace trb::gui
