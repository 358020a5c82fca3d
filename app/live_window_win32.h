// The live state of a loaded window and of each of its controls.
//
// Every window procedure of the program finds its state through GWLP_USERDATA: a
// ControlState for a control, a LiveWindow for the main window. The frame owns both; they
// live from LoadWindow until the window's WM_NCDESTROY, after all its children are gone.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/win32_handles.h"
#include "app/window_description.h"

namespace orvenal {

class Frame;
struct LiveWindow;

struct ControlState {
  Frame* frame = nullptr;
  LiveWindow* owner = nullptr;
  const Record* record = nullptr;
  HWND hwnd = nullptr;
  UniqueBrush brush;              // background of a Label, an EditBox or a HyperLinker
  UniqueFont font;                // created from the stored font record; empty means the stock font
  std::string caption;            // a Label's own copy of its window text, painted from
  WNDPROC system_proc = nullptr;  // an EditBox's own EDIT procedure, which it forwards to
  std::int32_t period = 0;        // a Timer's period in milliseconds
  bool hover = false;             // a HyperLinker under the pointer
  bool visited = false;           // a HyperLinker whose last open succeeded
};

struct LiveWindow {
  Frame* frame = nullptr;
  const WindowDescription* description = nullptr;
  HWND hwnd = nullptr;
  UniqueBrush background;
  std::vector<std::unique_ptr<ControlState>> controls;  // in creation order
  std::vector<ControlId> tab_sequence;
  HWND remembered_focus = nullptr;  // the control that had the focus at deactivation
};

// The state a window procedure keeps behind GWLP_USERDATA; null before it is attached.
template <typename State>
State* StateOf(HWND hwnd) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

inline void AttachState(HWND hwnd, void* state) {
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}

// On WM_NCCREATE the state arrives as the creation parameter; keep it for later messages.
inline void AttachCreationState(HWND hwnd, LPARAM lparam) {
  const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
  AttachState(hwnd, create->lpCreateParams);
}

}  // namespace orvenal
