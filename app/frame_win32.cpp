// The frame's loading of windows, its event loop with the window's key rules, event delivery
// and the control properties the handlers read and write.
#include "app/frame_win32.h"

#include <string>

#include "app/controls_win32.h"
#include "app/fatal_win32.h"
#include "app/focus_order.h"
#include "app/main_window_win32.h"
#include "app/window_text_win32.h"

namespace orvenal {
namespace {

// Runs every message already waiting, so that what fell due meets the gate as it stands now.
void ProcessWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

Key KeyOf(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_TAB:
      return Key::Tab;
    case VK_RETURN:
      return Key::Enter;
    case VK_ESCAPE:
      return Key::Escape;
    case VK_F1:
      return Key::F1;
    default:
      return Key::Other;
  }
}

bool IsDown(int virtual_key) {
  return GetKeyState(virtual_key) < 0;
}

const Text& TextValue(const PropertyValue& value) {
  const Text* text = std::get_if<Text>(&value);
  if (text == nullptr) {
    FatalFailure("属性值的类型不符。");
  }
  return *text;
}

std::int32_t IntegerValue(const PropertyValue& value) {
  const auto* integer = std::get_if<std::int32_t>(&value);
  if (integer == nullptr) {
    FatalFailure("属性值的类型不符。");
  }
  return *integer;
}

[[noreturn]] void UnsupportedProperty() {
  FatalFailure("不支持的控件属性。");
}

}  // namespace

Frame::Frame(HINSTANCE instance, LinkOpenApi& link_open)
    : instance_(instance), link_open_(link_open) {
  if (!RegisterMainWindowClass(instance) || !RegisterControlClasses(instance)) {
    FatalFailure("无法注册窗口类。");
  }
}

void Frame::LoadWindow(ControlId window_id) {
  const WindowDescription* description = FindWindowDescription(window_id);
  if (description == nullptr) {
    FatalFailure("找不到启动窗口。");
  }
  ProcessWaitingMessages();
  dispatcher_.Gate().Raise();

  auto window = std::make_unique<LiveWindow>();
  window->frame = this;
  window->description = description;
  window->tab_sequence = TabSequence(*description);
  LiveWindow& live = *window;
  windows_.push_back(std::move(window));
  if (!CreateMainWindow(live, instance_)) {
    FatalFailure("无法创建窗口。");
  }
  // Creation runs through the description backwards, so the first control is created last.
  for (auto record = description->controls.rbegin(); record != description->controls.rend();
       ++record) {
    auto control = std::make_unique<ControlState>();
    control->frame = this;
    control->owner = &live;
    control->record = &*record;
    ControlState& created = *control;
    live.controls.push_back(std::move(control));
    if (!CreateControl(created, live.hwnd, instance_)) {
      FatalFailure("无法创建控件。");
    }
  }
  StackControls(live);
  ShowControls(live);

  ProcessWaitingMessages();
  dispatcher_.Gate().Lower();
  ShowMainWindow(live);
}

int Frame::RunEventLoop() {
  loop_entered_ = true;
  if (windows_.empty()) {
    return 0;
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    const bool key_down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (key_down && PreprocessKey(message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void Frame::EndProgram() {
  dispatcher_.Gate().Raise();
  if (exit_hook_) {
    const std::function<void()> hook = std::move(exit_hook_);
    exit_hook_ = nullptr;
    hook();
  }
  windows_.clear();
}

void Frame::RaiseEvent(ControlId window, ControlId control, std::int32_t event) {
  if (!dispatcher_.Gate().IsOpen()) {
    return;
  }
  dispatcher_.RaiseEvent(*LoadedWindow(window).description, control, event);
}

void Frame::ForgetWindow(const LiveWindow& window) {
  std::erase_if(windows_, [&window](const auto& live) { return live.get() == &window; });
  if (windows_.empty() && loop_entered_) {
    PostQuitMessage(0);
  }
}

bool Frame::PreprocessKey(const MSG& message) {
  for (const auto& window : windows_) {
    if (message.hwnd != window->hwnd && !IsChild(window->hwnd, message.hwnd)) {
      continue;
    }
    const auto& settings = std::get<WindowSettings>(window->description->window.settings);
    const ControlState* focused = ControlOfWindow(*window, GetFocus());
    const std::optional<ControlId> default_button = DefaultButton(*window->description);
    const KeyContext context = {
        .focused_is_default_button =
            focused != nullptr && default_button && focused->record->id == *default_button,
        .has_default_button = default_button.has_value(),
    };
    const Modifiers modifiers = {IsDown(VK_SHIFT), IsDown(VK_CONTROL), IsDown(VK_MENU)};
    const ControlId window_id = window->description->window.id;
    const KeyAction action = ClassifyKey(settings, KeyOf(message.wParam), modifiers, context);
    switch (action) {
      case KeyAction::PassOn:
        return false;
      case KeyAction::FocusNext:
      case KeyAction::FocusPrevious: {
        const bool forward = action == KeyAction::FocusNext;
        const std::optional<ControlId> current =
            focused ? std::optional(focused->record->id) : std::nullopt;
        if (const auto next = NextInSequence(window->tab_sequence, current, forward)) {
          SetFocus(ControlById(*window, *next)->hwnd);
        }
        return true;
      }
      case KeyAction::ClickFocused:
        RaiseEvent(window_id, focused->record->id, kClickEvent);
        return true;
      case KeyAction::ClickDefault:
        RaiseEvent(window_id, *default_button, kClickEvent);
        return true;
      case KeyAction::Close:
        SendMessageA(window->hwnd, WM_CLOSE, 0, 0);
        return true;
    }
  }
  return false;
}

LiveWindow& Frame::LoadedWindow(ControlId window) {
  for (const auto& live : windows_) {
    if (live->description->window.id == window) {
      return *live;
    }
  }
  FatalFailure("访问了未载入的窗口。");
}

ControlState& Frame::LoadedControl(ControlId window, ControlId control) {
  ControlState* state = ControlById(LoadedWindow(window), control);
  if (state == nullptr) {
    FatalFailure("访问了未载入的控件。");
  }
  return *state;
}

PropertyValue Frame::ReadProperty(ControlId window, ControlId control, int property,
                                  int /*sub_index*/) {
  ControlState& state = LoadedControl(window, control);
  if (property != props::kFirstKindSetting) {
    UnsupportedProperty();
  }
  switch (state.record->kind) {
    case Kind::Label:
      return Text::CopyOrNull(state.caption);
    case Kind::EditBox:
      return Text::CopyOrNull(WindowText(state.hwnd));
    case Kind::Timer:
      return state.period;
    default:
      UnsupportedProperty();
  }
}

void Frame::WriteProperty(ControlId window, ControlId control, int property, int /*sub_index*/,
                          const PropertyValue& value) {
  ControlState& state = LoadedControl(window, control);
  if (property != props::kFirstKindSetting) {
    UnsupportedProperty();
  }
  switch (state.record->kind) {
    case Kind::Label:
      // The label paints from its own copy; the window text is kept the same for anything
      // that reads it from outside.
      state.caption = TextValue(value).View();
      SetWindowTextA(state.hwnd, state.caption.c_str());
      // Repainted by the loop once the handler has returned; the paint fills the background.
      InvalidateRect(state.hwnd, nullptr, FALSE);
      return;
    case Kind::EditBox:
      SetWindowTextA(state.hwnd, TextValue(value).CStr());
      return;
    case Kind::Timer:
      WriteTimerPeriod(state, IntegerValue(value));
      return;
    default:
      UnsupportedProperty();
  }
}

}  // namespace orvenal
