#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace trb::gui::testing {

// Plays one action on each modal dialog as it becomes the active one, in order. A dialog met when
// no action is left, or one still open some seconds after its action, is rejected and reported as
// a failure, so that a test never waits for a dialog nobody closes. The patience is long enough
// for an action's work (a table read, a file written) on a machine busy with a whole test run.
class ModalScript : public QObject {
  public:
    using Action = std::function<void(QWidget&)>;

    explicit ModalScript(int timeoutMs = 30000) : timeoutMs_(timeoutMs) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
        timer_.start();
    }

    ModalScript& Then(Action action) {
        actions_.push_back(std::move(action));
        return *this;
    }

    std::vector<std::string> names;  // the dialogs met, in order
    std::size_t Pending() const { return actions_.size(); }

  private:
    void Look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal == lastSeen_) {
            if (open_.elapsed() > timeoutMs_) {
                ADD_FAILURE() << "dialog " << modal->objectName().toStdString() << " was not closed";
                Close(*modal);
                open_.restart();
            }
            return;
        }
        lastSeen_ = modal;
        if (modal == nullptr) return;
        // A dialog shown again without an idle moment between is met anew once it was hidden.
        modal->installEventFilter(this);
        open_.restart();
        names.push_back(modal->objectName().toStdString());
        if (actions_.empty()) {
            Close(*modal);
            return;
        }
        // Run outside this timer's slot: an action may open a nested dialog, and a timer does not
        // fire again while its own slot runs.
        QTimer::singleShot(0, this,
                           [action = std::move(actions_.front()), dialog = QPointer<QWidget>(modal)] {
                               if (dialog) action(*dialog);
                           });
        actions_.pop_front();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched == lastSeen_) lastSeen_ = nullptr;
        return false;
    }

    static void Close(QWidget& modal) {
        if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
            dialog->reject();
        } else {
            modal.close();
        }
    }

    int timeoutMs_;
    QTimer timer_;
    QElapsedTimer open_;  // since the current modal dialog was met
    std::deque<Action> actions_;
    QPointer<QWidget> lastSeen_;  // the modal dialog of the last look
};

// Presses a dialog's button by its object name; a missing button is a failure and rejects the dialog.
inline void PressButton(QWidget& dialog, const char* name) {
    if (auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name))) {
        button->click();
        return;
    }
    ADD_FAILURE() << dialog.objectName().toStdString() << " has no button " << name;
    if (auto* box = qobject_cast<QDialog*>(&dialog)) box->reject();
}

inline void Ok(QWidget& dialog) {
    PressButton(dialog, "Button_ok");
}

inline void Cancel(QWidget& dialog) {
    PressButton(dialog, "Button_cancel");
}

}  // namespace trb::gui::testing
