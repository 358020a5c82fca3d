// The main window's description, value by value, and the look-ups the frame makes in it.
#include "app/window_description.h"

#include <algorithm>

namespace orvenal {
namespace {

constexpr ColorRef kBlack = 0x00000000;
constexpr ColorRef kWhite = 0x00FFFFFF;
constexpr ColorRef kPaleGrey = 0x00ECECEC;
constexpr ShadeColors kGreyWhiteGrey = {0x00808080, 0x00FFFFFF, 0x00808080};
constexpr std::int32_t kLabelEdgeWidth = 8;
constexpr std::int32_t kPictureLayoutDefault = 1;
constexpr std::int32_t kTimer1PeriodMs = 50;
constexpr std::int32_t kStoppedPeriodMs = 0;

constexpr std::uint8_t kGb2312CharSet = 134;
constexpr std::int32_t kNormalWeight = 400;
constexpr std::int32_t kClockFontHeight = -12;  // characters 12 pixels high

constexpr FontRecord kClockFont = {
    .height = kClockFontHeight,
    .width = 0,
    .escapement = 0,
    .orientation = 0,
    .weight = kNormalWeight,
    .italic = 0,
    .underline = 0,
    .strike_out = 0,
    .char_set = kGb2312CharSet,
    .out_precision = 0,
    .clip_precision = 0,
    .quality = 0,
    .pitch_and_family = 0,
    .face_name = {"宋体"},
};

constexpr LabelSettings Label(std::string_view caption, FontSetting font, ColorRef text,
                              ColorRef background) {
  return {
      .caption = caption,
      .text_effect = 0,
      .border = Border::None,
      .edge_width = kLabelEdgeWidth,
      .edge_colors = kGreyWhiteGrey,
      .font = font,
      .text_color = text,
      .background = background,
      .has_background_picture = false,
      .picture_layout = kPictureLayoutDefault,
      .shaded_background = 0,
      .shading_colors = kGreyWhiteGrey,
      .horizontal_align = HorizontalAlign::Left,
      .word_wrap = false,
      .vertical_align = VerticalAlign::Center,
      .data_source = "",
      .data_column = "",
  };
}

// Neither edit box stores settings of its own; these are the kind's defaults.
constexpr std::int32_t kSpinMax = 100;
constexpr EditBoxSettings kDefaultEditBox = {
    .content = "",
    .border = Border::Sunken,
    .text_color = kBlack,
    .background = kWhite,
    .font = std::nullopt,
    .hide_selection = true,
    .max_length = 0,
    .multi_line = false,
    .scroll_bars = 0,
    .align = HorizontalAlign::Left,
    .input_mode = 0,
    .password_char = "*",
    .letter_case = 0,
    .spin_buttons = 0,
    .spin_min = 0,
    .spin_max = kSpinMax,
    .selection_start = 0,
    .selection_length = 0,
    .data_source = "",
    .data_column = "",
};

constexpr ButtonSettings kArmButton = {
    .has_picture = false,
    .button_type = 0,
    .caption = "确定关机",
    .horizontal_align = HorizontalAlign::Center,
    .vertical_align = VerticalAlign::Center,
    .font = std::nullopt,
};

constexpr std::int32_t kWebLink = 1;
constexpr HyperLinkerSettings kAuthorLink = {
    .caption = "QQ空间",
    .link_kind = kWebLink,
    .email = "",
    .web_address = "https://orvenal.example.com/",
    .text_color = kWhite,
    .visited_color = kWhite,
    .hover_color = kWhite,
    .background = kBlack,
    .border = Border::Sunken,
    .font = std::nullopt,
};

constexpr WindowSettings kMainWindowSettings = {
    .caption = "",
    .border_style = BorderStyle::Fixed,
    .background = kPaleGrey,
    .has_background_picture = false,
    .picture_layout = kPictureLayoutDefault,
    .has_background_sound = false,
    .sound_repeat = 0,
    .control_box = true,
    .maximize_box = false,
    .minimize_box = false,
    .start_position = StartPosition::Centered,
    .movable = true,
    .has_icon = false,
    .enter_moves_focus = false,
    .escape_closes = true,
    .f1_opens_help = false,
    .help_file = "",
    .help_topic = 0,
    .shown_in_task_bar = true,
    .drag_anywhere = false,
    .shape = 0,
    .always_on_top = false,
    .title_stays_active = false,
    .class_name = "",
};

constexpr EventBinding kClockTickBinding[] = {{kTickEvent, HandlerId::ClockTick}};
constexpr EventBinding kScheduleTickBinding[] = {{kTickEvent, HandlerId::ScheduleTick}};
constexpr EventBinding kArmClickBinding[] = {{kClickEvent, HandlerId::ArmClick}};

// A control record with the settings every control here shares: enabled, no tag, tab order 0
// and the class's own mouse pointer.
constexpr Record Control(ControlId id, std::string_view name, Kind kind, Rect rect, bool visible,
                         bool tab_stop, std::span<const EventBinding> bindings,
                         KindSettings settings) {
  return {
      .id = id,
      .name = name,
      .kind = kind,
      .rect = rect,
      .tag = "",
      .visible = visible,
      .disabled = false,
      .tab_stop = tab_stop,
      .tab_order = 0,
      .mouse_pointer = 0,
      .bindings = bindings,
      .settings = settings,
  };
}

constexpr bool kShown = true;
constexpr bool kHidden = false;
constexpr bool kTabStop = true;
constexpr bool kNoTabStop = false;

const Record kMainWindowControls[kMainWindowControlCount] = {
    Control(ids::kHyperLinker1, "超级链接框1", Kind::HyperLinker, {288, 40, 80, 24}, kShown,
            kNoTabStop, {}, kAuthorLink),
    Control(ids::kLabel5, "标签5", Kind::Label, {11, 8, 288, 24}, kShown, kNoTabStop, {},
            Label("          Orvenal", std::nullopt, kPaleGrey, kBlack)),
    Control(ids::kTimer2, "时钟2", Kind::Timer, {221, 162, 26, 26}, kHidden, kNoTabStop,
            kScheduleTickBinding, TimerSettings{kStoppedPeriodMs}),
    Control(ids::kButton1, "按钮1", Kind::Button, {246, 98, 80, 31}, kShown, kTabStop,
            kArmClickBinding, kArmButton),
    Control(ids::kLabel4, "标签4", Kind::Label, {207, 90, 23, 40}, kShown, kNoTabStop, {},
            Label("分", std::nullopt, kBlack, kPaleGrey)),
    Control(ids::kEditBox2, "编辑框2", Kind::EditBox, {130, 96, 64, 32}, kShown, kTabStop, {},
            kDefaultEditBox),
    Control(ids::kLabel3, "标签3", Kind::Label, {110, 90, 40, 40}, kShown, kNoTabStop, {},
            Label("时", std::nullopt, kBlack, kPaleGrey)),
    Control(ids::kEditBox1, "编辑框1", Kind::EditBox, {45, 98, 56, 32}, kShown, kTabStop, {},
            kDefaultEditBox),
    Control(ids::kLabel2, "标签2", Kind::Label, {45, 146, 240, 56}, kShown, kNoTabStop, {},
            Label("设置关机时间为：", std::nullopt, kBlack, kPaleGrey)),
    Control(ids::kTimer1, "时钟1", Kind::Timer, {336, 168, 26, 26}, kHidden, kNoTabStop,
            kClockTickBinding, TimerSettings{kTimer1PeriodMs}),
    Control(ids::kLabel1, "标签1", Kind::Label, {42, 42, 232, 48}, kShown, kNoTabStop, {},
            Label("", kClockFont, kBlack, kPaleGrey)),
};

const WindowDescription kMainWindow = {
    .window =
        {
            .id = ids::kMainWindow,
            .name = "",
            .kind = Kind::Window,
            .rect = {50, 50, 380, 250},
            .tag = "",
            .visible = true,
            .disabled = false,
            .tab_stop = false,
            .tab_order = 0,
            .mouse_pointer = 0,
            .bindings = {},
            .settings = kMainWindowSettings,
        },
    .controls = kMainWindowControls,
};

}  // namespace

const WindowDescription* FindWindowDescription(ControlId window) {
  return window == kMainWindow.window.id ? &kMainWindow : nullptr;
}

const Record* FindControl(const WindowDescription& description, ControlId control) {
  const auto found = std::ranges::find(description.controls, control, &Record::id);
  return found == description.controls.end() ? nullptr : &*found;
}

std::optional<HandlerId> FindBinding(const Record& record, std::int32_t event) {
  const auto found = std::ranges::find(record.bindings, event, &EventBinding::event);
  if (found == record.bindings.end()) {
    return std::nullopt;
  }
  return found->handler;
}

}  // namespace orvenal
