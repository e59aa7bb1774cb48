#pragma once

#include <string>
#include <string_view>

#include "text/format_options.h"

namespace trb::report {

// `text` with "&", "<", ">" and '"' replaced by their character references.
std::string HtmlEscape(std::string_view text);
// Escaped text that cannot end an HTML comment ("--" is broken up).
std::string HtmlComment(std::string_view text);
// Code page 850 → display text (UTF-8) for any length; the display conversion itself refuses
// texts of 255 characters and more, so long lines are converted piecewise.
std::string DisplayText(std::string_view oem, const text::FormatOptions& options);

}  // namespace trb::report
