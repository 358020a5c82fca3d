// The frame's portable rules: the main window's description, the Timer period rule, the Tab
// sequence, the key rules and the event gate.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "app/control_ids.h"
#include "app/event_gate.h"
#include "app/focus_order.h"
#include "app/timer_period.h"
#include "app/window_description.h"

namespace orvenal {
namespace {

const WindowDescription& Main() {
  return *FindWindowDescription(ids::kMainWindow);
}

struct ExpectedControl {
  ControlId id;
  std::string_view name;
  Kind kind;
  Rect rect;
  bool visible;
  bool tab_stop;
};

// Description order: the stacking order from the top.
constexpr ExpectedControl kExpectedControls[] = {
    {ids::kHyperLinker1, "超级链接框1", Kind::HyperLinker, {288, 40, 80, 24}, true, false},
    {ids::kLabel5, "标签5", Kind::Label, {11, 8, 288, 24}, true, false},
    {ids::kTimer2, "时钟2", Kind::Timer, {221, 162, 26, 26}, false, false},
    {ids::kButton1, "按钮1", Kind::Button, {246, 98, 80, 31}, true, true},
    {ids::kLabel4, "标签4", Kind::Label, {207, 90, 23, 40}, true, false},
    {ids::kEditBox2, "编辑框2", Kind::EditBox, {130, 96, 64, 32}, true, true},
    {ids::kLabel3, "标签3", Kind::Label, {110, 90, 40, 40}, true, false},
    {ids::kEditBox1, "编辑框1", Kind::EditBox, {45, 98, 56, 32}, true, true},
    {ids::kLabel2, "标签2", Kind::Label, {45, 146, 240, 56}, true, false},
    {ids::kTimer1, "时钟1", Kind::Timer, {336, 168, 26, 26}, false, false},
    {ids::kLabel1, "标签1", Kind::Label, {42, 42, 232, 48}, true, false},
};

TEST(WindowDescriptionTest, ControlsInDescriptionOrderWithTheirPlaces) {
  ASSERT_EQ(Main().controls.size(), std::size(kExpectedControls));
  for (std::size_t i = 0; i < std::size(kExpectedControls); ++i) {
    const ExpectedControl& expected = kExpectedControls[i];
    const Record& record = Main().controls[i];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(record.id, expected.id);
    EXPECT_EQ(record.name, expected.name);
    EXPECT_EQ(record.kind, expected.kind);
    EXPECT_EQ(record.rect.left, expected.rect.left);
    EXPECT_EQ(record.rect.top, expected.rect.top);
    EXPECT_EQ(record.rect.width, expected.rect.width);
    EXPECT_EQ(record.rect.height, expected.rect.height);
    EXPECT_EQ(record.visible, expected.visible);
    EXPECT_EQ(record.tab_stop, expected.tab_stop);
    EXPECT_FALSE(record.disabled);
    EXPECT_EQ(record.tab_order, 0);
    EXPECT_EQ(record.mouse_pointer, 0);
    EXPECT_TRUE(record.tag.empty());
  }
}

TEST(WindowDescriptionTest, OnlyTheTwoTicksAndTheClickAreBound) {
  std::vector<std::pair<ControlId, HandlerId>> bound;
  for (const Record& record : Main().controls) {
    for (const EventBinding& binding : record.bindings) {
      EXPECT_EQ(binding.event, 0);
      bound.emplace_back(record.id, binding.handler);
    }
  }
  const std::vector<std::pair<ControlId, HandlerId>> expected = {
      {ids::kTimer2, HandlerId::ScheduleTick},
      {ids::kButton1, HandlerId::ArmClick},
      {ids::kTimer1, HandlerId::ClockTick},
  };
  EXPECT_EQ(bound, expected);
  EXPECT_TRUE(Main().window.bindings.empty());
  EXPECT_EQ(FindBinding(*FindControl(Main(), ids::kTimer1), 1), std::nullopt);
}

TEST(WindowDescriptionTest, WindowSettings) {
  const Record& window = Main().window;
  EXPECT_EQ(window.id, ids::kMainWindow);
  EXPECT_EQ(window.rect.width, 380);
  EXPECT_EQ(window.rect.height, 250);
  EXPECT_TRUE(window.visible);
  const auto& settings = std::get<WindowSettings>(window.settings);
  EXPECT_TRUE(settings.caption.empty());
  EXPECT_EQ(settings.border_style, BorderStyle::Fixed);
  EXPECT_EQ(settings.background, 0x00ECECECu);
  EXPECT_TRUE(settings.control_box);
  EXPECT_FALSE(settings.minimize_box);
  EXPECT_FALSE(settings.maximize_box);
  EXPECT_EQ(settings.start_position, StartPosition::Centered);
  EXPECT_TRUE(settings.movable);
  EXPECT_TRUE(settings.escape_closes);
  EXPECT_FALSE(settings.enter_moves_focus);
  EXPECT_FALSE(settings.always_on_top);
  EXPECT_FALSE(settings.has_icon);
  EXPECT_EQ(FindWindowDescription(ids::kLabel1), nullptr);
}

struct ExpectedLabel {
  ControlId id;
  std::string_view caption;
  ColorRef text;
  ColorRef background;
  bool has_font;
};

TEST(WindowDescriptionTest, LabelTextsColoursAndFonts) {
  constexpr ExpectedLabel kLabels[] = {
      {ids::kLabel1, "", 0x000000, 0xECECEC, true},
      {ids::kLabel2, "\xC9\xE8\xD6\xC3\xB9\xD8\xBB\xFA\xCA\xB1\xBC\xE4\xCE\xAA\xA3\xBA", 0x000000,
       0xECECEC, false},
      {ids::kLabel3, "\xCA\xB1", 0x000000, 0xECECEC, false},
      {ids::kLabel4, "\xB7\xD6", 0x000000, 0xECECEC, false},
      {ids::kLabel5, "          Orvenal", 0xECECEC, 0x000000, false},
  };
  for (const ExpectedLabel& expected : kLabels) {
    const auto& label = std::get<LabelSettings>(FindControl(Main(), expected.id)->settings);
    SCOPED_TRACE(expected.caption);
    EXPECT_EQ(label.caption, expected.caption);
    EXPECT_EQ(label.text_color, expected.text);
    EXPECT_EQ(label.background, expected.background);
    EXPECT_EQ(label.font.has_value(), expected.has_font);
    EXPECT_EQ(label.horizontal_align, HorizontalAlign::Left);
    EXPECT_EQ(label.vertical_align, VerticalAlign::Center);
    EXPECT_FALSE(label.word_wrap);
    EXPECT_EQ(label.text_effect, 0);
    EXPECT_EQ(label.border, Border::None);
  }
  const FontRecord& clock_font =
      *std::get<LabelSettings>(FindControl(Main(), ids::kLabel1)->settings).font;
  EXPECT_EQ(clock_font.height, -12);
  EXPECT_EQ(clock_font.weight, 400);
  EXPECT_EQ(clock_font.char_set, 134);
  EXPECT_STREQ(clock_font.face_name.data(), "\xCB\xCE\xCC\xE5");  // 宋体
}

TEST(WindowDescriptionTest, ButtonLinkEditBoxesAndTimers) {
  const auto& button = std::get<ButtonSettings>(FindControl(Main(), ids::kButton1)->settings);
  EXPECT_EQ(button.caption, "\xC8\xB7\xB6\xA8\xB9\xD8\xBB\xFA");  // 确定关机
  EXPECT_EQ(button.button_type, 0);

  const auto& link =
      std::get<HyperLinkerSettings>(FindControl(Main(), ids::kHyperLinker1)->settings);
  EXPECT_EQ(link.caption, "QQ\xBF\xD5\xBC\xE4");  // QQ空间
  EXPECT_NE(link.link_kind, 0);
  EXPECT_FALSE(link.web_address.empty());
  EXPECT_EQ(link.text_color, 0xFFFFFFu);
  EXPECT_EQ(link.visited_color, 0xFFFFFFu);
  EXPECT_EQ(link.hover_color, 0xFFFFFFu);
  EXPECT_EQ(link.background, 0x000000u);
  EXPECT_EQ(link.border, Border::Sunken);

  for (const ControlId id : {ids::kEditBox1, ids::kEditBox2}) {
    const auto& box = std::get<EditBoxSettings>(FindControl(Main(), id)->settings);
    EXPECT_TRUE(box.content.empty());
    EXPECT_EQ(box.border, Border::Sunken);
    EXPECT_TRUE(box.hide_selection);
    EXPECT_EQ(box.max_length, 0);
    EXPECT_FALSE(box.multi_line);
    EXPECT_EQ(box.input_mode, 0);
    EXPECT_EQ(box.background, 0xFFFFFFu);
  }
  EXPECT_EQ(std::get<TimerSettings>(FindControl(Main(), ids::kTimer1)->settings).period_ms, 50);
  EXPECT_EQ(std::get<TimerSettings>(FindControl(Main(), ids::kTimer2)->settings).period_ms, 0);
}

struct PeriodCase {
  std::int32_t current;
  std::int32_t requested;
  TimerPeriodChange expected;
};

TEST(TimerPeriodTest, SamePeriodKeepsThePhaseNegativeStops) {
  constexpr PeriodCase kCases[] = {
      {0, 1000, {true, 1000, true}},       // arming starts the timer
      {1000, 1000, {false, 1000, false}},  // a second press changes nothing
      {1000, 500, {true, 500, true}},      // a new period restarts it
      {1000, 0, {true, 0, false}},        {1000, -5, {true, 0, false}},  // negative counts as 0
      {0, -5, {false, 0, false}},         {0, 0, {false, 0, false}},
  };
  for (const PeriodCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.current << " <- " << c.requested);
    const TimerPeriodChange change = ChangeTimerPeriod(c.current, c.requested);
    EXPECT_EQ(change.changed, c.expected.changed);
    EXPECT_EQ(change.period, c.expected.period);
    EXPECT_EQ(change.start, c.expected.start);
  }
}

TEST(TabSequenceTest, MainWindowCyclesBothWays) {
  const std::vector<ControlId> sequence = TabSequence(Main());
  const std::vector<ControlId> expected = {ids::kEditBox1, ids::kEditBox2, ids::kButton1};
  ASSERT_EQ(sequence, expected);
  EXPECT_EQ(NextInSequence(sequence, ids::kEditBox1, true), ids::kEditBox2);
  EXPECT_EQ(NextInSequence(sequence, ids::kButton1, true), ids::kEditBox1);
  EXPECT_EQ(NextInSequence(sequence, ids::kEditBox1, false), ids::kButton1);
  EXPECT_EQ(NextInSequence(sequence, ids::kEditBox2, false), ids::kEditBox1);
  // From a control outside the sequence Tab enters at either end.
  EXPECT_EQ(NextInSequence(sequence, ids::kLabel1, true), ids::kEditBox1);
  EXPECT_EQ(NextInSequence(sequence, std::nullopt, false), ids::kButton1);
  EXPECT_EQ(NextInSequence({}, ids::kEditBox1, true), std::nullopt);
}

Record Focusable(ControlId id, Kind kind, std::int32_t tab_order, bool visible = true,
                 bool disabled = false, bool tab_stop = true) {
  Record record = Main().controls[0];
  record.id = id;
  record.kind = kind;
  record.tab_order = tab_order;
  record.visible = visible;
  record.disabled = disabled;
  record.tab_stop = tab_stop;
  return record;
}

TEST(TabSequenceTest, OrderedByTabOrderThenCreationAndFiltered) {
  // Creation runs backwards through the description, so equal tab orders go last-record first.
  const Record records[] = {
      Focusable(1, Kind::Button, 2),
      Focusable(2, Kind::EditBox, 1),
      Focusable(3, Kind::EditBox, 1),
      Focusable(4, Kind::Label, 0),
      Focusable(5, Kind::EditBox, 0, /*visible=*/false),
      Focusable(6, Kind::Button, 0, true, /*disabled=*/true),
      Focusable(7, Kind::EditBox, 0, true, false, /*tab_stop=*/false),
      Focusable(8, Kind::HyperLinker, 0),
  };
  const WindowDescription window = {Main().window, records};
  EXPECT_EQ(TabSequence(window), (std::vector<ControlId>{3, 2, 1}));
}

struct KeyCase {
  const char* what;
  Key key;
  Modifiers modifiers;
  KeyAction expected;
};

TEST(KeyRulesTest, OnlyTheExactCombinationsAct) {
  constexpr Modifiers kNone = {false, false, false};
  constexpr Modifiers kShift = {true, false, false};
  constexpr Modifiers kControl = {false, true, false};
  constexpr Modifiers kAlt = {false, false, true};
  constexpr Modifiers kControlShift = {true, true, false};
  constexpr KeyCase kCases[] = {
      {"Tab", Key::Tab, kNone, KeyAction::FocusNext},
      {"Shift+Tab", Key::Tab, kShift, KeyAction::FocusPrevious},
      {"Ctrl+Tab", Key::Tab, kControl, KeyAction::PassOn},
      {"Ctrl+Shift+Tab", Key::Tab, kControlShift, KeyAction::PassOn},
      {"Enter", Key::Enter, kNone, KeyAction::PassOn},
      {"Escape", Key::Escape, kNone, KeyAction::Close},
      {"Shift+Escape", Key::Escape, kShift, KeyAction::PassOn},
      {"F1", Key::F1, kNone, KeyAction::PassOn},
      {"Alt+letter", Key::Other, kAlt, KeyAction::PassOn},
  };
  const auto& settings = std::get<WindowSettings>(Main().window.settings);
  for (const KeyCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ClassifyKey(settings, c.key, c.modifiers, {false, false}), c.expected);
  }
  EXPECT_EQ(DefaultButton(Main()), std::nullopt);
}

