// The main window's creation and window procedure. The window paints its own background,
// forwards button clicks to the frame as events, gives the edit boxes their colours, and
// keeps track of which control had the focus so that reactivation hands it back.
#include "app/main_window_win32.h"

#include <string>

#include "app/controls_win32.h"
#include "app/frame_win32.h"
#include "resources/resource_ids.h"

namespace orvenal {
namespace {

constexpr UINT kMainClassStyles = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;

DWORD FrameStyles(const WindowSettings& settings) {
  switch (settings.border_style) {
    case BorderStyle::None:
      return WS_POPUP;
    case BorderStyle::Resizable:
    case BorderStyle::ResizableTool:
    case BorderStyle::ResizableSunken:
      return WS_THICKFRAME;
    case BorderStyle::Fixed:
    case BorderStyle::FixedTool:
    case BorderStyle::FixedSunken:
      return 0;
  }
  return 0;
}

DWORD FrameExStyles(const WindowSettings& settings) {
  DWORD styles = settings.always_on_top ? WS_EX_TOPMOST : 0;
  switch (settings.border_style) {
    case BorderStyle::ResizableTool:
    case BorderStyle::FixedTool:
      styles |= WS_EX_TOOLWINDOW;
      break;
    case BorderStyle::ResizableSunken:
    case BorderStyle::FixedSunken:
      styles |= WS_EX_CLIENTEDGE;
      break;
    default:
      break;
  }
  // An unowned top-level window that is no tool window has its task-bar button already.
  return styles;
}

DWORD WindowStyles(const WindowSettings& settings) {
  DWORD styles = WS_CLIPCHILDREN | WS_DLGFRAME | FrameStyles(settings);
  if (settings.control_box) {
    styles |= WS_CAPTION | WS_SYSMENU;
  }
  if (settings.minimize_box) {
    styles |= WS_MINIMIZEBOX;
  }
  if (settings.maximize_box) {
    styles |= WS_MAXIMIZEBOX;
  }
  return styles;
}

POINT StartPlace(const Record& record, const WindowSettings& settings) {
  if (settings.start_position == StartPosition::Centered) {
    return {(GetSystemMetrics(SM_CXSCREEN) - record.rect.width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - record.rect.height) / 2};
  }
  return {record.rect.left, record.rect.top};
}

void SetProgramIcons(HWND hwnd, HINSTANCE instance) {
  struct IconSize {
    WPARAM kind;
    int width_metric;
    int height_metric;
  };
  constexpr IconSize kIcons[] = {{ICON_BIG, SM_CXICON, SM_CYICON},
                                 {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
  for (const IconSize& icon : kIcons) {
    // Shared icons belong to the system, so nothing has to destroy them with the window.
    HANDLE image =
        LoadImageA(instance, ORVENAL_ICON_NAME, IMAGE_ICON, GetSystemMetrics(icon.width_metric),
                   GetSystemMetrics(icon.height_metric), LR_SHARED);
    SendMessageA(hwnd, WM_SETICON, icon.kind, reinterpret_cast<LPARAM>(image));
  }
}

// A window created at a size the system adjusted is brought back to its recorded outer size.
void KeepOuterSize(HWND hwnd, const Rect& rect) {
  RECT outer;
  GetWindowRect(hwnd, &outer);
  if (outer.right - outer.left != rect.width || outer.bottom - outer.top != rect.height) {
    SetWindowPos(hwnd, nullptr, 0, 0, rect.width, rect.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void PaintBackground(const LiveWindow& window) {
  PaintScope paint(window.hwnd);
  FillRect(paint.Dc(), &paint.Area(), BrushOrSystem(window.background));
}

void OnButtonCommand(const LiveWindow& window, WPARAM wparam, LPARAM lparam) {
  if (HIWORD(wparam) != BN_CLICKED) {
    return;
  }
  const ControlState* control = ControlOfWindow(window, reinterpret_cast<HWND>(lparam));
  if (control != nullptr && control->record->kind == Kind::Button) {
    window.frame->RaiseEvent(window.description->window.id, control->record->id, kClickEvent);
  }
}

LRESULT OnEditColors(const LiveWindow& window, WPARAM wparam, LPARAM lparam) {
  const ControlState* control = ControlOfWindow(window, reinterpret_cast<HWND>(lparam));
  if (control == nullptr || control->record->kind != Kind::EditBox) {
    return DefWindowProcA(window.hwnd, WM_CTLCOLOREDIT, wparam, lparam);
  }
  return EditBoxColors(*control, reinterpret_cast<HDC>(wparam));
}

void OnActivate(LiveWindow& window, WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window.hwnd, focus)) {
      window.remembered_focus = focus;
    }
  }
}

void OnSetFocus(const LiveWindow& window) {
  if (window.remembered_focus != nullptr && IsWindow(window.remembered_focus) &&
      IsChild(window.hwnd, window.remembered_focus)) {
    SetFocus(window.remembered_focus);
    return;
  }
  if (!window.tab_sequence.empty()) {
    if (const ControlState* first = ControlById(window, window.tab_sequence.front())) {
      SetFocus(first->hwnd);
    }
  }
}

LRESULT OnQueryEndSession(const LiveWindow& window, WPARAM wparam, LPARAM lparam) {
  // No handler is bound to the close event, so nothing vetoes the end of the session.
  return DefWindowProcA(window.hwnd, WM_QUERYENDSESSION, wparam, lparam);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    AttachCreationState(hwnd, lparam);
  }
  auto* window = StateOf<LiveWindow>(hwnd);
  if (window == nullptr) {
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  switch (message) {
    case WM_PAINT:
      PaintBackground(*window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the background
    case WM_COMMAND:
      OnButtonCommand(*window, wparam, lparam);
      return 0;
    case WM_CTLCOLOREDIT:
      return OnEditColors(*window, wparam, lparam);
    case WM_ACTIVATE:
      OnActivate(*window, wparam);
      break;
    case WM_SETFOCUS:
      OnSetFocus(*window);
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_QUERYENDSESSION:
      return OnQueryEndSession(*window, wparam, lparam);
    case WM_NCDESTROY: {
      AttachState(hwnd, nullptr);
      window->frame->ForgetWindow(*window);
      return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.style = kMainClassStyles;
  window_class.lpfnWndProc = MainWindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  window_class.lpszClassName = kMainWindowClass;
  return RegisterClassExA(&window_class) != 0;
}

bool CreateMainWindow(LiveWindow& window, HINSTANCE instance) {
  const Record& record = window.description->window;
  const auto& settings = std::get<WindowSettings>(record.settings);
  window.background = CreateColorBrush(settings.background);
  const POINT place = StartPlace(record, settings);
  window.hwnd = CreateWindowExA(FrameExStyles(settings), kMainWindowClass,
                                std::string(settings.caption).c_str(), WindowStyles(settings),
                                place.x, place.y, record.rect.width, record.rect.height, nullptr,
                                nullptr, instance, &window);
  if (window.hwnd == nullptr) {
    return false;
  }
  KeepOuterSize(window.hwnd, record.rect);
  SetProgramIcons(window.hwnd, instance);
  SendMessageA(window.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  if (!settings.movable) {
    DeleteMenu(GetSystemMenu(window.hwnd, FALSE), SC_MOVE, MF_BYCOMMAND);
  }
  return true;
}

bool CreateControl(ControlState& control, HWND parent, HINSTANCE instance) {
  switch (control.record->kind) {
    case Kind::Label:
      return CreateLabel(control, parent, instance);
    case Kind::EditBox:
      return CreateEditBox(control, parent, instance);
    case Kind::Button:
      return CreateButton(control, parent, instance);
    case Kind::HyperLinker:
      return CreateHyperLinker(control, parent, instance);
    case Kind::Timer:
      return CreateTimer(control, parent, instance);
    case Kind::Window:
      break;
  }
  return false;
}

void StackControls(const LiveWindow& window) {
  constexpr UINT kOnlyOrder = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  HWND above = HWND_TOP;
  for (const Record& record : window.description->controls) {
    const ControlState* control = ControlById(window, record.id);
    SetWindowPos(control->hwnd, above, 0, 0, 0, 0, kOnlyOrder);
    above = control->hwnd;
  }
}

void ShowControls(const LiveWindow& window) {
  for (const auto& control : window.controls) {
    ShowWindow(control->hwnd, control->record->visible ? SW_SHOWNA : SW_HIDE);
  }
}

void ShowMainWindow(const LiveWindow& window) {
  const Record& record = window.description->window;
  if (!record.visible) {
    return;
  }
  const auto& settings = std::get<WindowSettings>(record.settings);
  int show = SW_SHOWNORMAL;
  if (settings.start_position == StartPosition::Minimized) {
    show = SW_SHOWMINIMIZED;
  } else if (settings.start_position == StartPosition::Maximized &&
             (WindowStyles(settings) & WS_THICKFRAME) != 0) {
    show = SW_SHOWMAXIMIZED;
  }
  ShowWindow(window.hwnd, show);
}

ControlState* ControlOfWindow(const LiveWindow& window, HWND hwnd) {
  for (const auto& control : window.controls) {
    if (control->hwnd == hwnd) {
      return control.get();
    }
  }
  return nullptr;
}

ControlState* ControlById(const LiveWindow& window, ControlId id) {
  for (const auto& control : window.controls) {
    if (control->record->id == id) {
      return control.get();
    }
  }
  return nullptr;
}

}  // namespace orvenal
