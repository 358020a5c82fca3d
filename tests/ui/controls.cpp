// Names of the control kinds' window classes and of the controls.
#include "tests/ui/controls.h"

#include <cstdio>

namespace orvenal::ui_test {

std::string_view ClassName(Kind kind) {
  switch (kind) {
    case Kind::kLabel:
      return "OrvenalLabel";
    case Kind::kEditBox:
      return "EDIT";
    case Kind::kButton:
      return "BUTTON";
    case Kind::kHyperLinker:
      return "OrvenalHyperLinker";
    case Kind::kTimer:
      return "OrvenalTimer";
  }
  return "";
}

std::string ControlName(ControlId id) {
  for (const ExpectedControl& control : kControls) {
    if (control.id == id) {
      return std::string(control.name);
    }
  }
  constexpr std::size_t kHexIdSize = sizeof("id 0x12345678");
  char hex[kHexIdSize];
  std::snprintf(hex, sizeof hex, "id 0x%08X", static_cast<unsigned>(id));
  return hex;
}

}  // namespace orvenal::ui_test
