// Event delivery through the gate to the bound handler.
#include "app/event_gate.h"

namespace orvenal {

void EventDispatcher::RaiseEvent(const WindowDescription& window, ControlId control,
                                 std::int32_t event) {
  if (!gate_.IsOpen()) {
    return;
  }
  const Record* record = FindControl(window, control);
  if (record == nullptr) {
    return;
  }
  const std::optional<HandlerId> handler = FindBinding(*record, event);
  if (!handler) {
    return;
  }
  const Handler& routine = handlers_[static_cast<std::size_t>(*handler)];
  if (routine) {
    routine();
  }
}

}  // namespace orvenal
