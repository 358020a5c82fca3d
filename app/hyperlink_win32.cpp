// The HyperLinker kind: a link text that draws itself in its text, hover or visited colour,
// follows the pointer with a mouse capture so that it notices the pointer leaving, and opens
// its target when the left button is pressed on it.
#include <string>

#include "app/controls_win32.h"
#include "app/frame_win32.h"
#include "app/hyperlink_open.h"
#include "app/window_text_win32.h"

namespace orvenal {
namespace {

constexpr UINT kLinkFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;

const HyperLinkerSettings& LinkSettings(const ControlState& state) {
  return std::get<HyperLinkerSettings>(state.record->settings);
}

COLORREF CurrentTextColor(const ControlState& state) {
  const HyperLinkerSettings& settings = LinkSettings(state);
  if (state.hover) {
    return settings.hover_color;
  }
  return state.visited ? settings.visited_color : settings.text_color;
}

void Repaint(const ControlState& state) {
  InvalidateRect(state.hwnd, nullptr, FALSE);
}

void OnMouseMove(ControlState& state, LPARAM lparam) {
  if (!state.hover) {
    state.hover = true;
    Repaint(state);
    SetCapture(state.hwnd);
    return;
  }
  const POINT point = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  RECT client;
  GetClientRect(state.hwnd, &client);
  if (!PtInRect(&client, point)) {
    state.hover = false;
    ReleaseCapture();
    Repaint(state);
  } else if (GetCapture() != state.hwnd) {
    SetCapture(state.hwnd);
  }
}

void OnLeftButtonDown(ControlState& state) {
  const HyperLinkerSettings& settings = LinkSettings(state);
  const std::string target = LinkTarget(settings.link_kind, settings.email, settings.web_address);
  state.visited = OpenLinkTarget(state.frame->LinkOpen(), target, SW_SHOW);
  if (state.visited) {
    Repaint(state);
  }
}

void PaintLink(const ControlState& state) {
  PaintScope paint(state.hwnd);
  if (IsRectEmpty(&paint.Area())) {
    return;
  }
  const HyperLinkerSettings& settings = LinkSettings(state);
  {
    SelectedObject brush(paint.Dc(), BrushOrSystem(state.brush));
    const RECT& area = paint.Area();
    PatBlt(paint.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           PATCOPY);
  }
  std::string text = WindowText(state.hwnd);
  if (text.empty()) {
    text = settings.link_kind != 0 ? settings.web_address : settings.email;
  }
  SetBkMode(paint.Dc(), TRANSPARENT);
  SetTextColor(paint.Dc(), CurrentTextColor(state));
  SelectedObject font(paint.Dc(), FontOf(state));
  RECT client;
  GetClientRect(state.hwnd, &client);
  DrawTextA(paint.Dc(), text.c_str(), -1, &client, kLinkFormat);
}

}  // namespace

LRESULT CALLBACK HyperLinkerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  ControlState* state = ControlStateFor(hwnd, message, lparam);
  if (state == nullptr) {
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove(*state, lparam);
      return 0;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(*state);
      return 0;
    case WM_PAINT:
      PaintLink(*state);
      return 0;
    case WM_NCDESTROY:
      AttachState(hwnd, nullptr);
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

bool CreateHyperLinker(ControlState& state, HWND parent, HINSTANCE instance) {
  const Record& record = *state.record;
  const HyperLinkerSettings& settings = std::get<HyperLinkerSettings>(record.settings);
  state.brush = CreateColorBrush(settings.background);
  state.font = CreateStoredFont(settings.font);
  state.hwnd =
      CreateChildWindow(state, BorderExStyle(settings.border), kHyperLinkerClass,
                        std::string(settings.caption).c_str(),
                        ChildStyles(record) | BorderPlainStyle(settings.border), parent, instance);
  return state.hwnd != nullptr;
}

}  // namespace orvenal
