// The Label kind: a static text that draws itself, so that it can keep its own colours and
// font and be repainted twenty times a second without erasing (which would flicker).
#include <string>

#include "app/controls_win32.h"

namespace orvenal {
namespace {

// A text effect draws a copy of the text offset from it: a light relief or a shadow.
struct EffectPass {
  COLORREF color;
  int offset;
  bool text_offset;  // the text itself moves by the offset, the copy stays in place
};

constexpr COLORREF kEffectWhite = RGB(255, 255, 255);
constexpr COLORREF kEffectBlack = RGB(0, 0, 0);
constexpr int kRaisedEffect = 1;
constexpr int kSunkenEffect = 2;
constexpr int kShadowEffect = 3;

UINT LabelFormat(const LabelSettings& settings) {
  constexpr UINT kHorizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  constexpr UINT kVertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
  UINT format = DT_NOCLIP | kHorizontal[static_cast<int>(settings.horizontal_align)];
  if (settings.word_wrap) {
    return format | DT_WORDBREAK | DT_VCENTER;
  }
  return format | DT_SINGLELINE | kVertical[static_cast<int>(settings.vertical_align)];
}

void DrawLabelText(HDC dc, const LabelSettings& settings, const std::string& text, RECT area) {
  const UINT format = LabelFormat(settings);
  RECT text_area = area;
  if (settings.text_effect == kRaisedEffect || settings.text_effect == kShadowEffect) {
    const int offset = settings.text_effect == kRaisedEffect ? 1 : 2;
    RECT copy = area;
    OffsetRect(&copy, offset, offset);
    SetTextColor(dc, settings.text_effect == kRaisedEffect ? kEffectWhite : kEffectBlack);
    DrawTextA(dc, text.c_str(), -1, &copy, format);
  } else if (settings.text_effect == kSunkenEffect) {
    SetTextColor(dc, kEffectWhite);
    DrawTextA(dc, text.c_str(), -1, &area, format);
    OffsetRect(&text_area, 1, 1);
  }
  SetTextColor(dc, ResolveColor(settings.text_color));
  DrawTextA(dc, text.c_str(), -1, &text_area, format);
}

void PaintLabel(const ControlState& state) {
  const auto& settings = std::get<LabelSettings>(state.record->settings);
  PaintScope paint(state.hwnd);
  if (IsRectEmpty(&paint.Area())) {
    return;
  }
  RECT client;
  GetClientRect(state.hwnd, &client);
  RECT area;
  IntersectRect(&area, &paint.Area(), &client);
  IntersectClipRect(paint.Dc(), area.left, area.top, area.right, area.bottom);
  FillRect(paint.Dc(), &area, BrushOrSystem(state.brush));

  const std::string& text = state.caption;
  if (text.empty()) {
    return;
  }
  SelectedObject font(paint.Dc(), FontOf(state));
  SetBkMode(paint.Dc(), TRANSPARENT);
  DrawLabelText(paint.Dc(), settings, text, client);
}

}  // namespace

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  ControlState* state = ControlStateFor(hwnd, message, lparam);
  if (state == nullptr) {
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  switch (message) {
    case WM_PAINT:
      PaintLabel(*state);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills the background itself
    case WM_NCDESTROY:
      AttachState(hwnd, nullptr);
      break;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

bool CreateLabel(ControlState& state, HWND parent, HINSTANCE instance) {
  const Record& record = *state.record;
  const auto& settings = std::get<LabelSettings>(record.settings);
  state.brush = CreateColorBrush(settings.background);
  state.font = CreateStoredFont(settings.font);
  state.caption = settings.caption;
  state.hwnd =
      CreateChildWindow(state, BorderExStyle(settings.border), kLabelClass, state.caption.c_str(),
                        ChildStyles(record) | BorderPlainStyle(settings.border), parent, instance);
  return state.hwnd != nullptr;
}

}  // namespace orvenal
