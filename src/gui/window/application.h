#pragma once

#include <QApplication>
#include <functional>
#include <string>

namespace trb::gui {

// The window program's application: a command that ends with an exception (a failed allocation, a
// fault in a library) is caught where the event loop handed it its event and reported through
// `report`, instead of ending the program with a case that has not been saved.
class Application : public QApplication {
  public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}

    // Receives the message (code page 850) of a caught failure.
    void SetFailureReport(std::function<void(const std::string& text)> report) {
        report_ = std::move(report);
    }

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    std::function<void(const std::string& text)> report_;
};

// Makes a fatal message of the window library (no display, a platform plugin that cannot start) end
// the program with the message and exit code 2 instead of a signal. Installed before the
// application is made.
void EndFatalMessagesWithoutSignal();

}  // namespace trb::gui
