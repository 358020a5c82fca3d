// The application frame: loads windows from their description, runs the event loop on the
// user-interface thread, delivers events to the handlers, gives the handlers the control
// properties, and runs the end sequence once the last window is gone.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/event_gate.h"
#include "app/hyperlink_open.h"
#include "app/live_window_win32.h"
#include "app/property_access.h"

namespace orvenal {

class Frame final : public PropertyAccess {
 public:
  Frame(HINSTANCE instance, LinkOpenApi& link_open);
  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  void BindHandlers(HandlerTable handlers) { dispatcher_ = EventDispatcher(std::move(handlers)); }
  void RegisterExitHook(std::function<void()> hook) { exit_hook_ = std::move(hook); }

  void LoadWindow(ControlId window);
  // Runs until the quit request and returns its exit code.
  int RunEventLoop();
  // The end sequence: closes the gate for good and runs the exit hook once.
  void EndProgram();

  void RaiseEvent(ControlId window, ControlId control, std::int32_t event);
  // Called by a window's WM_NCDESTROY, when it and all its controls are gone.
  void ForgetWindow(const LiveWindow& window);

  LinkOpenApi& LinkOpen() { return link_open_; }

  PropertyValue ReadProperty(ControlId window, ControlId control, int property,
                             int sub_index) override;
  void WriteProperty(ControlId window, ControlId control, int property, int sub_index,
                     const PropertyValue& value) override;

 private:
  LiveWindow& LoadedWindow(ControlId window);
  ControlState& LoadedControl(ControlId window, ControlId control);
  bool PreprocessKey(const MSG& message);

  HINSTANCE instance_;
  LinkOpenApi& link_open_;
  EventDispatcher dispatcher_{HandlerTable{}};
  std::vector<std::unique_ptr<LiveWindow>> windows_;
  std::function<void()> exit_hook_;
  bool loop_entered_ = false;
};

}  // namespace orvenal
