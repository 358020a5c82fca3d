// What the driver expects of the main window and its eleven controls: ids, classes, places,
// texts and flags, listed from the top of the stacking order down. The frame cases compare
// the live window with this table; other cases use it to name the controls they report on.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/control_ids.h"

namespace orvenal::ui_test {

inline constexpr std::string_view kMainWindowClass = "OrvenalWindow";
inline constexpr int kMainWindowWidth = 380;
inline constexpr int kMainWindowHeight = 250;

enum class Kind { kLabel, kEditBox, kButton, kHyperLinker, kTimer };

struct ExpectedControl {
  ControlId id;
  std::string_view name;
  Kind kind;
  int left;
  int top;
  int width;
  int height;
  bool visible;
  bool tab_stop;
  // The window text at start; none where it is not fixed (the clock) or not meaningful.
  std::optional<std::string_view> text;
};

inline constexpr std::array<ExpectedControl, 11> kControls{{
    {ids::kHyperLinker1, "超级链接框1", Kind::kHyperLinker, 288, 40, 80, 24, true, false, "QQ空间"},
    {ids::kLabel5, "标签5", Kind::kLabel, 11, 8, 288, 24, true, false, "          Orvenal"},
    {ids::kTimer2, "时钟2", Kind::kTimer, 221, 162, 26, 26, false, false, std::nullopt},
    {ids::kButton1, "按钮1", Kind::kButton, 246, 98, 80, 31, true, true, "确定关机"},
    {ids::kLabel4, "标签4", Kind::kLabel, 207, 90, 23, 40, true, false, "分"},
    {ids::kEditBox2, "编辑框2", Kind::kEditBox, 130, 96, 64, 32, true, true, ""},
    {ids::kLabel3, "标签3", Kind::kLabel, 110, 90, 40, 40, true, false, "时"},
    {ids::kEditBox1, "编辑框1", Kind::kEditBox, 45, 98, 56, 32, true, true, ""},
    {ids::kLabel2, "标签2", Kind::kLabel, 45, 146, 240, 56, true, false, "设置关机时间为："},
    {ids::kTimer1, "时钟1", Kind::kTimer, 336, 168, 26, 26, false, false, std::nullopt},
    {ids::kLabel1, "标签1", Kind::kLabel, 42, 42, 232, 48, true, false, std::nullopt},
}};

std::string_view ClassName(Kind kind);

// The control's name, or the id in hex for an id that is not one of the eleven.
std::string ControlName(ControlId id);

}  // namespace orvenal::ui_test
