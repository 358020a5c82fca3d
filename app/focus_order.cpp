// Tab sequence and key rules of a window description.
#include "app/focus_order.h"

#include <algorithm>
#include <ranges>

namespace orvenal {
namespace {

bool TakesTab(const Record& record) {
  const bool focusable_kind = record.kind == Kind::EditBox || record.kind == Kind::Button;
  return focusable_kind && record.visible && !record.disabled && record.tab_stop;
}

bool IsDefaultButton(const Record& record) {
  const auto* button = std::get_if<ButtonSettings>(&record.settings);
  return button != nullptr && button->button_type == kDefaultButtonType && !record.disabled;
}

bool Alone(Modifiers modifiers) {
  return !modifiers.shift && !modifiers.control && !modifiers.alt;
}

}  // namespace

std::vector<ControlId> TabSequence(const WindowDescription& window) {
  // Creation runs through the description backwards, so that is the order ties keep.
  std::vector<const Record*> candidates;
  for (const Record& record : std::views::reverse(window.controls)) {
    if (TakesTab(record)) {
      candidates.push_back(&record);
    }
  }
  std::ranges::stable_sort(candidates, {}, &Record::tab_order);
  std::vector<ControlId> sequence;
  for (const Record* record : candidates) {
    sequence.push_back(record->id);
  }
  return sequence;
}

std::optional<ControlId> NextInSequence(const std::vector<ControlId>& sequence,
                                        std::optional<ControlId> current, bool forward) {
  if (sequence.empty()) {
    return std::nullopt;
  }
  const auto found = current ? std::ranges::find(sequence, *current) : sequence.end();
  if (found == sequence.end()) {
    return forward ? sequence.front() : sequence.back();
  }
  const auto index = static_cast<std::size_t>(found - sequence.begin());
  const std::size_t count = sequence.size();
  return sequence[forward ? (index + 1) % count : (index + count - 1) % count];
}

KeyAction ClassifyKey(const WindowSettings& settings, Key key, Modifiers modifiers,
                      KeyContext context) {
  const bool shift_only = modifiers.shift && !modifiers.control && !modifiers.alt;
  switch (key) {
    case Key::Tab:
      if (Alone(modifiers)) {
        return KeyAction::FocusNext;
      }
      return shift_only ? KeyAction::FocusPrevious : KeyAction::PassOn;
    case Key::Enter:
      if (!Alone(modifiers)) {
        return KeyAction::PassOn;
      }
      if (context.focused_is_default_button) {
        return KeyAction::ClickFocused;
      }
      if (settings.enter_moves_focus) {
        return KeyAction::FocusNext;
      }
      return context.has_default_button ? KeyAction::ClickDefault : KeyAction::PassOn;
    case Key::Escape:
      return Alone(modifiers) && settings.escape_closes ? KeyAction::Close : KeyAction::PassOn;
    case Key::F1:
    case Key::Other:
      // Help is not wired to anything this program has, so F1 always goes on to the control.
      return KeyAction::PassOn;
  }
  return KeyAction::PassOn;
}

std::optional<ControlId> DefaultButton(const WindowDescription& window) {
  const auto found = std::ranges::find_if(window.controls, IsDefaultButton);
  if (found == window.controls.end()) {
    return std::nullopt;
  }
  return found->id;
}

}  // namespace orvenal
