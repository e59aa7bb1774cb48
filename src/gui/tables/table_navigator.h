#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QToolButton;

namespace trb::gui {

// The record navigator of the table window: ten buttons with hints (first, prior, next, last,
// insert, delete or restore, edit, post, cancel, refresh), or only the four that move.
class TableNavigator : public QWidget {
  public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kButtons = 10;

    explicit TableNavigator(QWidget* parent = nullptr);

    void SetHandler(std::function<void(Button)> handler) { handler_ = std::move(handler); }
    // All ten buttons, or only First, Prior, Next and Last.
    void ShowAllButtons(bool all);
    QToolButton* ButtonOf(Button button) const { return buttons_[static_cast<std::size_t>(button)]; }

  private:
    std::array<QToolButton*, kButtons> buttons_{};
    std::function<void(Button)> handler_;
};

}  // namespace trb::gui
