// The report of the in-process probe, shared by the hook DLL (probe_hook.cpp) and the
// driver (probe_client.cpp).
//
// Some of what the window holds cannot be read from another process under Wine: its icons
// (WM_GETICON), its system menu, its window classes and the fonts the controls were given.
// The driver therefore sets a hook in the program's thread; the hook answers a registered
// message with this plain record, sent back by WM_COPYDATA.
#pragma once

#include <cstdint>

namespace orvenal::ui_test {

inline constexpr char kProbeMessageName[] = "OrvenalUiProbe";
inline constexpr char kProbeHookName[] = "ProbeHook";
inline constexpr char kProbeDllName[] = "ui_probe.dll";
// Tells the probe's WM_COPYDATA from any other.
inline constexpr std::uintptr_t kProbeReportTag = 0x4F525650;

// The program's own resources, as the window is to use them.
inline constexpr char kIconResourceName[] = "DEFAULT_ICON";
inline constexpr int kHandCursorResourceId = 1032;

inline constexpr int kMaxProbedMenuItems = 16;
inline constexpr int kMaxProbedWindows = 16;

struct ProbedIcon {
  std::int32_t width;  // 0 when the window has no such icon
  std::int32_t height;
  // The same pixels as the program's icon resource loaded at that size.
  std::uint8_t matches_resource;
};

enum ProbedCursor : std::uint8_t {
  kNoCursor,
  kArrowCursor,
  kHandCursorResource,  // the same pixels as the program's cursor resource 1032
  kOtherCursor,
};

// The main window (id 0) or one of its controls, with what its window class holds.
struct ProbedWindow {
  std::uint32_t id;
  std::uint32_t class_style;
  std::uint8_t has_class_icon;
  std::uint8_t has_class_background;
  std::uint8_t class_cursor;  // a ProbedCursor
  // WM_GETFONT answers the stock DEFAULT_GUI_FONT.
  std::uint8_t font_is_default_gui;
};

struct ProbeReport {
  ProbedIcon big_icon;
  ProbedIcon small_icon;
  std::int32_t menu_item_count;  // -1 when the window has no system menu
  std::uint32_t menu_item_ids[kMaxProbedMenuItems];
  std::int32_t window_count;
  ProbedWindow windows[kMaxProbedWindows];
};

}  // namespace orvenal::ui_test
