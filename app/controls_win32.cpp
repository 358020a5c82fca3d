// What the control kinds share: window class registration, the common window styles, edge
// styles, stored fonts and colours; and the Button kind, which is the system's own control.
#include <cstring>
#include <string>

#include "app/controls_win32.h"
#include "resources/resource_ids.h"

namespace orvenal {

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK HyperLinkerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK TimerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

namespace {

constexpr UINT kControlClassStyles = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;

bool RegisterKind(HINSTANCE instance, const char* name, WNDPROC procedure, HCURSOR cursor) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = kControlClassStyles;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = cursor;
  window_class.lpszClassName = name;
  return RegisterClassExA(&window_class) != 0;
}

}  // namespace

bool RegisterControlClasses(HINSTANCE instance) {
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  HCURSOR hand = LoadCursorA(instance, MAKEINTRESOURCEA(ORVENAL_HAND_CURSOR_ID));
  return RegisterKind(instance, kLabelClass, LabelProc, arrow) &&
         RegisterKind(instance, kHyperLinkerClass, HyperLinkerProc, hand) &&
         RegisterKind(instance, kTimerClass, TimerProc, arrow);
}

DWORD ChildStyles(const Record& record) {
  DWORD styles = WS_CHILD | WS_CLIPSIBLINGS;
  if (record.tab_stop) {
    styles |= WS_TABSTOP;
  }
  if (record.disabled) {
    styles |= WS_DISABLED;
  }
  return styles;
}

HWND CreateChildWindow(ControlState& state, DWORD ex_styles, const char* window_class,
                       const char* text, DWORD styles, HWND parent, HINSTANCE instance) {
  const Record& record = *state.record;
  return CreateWindowExA(ex_styles, window_class, text, styles, record.rect.left, record.rect.top,
                         record.rect.width, record.rect.height, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(record.id)), instance,
                         &state);
}

ControlState* ControlStateFor(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    AttachCreationState(hwnd, lparam);
  }
  return StateOf<ControlState>(hwnd);
}

DWORD BorderExStyle(Border border) {
  switch (border) {
    case Border::Sunken:
      return WS_EX_CLIENTEDGE;
    case Border::Raised:
      return WS_EX_DLGMODALFRAME;
    case Border::ThinSunken:
      return WS_EX_STATICEDGE;
    case Border::SunkenRaised:
      return WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
    case Border::None:
    case Border::Line:
      break;
  }
  return 0;
}

DWORD BorderPlainStyle(Border border) {
  return border == Border::Line ? WS_BORDER : 0;
}

HFONT FontOf(const ControlState& state) {
  return state.font ? state.font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

UniqueFont CreateStoredFont(const FontSetting& font) {
  if (!font) {
    return UniqueFont();
  }
  static_assert(sizeof(LOGFONTA) == sizeof(FontRecord));
  LOGFONTA log_font;
  std::memcpy(&log_font, &*font, sizeof log_font);
  // The stored rendering fields are replaced so that the system picks what suits the screen.
  log_font.lfCharSet = DEFAULT_CHARSET;
  log_font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  log_font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  log_font.lfQuality = PROOF_QUALITY;
  log_font.lfPitchAndFamily = DEFAULT_PITCH;
  return UniqueFont(CreateFontIndirectA(&log_font));
}

COLORREF ResolveColor(ColorRef color) {
  return color == kSystemButtonFace ? GetSysColor(COLOR_BTNFACE) : color;
}

UniqueBrush CreateColorBrush(ColorRef color) {
  if (color == kSystemButtonFace) {
    return UniqueBrush();
  }
  return UniqueBrush(CreateSolidBrush(color));
}

HBRUSH BrushOrSystem(const UniqueBrush& brush) {
  return brush ? brush.Get() : GetSysColorBrush(COLOR_BTNFACE);
}

bool CreateButton(ControlState& state, HWND parent, HINSTANCE instance) {
  const Record& record = *state.record;
  const auto& settings = std::get<ButtonSettings>(record.settings);
  DWORD styles = ChildStyles(record) | BS_MULTILINE;
  styles |= settings.button_type == kDefaultButtonType ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  constexpr DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
  constexpr DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
  styles |= kHorizontal[static_cast<int>(settings.horizontal_align)];
  styles |= kVertical[static_cast<int>(settings.vertical_align)];

  state.font = CreateStoredFont(settings.font);
  state.hwnd =
      CreateWindowExA(0, "BUTTON", std::string(settings.caption).c_str(), styles, record.rect.left,
                      record.rect.top, record.rect.width, record.rect.height, parent,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(record.id)), instance, nullptr);
  if (state.hwnd == nullptr) {
    return false;
  }
  AttachState(state.hwnd, &state);
  SendMessageA(state.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(state)), FALSE);
  return true;
}

}  // namespace orvenal
