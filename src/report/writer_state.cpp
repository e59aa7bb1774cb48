#include "report/writer_state.h"

#include "report/report_file.h"

namespace trb::report {

WriterState::WriterState() = default;
WriterState::~WriterState() = default;

}  // namespace trb::report
