#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "graphics/diagram_frame.h"
#include "graphics/driver.h"
#include "gui/input/input_context.h"

namespace trb::app {
class Program;
}

namespace trb::gui {

// The window's forms for the questions of the drawing output: the plot dialog before a plot and
// the limits form before a diagram.
class DrawingEditors : public graphics::PlotCommandEditor, public graphics::DiagramLimitsEditor {
  public:
    DrawingEditors(app::Program& program, QWidget* window, InputHelp help);

    // TForm_conftraceon on the (code page 850) command line; false when cancelled.
    bool EditCommandLine(std::string& commandLine) override;
    // TEinDiagramLimits; false when cancelled.
    bool EditLimits(graphics::DiagramLimits& limits, const graphics::DiagramLimits& automatic) override;

  private:
    app::Program& program_;
    QPointer<QWidget> window_;
    InputHelp help_;
};

}  // namespace trb::gui
