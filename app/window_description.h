// The window description: constant data that fixes every setting of the main window and of
// its eleven controls, and which handler each bound event runs.
//
// The frame builds the live window from these records and nothing else, so changing how the
// window looks or behaves means changing a value here. The records are kept in description
// order: that order is the stacking order (first on top), and controls are created in reverse.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "app/control_ids.h"

namespace orvenal {

using ColorRef = std::uint32_t;  // 0x00BBGGRR
// Stands for the system's button-face colour, looked up when drawing.
inline constexpr ColorRef kSystemButtonFace = 0xFF000000;

// The handlers a binding can name; start-up binds each to its routine.
enum class HandlerId { ClockTick, ArmClick, ScheduleTick };
inline constexpr std::size_t kHandlerCount = 3;

struct EventBinding {
  std::int32_t event;
  HandlerId handler;
};

inline constexpr std::int32_t kTickEvent = 0;   // a Timer's tick
inline constexpr std::int32_t kClickEvent = 0;  // a Button's click

// A font record laid out as the 60-byte LOGFONTA the system takes.
struct FontRecord {
  std::int32_t height;
  std::int32_t width;
  std::int32_t escapement;
  std::int32_t orientation;
  std::int32_t weight;
  std::uint8_t italic;
  std::uint8_t underline;
  std::uint8_t strike_out;
  std::uint8_t char_set;
  std::uint8_t out_precision;
  std::uint8_t clip_precision;
  std::uint8_t quality;
  std::uint8_t pitch_and_family;
  std::array<char, 32> face_name;
};
static_assert(sizeof(FontRecord) == 60);

// No stored font: the control uses the stock GUI font.
using FontSetting = std::optional<FontRecord>;

struct Rect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;
};

enum class Kind { Window, Label, EditBox, Button, HyperLinker, Timer };

// Edge styles of a Label, an EditBox or a HyperLinker.
enum class Border : std::int32_t {
  None = 0,
  Sunken = 1,        // WS_EX_CLIENTEDGE
  Raised = 2,        // WS_EX_DLGMODALFRAME
  ThinSunken = 3,    // WS_EX_STATICEDGE
  SunkenRaised = 4,  // WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME
  Line = 5,          // WS_BORDER
};

enum class HorizontalAlign : std::int32_t { Left = 0, Center = 1, Right = 2 };
enum class VerticalAlign : std::int32_t { Top = 0, Center = 1, Bottom = 2 };

enum class BorderStyle : std::int32_t {
  None = 0,
  Resizable = 1,
  Fixed = 2,
  ResizableTool = 3,
  FixedTool = 4,
  ResizableSunken = 5,
  FixedSunken = 6,
};

enum class StartPosition : std::int32_t { Stored = 0, Centered = 1, Minimized = 2, Maximized = 3 };

struct WindowSettings {
  std::string_view caption;
  BorderStyle border_style;
  ColorRef background;
  bool has_background_picture;
  std::int32_t picture_layout;
  bool has_background_sound;
  std::int32_t sound_repeat;
  bool control_box;
  bool maximize_box;
  bool minimize_box;
  StartPosition start_position;
  bool movable;
  bool has_icon;  // false: the program icon is used
  bool enter_moves_focus;
  bool escape_closes;
  bool f1_opens_help;
  std::string_view help_file;
  std::int32_t help_topic;
  bool shown_in_task_bar;
  bool drag_anywhere;
  std::int32_t shape;
  bool always_on_top;
  bool title_stays_active;
  std::string_view class_name;
};

struct ShadeColors {
  ColorRef first;
  ColorRef second;
  ColorRef third;
};

struct LabelSettings {
  std::string_view caption;
  std::int32_t text_effect;
  Border border;
  std::int32_t edge_width;
  ShadeColors edge_colors;
  FontSetting font;
  ColorRef text_color;
  ColorRef background;
  bool has_background_picture;
  std::int32_t picture_layout;
  std::int32_t shaded_background;
  ShadeColors shading_colors;
  HorizontalAlign horizontal_align;
  bool word_wrap;
  VerticalAlign vertical_align;
  std::string_view data_source;
  std::string_view data_column;
};

struct EditBoxSettings {
  std::string_view content;
  Border border;
  ColorRef text_color;
  ColorRef background;
  FontSetting font;
  bool hide_selection;
  std::int32_t max_length;  // 0: the system's own limit
  bool multi_line;
  std::int32_t scroll_bars;
  HorizontalAlign align;
  std::int32_t input_mode;  // 0: any character
  std::string_view password_char;
  std::int32_t letter_case;  // 0: as typed
  std::int32_t spin_buttons;
  std::int32_t spin_min;
  std::int32_t spin_max;
  std::int32_t selection_start;
  std::int32_t selection_length;
  std::string_view data_source;
  std::string_view data_column;
};

struct ButtonSettings {
  bool has_picture;
  std::int32_t button_type;  // 0 normal, 1 the default button
  std::string_view caption;
  HorizontalAlign horizontal_align;
  VerticalAlign vertical_align;
  FontSetting font;
};

inline constexpr std::int32_t kDefaultButtonType = 1;

struct HyperLinkerSettings {
  std::string_view caption;
  std::int32_t link_kind;  // 0: e-mail, otherwise a web address
  std::string_view email;
  std::string_view web_address;
  ColorRef text_color;
  ColorRef visited_color;
  ColorRef hover_color;
  ColorRef background;
  Border border;
  FontSetting font;
};

struct TimerSettings {
  std::int32_t period_ms;
};

using KindSettings = std::variant<WindowSettings, LabelSettings, EditBoxSettings, ButtonSettings,
                                  HyperLinkerSettings, TimerSettings>;

struct Record {
  ControlId id;
  std::string_view name;
  Kind kind;
  Rect rect;
  std::string_view tag;
  bool visible;
  bool disabled;
  bool tab_stop;
  std::int32_t tab_order;
  std::int32_t mouse_pointer;  // 0: the pointer of the control's window class
  std::span<const EventBinding> bindings;
  KindSettings settings;
};

struct WindowDescription {
  Record window;
  std::span<const Record> controls;  // description order: first is stacked on top
};

inline constexpr std::size_t kMainWindowControlCount = 11;

// The description of the window with this id, or null when there is none.
const WindowDescription* FindWindowDescription(ControlId window);

// The control of a window description with this id, or null.
const Record* FindControl(const WindowDescription& description, ControlId control);

// The handler bound to an event of a record, if any.
std::optional<HandlerId> FindBinding(const Record& record, std::int32_t event);

}  // namespace orvenal
