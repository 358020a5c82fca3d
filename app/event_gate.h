// Delivering events to handlers: the event gate and the binding look-up.
//
// While a window loads, and for good once the program has begun to end, the gate is raised
// and no event reaches a handler. Everything here runs on the user-interface thread, so the
// gate is a plain counter.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "app/control_ids.h"
#include "app/window_description.h"

namespace orvenal {

class EventGate {
 public:
  void Raise() { ++depth_; }
  void Lower() {
    if (depth_ > 0) {
      --depth_;
    }
  }
  bool IsOpen() const { return depth_ == 0; }

 private:
  std::int32_t depth_ = 0;
};

using Handler = std::function<void()>;
using HandlerTable = std::array<Handler, kHandlerCount>;

class EventDispatcher {
 public:
  explicit EventDispatcher(HandlerTable handlers) : handlers_(std::move(handlers)) {}

  EventGate& Gate() { return gate_; }

  // Runs the handler bound to this event of the control, if the gate is open and one is
  // bound; an event without a binding is dropped. The control must be in the description.
  void RaiseEvent(const WindowDescription& window, ControlId control, std::int32_t event);

 private:
  EventGate gate_;
  HandlerTable handlers_;
};

}  // namespace orvenal