TEST(KeyRulesTest, EnterClicksADefaultButtonOrMovesFocusWhenSetTo) {
  WindowSettings settings = std::get<WindowSettings>(Main().window.settings);
  constexpr Modifiers kNone = {false, false, false};
  EXPECT_EQ(ClassifyKey(settings, Key::Enter, kNone, {true, true}), KeyAction::ClickFocused);
  EXPECT_EQ(ClassifyKey(settings, Key::Enter, kNone, {false, true}), KeyAction::ClickDefault);
  settings.enter_moves_focus = true;
  EXPECT_EQ(ClassifyKey(settings, Key::Enter, kNone, {false, true}), KeyAction::FocusNext);
  settings.escape_closes = false;
  EXPECT_EQ(ClassifyKey(settings, Key::Escape, kNone, {false, false}), KeyAction::PassOn);
}

TEST(EventGateTest, RaisedGateDropsEventsAndNeverGoesBelowZero) {
  std::vector<HandlerId> ran;
  HandlerTable handlers;
  for (HandlerId id : {HandlerId::ClockTick, HandlerId::ArmClick, HandlerId::ScheduleTick}) {
    handlers[static_cast<std::size_t>(id)] = [&ran, id] { ran.push_back(id); };
  }
  EventDispatcher dispatcher(handlers);

  dispatcher.RaiseEvent(Main(), ids::kTimer1, kTickEvent);
  dispatcher.RaiseEvent(Main(), ids::kButton1, kClickEvent);
  dispatcher.RaiseEvent(Main(), ids::kTimer2, kTickEvent);
  dispatcher.RaiseEvent(Main(), ids::kLabel1, 0);  // nothing bound: dropped
  dispatcher.RaiseEvent(Main(), ids::kTimer1, 3);  // no such event bound
  EXPECT_EQ(ran, (std::vector<HandlerId>{HandlerId::ClockTick, HandlerId::ArmClick,
                                         HandlerId::ScheduleTick}));

  ran.clear();
  dispatcher.Gate().Lower();  // already at 0: stays there
  dispatcher.Gate().Raise();
  dispatcher.RaiseEvent(Main(), ids::kTimer1, kTickEvent);
  EXPECT_TRUE(ran.empty());
  dispatcher.Gate().Raise();
  dispatcher.Gate().Lower();
  dispatcher.RaiseEvent(Main(), ids::kTimer1, kTickEvent);
  EXPECT_TRUE(ran.empty());  // still raised once
  dispatcher.Gate().Lower();
  dispatcher.RaiseEvent(Main(), ids::kTimer1, kTickEvent);
  EXPECT_EQ(ran, (std::vector<HandlerId>{HandlerId::ClockTick}));
}

}  // namespace
}  // namespace orvenal
