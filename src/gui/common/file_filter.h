#pragma once

#include <QString>
#include <string_view>

namespace trb::gui {

// A file filter as the program states it ("*.trb", or description and pattern pairs separated by
// "|" such as "*.dxf|*.dxf|*.*|*.*") in Qt's form ("*.dxf (*.dxf);;All (*)"). Patterns separated by
// ";" become one entry with several patterns; "*.*" matches every file, as it does on the desktop
// the filters come from.
QString QtFileFilter(std::string_view filter);

}  // namespace trb::gui
