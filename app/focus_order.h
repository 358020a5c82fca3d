// Keyboard rules of the main window that do not need the system: which controls the Tab key
// visits, in which order, and what the window does with a key before its control sees it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/control_ids.h"
#include "app/window_description.h"

namespace orvenal {

// The controls Tab visits: visible, enabled EditBoxes and Buttons with the tab stop set,
// lowest tab order first, ties in creation order.
std::vector<ControlId> TabSequence(const WindowDescription& window);

// The control after (or before) this one in the sequence, wrapping round; the first (or last)
// control when this one is not in it. Nothing when the sequence is empty.
std::optional<ControlId> NextInSequence(const std::vector<ControlId>& sequence,
                                        std::optional<ControlId> current, bool forward);

enum class Key { Tab, Enter, Escape, F1, Other };

struct Modifiers {
  bool shift;
  bool control;
  bool alt;
};

enum class KeyAction {
  PassOn,  // let the focused control have the key
  FocusNext,
  FocusPrevious,
  ClickFocused,  // the focused control is the default button
  ClickDefault,  // the first enabled default button in description order
  Close,
};

struct KeyContext {
  bool focused_is_default_button;
  bool has_default_button;
};

// What the window does with a key press, by the window's settings. Only the exact
// combinations named act; every other key is passed on.
KeyAction ClassifyKey(const WindowSettings& settings, Key key, Modifiers modifiers,
                      KeyContext context);

// The first enabled Button of the default type, in description order.
std::optional<ControlId> DefaultButton(const WindowDescription& window);

}  // namespace orvenal
