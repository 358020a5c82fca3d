// The EditBox kind: the system's edit control, subclassed so that its single text line sits
// centred from top to bottom in a box taller than the line. The bands above and below the line
// are made non-client area: painted in the box's background, and not taking the caret.
#include <string>

#include "app/controls_win32.h"

namespace orvenal {
namespace {

// The character that sets the least height of a single-line box, and the one whose height the
// centred text line gets.
constexpr char kTallestCharacter[] = "吴";
constexpr char kLineCharacter[] = "W";

SIZE TextExtent(HWND hwnd, const char* text) {
  SIZE extent{};
  WindowDc dc(hwnd, GetDC(hwnd));
  const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
  SelectedObject selected(dc.Get(), font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  GetTextExtentPoint32A(dc.Get(), text, static_cast<int>(std::char_traits<char>::length(text)),
                        &extent);
  return extent;
}

void CentreLine(HWND hwnd, RECT& client) {
  const LONG line = TextExtent(hwnd, kLineCharacter).cy;
  client.top += (client.bottom - client.top - line) / 2;
  client.bottom = client.top + line;
}

LRESULT OnCalcSize(const ControlState& state, WPARAM wparam, LPARAM lparam) {
  const LRESULT result =
      CallWindowProcA(state.system_proc, state.hwnd, WM_NCCALCSIZE, wparam, lparam);
  RECT& client = wparam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0]
                        : *reinterpret_cast<RECT*>(lparam);
  CentreLine(state.hwnd, client);
  return result;
}

// The client rectangle in the coordinates of the whole window.
RECT ClientInWindow(HWND hwnd) {
  RECT window;
  GetWindowRect(hwnd, &window);
  RECT client;
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  return client;
}

LRESULT OnNcPaint(const ControlState& state, WPARAM wparam, LPARAM lparam) {
  {
    WindowDc dc(state.hwnd, GetWindowDC(state.hwnd));
    RECT window;
    GetWindowRect(state.hwnd, &window);
    OffsetRect(&window, -window.left, -window.top);
    const RECT client = ClientInWindow(state.hwnd);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    FillRect(dc.Get(), &window, BrushOrSystem(state.brush));
  }
  return CallWindowProcA(state.system_proc, state.hwnd, WM_NCPAINT, wparam, lparam);
}

LRESULT OnNcHitTest(const ControlState& state, LPARAM lparam) {
  POINT point = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  ScreenToClient(state.hwnd, &point);
  RECT client;
  GetClientRect(state.hwnd, &client);
  if (!PtInRect(&client, point)) {
    return HTBORDER;
  }
  return CallWindowProcA(state.system_proc, state.hwnd, WM_NCHITTEST, 0, lparam);
}

LRESULT CALLBACK EditBoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* state = StateOf<ControlState>(hwnd);
  switch (message) {
    case WM_NCCALCSIZE:
      return OnCalcSize(*state, wparam, lparam);
    case WM_NCPAINT:
      return OnNcPaint(*state, wparam, lparam);
    case WM_NCHITTEST:
      return OnNcHitTest(*state, lparam);
    case WM_NCDESTROY: {
      const WNDPROC system_proc = state->system_proc;
      AttachState(hwnd, nullptr);
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system_proc));
      return CallWindowProcA(system_proc, hwnd, message, wparam, lparam);
    }
  }
  return CallWindowProcA(state->system_proc, hwnd, message, wparam, lparam);
}

DWORD EditStyles(const Record& record, const EditBoxSettings& settings) {
  constexpr DWORD kAlign[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
  constexpr std::int32_t kUpperCase = 1;
  constexpr std::int32_t kLowerCase = 2;
  DWORD styles = ChildStyles(record) | BorderPlainStyle(settings.border) |
                 kAlign[static_cast<int>(settings.align)];
  styles |= settings.multi_line ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
  if (!settings.hide_selection) {
    styles |= ES_NOHIDESEL;
  }
  if (settings.letter_case == kUpperCase) {
    styles |= ES_UPPERCASE;
  } else if (settings.letter_case == kLowerCase) {
    styles |= ES_LOWERCASE;
  }
  return styles;
}

// A single-line box lower than one line of its font plus its edges is made that high.
void EnsureLineFits(HWND hwnd, const Record& record) {
  const LONG least = TextExtent(hwnd, kTallestCharacter).cy + 2 * GetSystemMetrics(SM_CYEDGE);
  if (record.rect.height < least) {
    SetWindowPos(hwnd, nullptr, 0, 0, record.rect.width, least,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace

bool CreateEditBox(ControlState& state, HWND parent, HINSTANCE instance) {
  const Record& record = *state.record;
  const auto& settings = std::get<EditBoxSettings>(record.settings);
  state.brush = CreateColorBrush(settings.background);
  state.font = CreateStoredFont(settings.font);
  state.hwnd =
      CreateWindowExA(BorderExStyle(settings.border), "EDIT", std::string(settings.content).c_str(),
                      EditStyles(record, settings), record.rect.left, record.rect.top,
                      record.rect.width, record.rect.height, parent,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(record.id)), instance, nullptr);
  if (state.hwnd == nullptr) {
    return false;
  }
  AttachState(state.hwnd, &state);
  state.system_proc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(state.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditBoxProc)));
  SendMessageA(state.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(state)), FALSE);
  SendMessageA(state.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(settings.max_length), 0);
  if (!settings.multi_line) {
    EnsureLineFits(state.hwnd, record);
  }
  // The frame was computed before the subclass saw it; recompute so the line is centred now.
  SetWindowPos(state.hwnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(state.hwnd, EM_SETSEL, static_cast<WPARAM>(settings.selection_start),
               static_cast<LPARAM>(settings.selection_start + settings.selection_length));
  return true;
}

LRESULT EditBoxColors(const ControlState& state, HDC dc) {
  const auto& settings = std::get<EditBoxSettings>(state.record->settings);
  SetTextColor(dc, ResolveColor(settings.text_color));
  SetBkColor(dc, ResolveColor(settings.background));
  return reinterpret_cast<LRESULT>(BrushOrSystem(state.brush));
}

}  // namespace orvenal
