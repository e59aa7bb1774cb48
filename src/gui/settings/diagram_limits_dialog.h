#pragma once

#include <QDialog>
#include <functional>

#include "graphics/diagram_frame.h"
#include "text/format_options.h"

class QLineEdit;

namespace trb::gui {

// The limits of a diagram: ymax and ymin at the left of an empty frame, xmin and xmax below it.
// "Calculate" puts the automatic limits back into the four fields.
class TEinDiagramLimits : public QDialog {
  public:
    TEinDiagramLimits(const graphics::DiagramLimits& limits, const graphics::DiagramLimits& automatic,
                      const text::FormatOptions& format, const QString& caption,
                      std::function<void()> showHelp, QWidget* parent = nullptr);

    // The four fields, read as numbers (a field that is no number reads as 0).
    graphics::DiagramLimits Limits() const;

  private:
    void Show(const graphics::DiagramLimits& limits);

    graphics::DiagramLimits automatic_;
    text::FormatOptions format_;
    QLineEdit* xmin_ = nullptr;
    QLineEdit* xmax_ = nullptr;
    QLineEdit* ymin_ = nullptr;
    QLineEdit* ymax_ = nullptr;
};

}  // namespace trb::gui
