// The "frame" group, the part read from inside the program through the probe hook: the
// window's icons, its system menu, the window classes of the window and of the controls
// that draw themselves, and the fonts the system controls were given.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/ui/check.h"
#include "tests/ui/controls.h"
#include "tests/ui/frame.h"
#include "tests/ui/probe_client.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {
namespace {

constexpr std::uint32_t kOwnClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
constexpr std::uint32_t kMainWindowProbeId = 0;

struct IconSize {
  std::string_view name;
  ProbedIcon ProbeReport::*icon;
  int width_metric;
  int height_metric;
};

std::string CursorName(std::uint8_t cursor) {
  switch (cursor) {
    case kNoCursor:
      return "none";
    case kArrowCursor:
      return "the arrow";
    case kHandCursorResource:
      return "the hand (resource 1032)";
    default:
      return "another cursor";
  }
}

const ProbedWindow* FindProbed(const ProbeReport& report, std::uint32_t id) {
  const ProbedWindow* end = report.windows + report.window_count;
  const ProbedWindow* found =
      std::find_if(report.windows, end, [&](const ProbedWindow& w) { return w.id == id; });
  return found != end ? found : nullptr;
}

void CheckIcons(Case& c, const ProbeReport& report) {
  for (const IconSize& size :
       {IconSize{"big", &ProbeReport::big_icon, SM_CXICON, SM_CYICON},
        IconSize{"small", &ProbeReport::small_icon, SM_CXSMICON, SM_CYSMICON}}) {
    const ProbedIcon& icon = report.*size.icon;
    const std::string name(size.name);
    if (!c.Expect(icon.width > 0, "no " + name + " icon")) {
      continue;
    }
    const int width = ::GetSystemMetrics(size.width_metric);
    const int height = ::GetSystemMetrics(size.height_metric);
    c.Expect(icon.width == width && icon.height == height,
             name + " icon " + std::to_string(icon.width) + "x" + std::to_string(icon.height) +
                 ", expected " + std::to_string(width) + "x" + std::to_string(height));
    c.Expect(icon.matches_resource != 0, name + " icon is not DEFAULT_ICON");
  }
}

void CheckSystemMenu(Case& c, const ProbeReport& report) {
  if (!c.Expect(report.menu_item_count >= 0, "no system menu")) {
    return;
  }
  const std::uint32_t* end =
      report.menu_item_ids + std::min(report.menu_item_count, kMaxProbedMenuItems);
  for (const auto& [command, name] :
       {std::pair<std::uint32_t, std::string_view>{SC_MOVE, "Move"}, {SC_CLOSE, "Close"}}) {
    c.Expect(std::find(report.menu_item_ids, end, command) != end,
             "the system menu has no " + std::string(name) + " item");
  }
}

// The classes of the main window and of the controls that draw themselves: double clicks
// and a full repaint on resizing, no class background (each paints its own), no class icon
// for the main window (its icons are set per window), the arrow, and the program's hand on
// the link.
void CheckClasses(Case& c, const ProbeReport& report) {
  struct ClassExpectation {
    std::uint32_t id;
    std::string_view name;
    ProbedCursor cursor;
  };
  std::vector<ClassExpectation> expectations{{kMainWindowProbeId, "the main window", kArrowCursor}};
  for (const ExpectedControl& control : kControls) {
    if (control.kind == Kind::kLabel || control.kind == Kind::kHyperLinker) {
      expectations.push_back({control.id, control.name,
                              control.kind == Kind::kLabel ? kArrowCursor : kHandCursorResource});
    }
  }
  for (const ClassExpectation& want : expectations) {
    const ProbedWindow* probed = FindProbed(report, want.id);
    const std::string name(want.name);
    if (!c.Expect(probed != nullptr, name + " not in the report")) {
      continue;
    }
    c.Expect(probed->class_style == kOwnClassStyle,
             name + ": class style " + std::to_string(probed->class_style) + ", expected " +
                 std::to_string(kOwnClassStyle));
    c.Expect(!probed->has_class_background, name + ": the class has a background brush");
    c.Expect(!probed->has_class_icon, name + ": the class has an icon");
    c.Expect(probed->class_cursor == want.cursor, name + ": the class cursor is " +
                                                      CursorName(probed->class_cursor) +
                                                      ", expected " + CursorName(want.cursor));
  }
}

void CheckFonts(Case& c, const ProbeReport& report) {
  for (ControlId id : {ids::kEditBox1, ids::kEditBox2, ids::kButton1}) {
    const ProbedWindow* probed = FindProbed(report, id);
    c.Expect(probed != nullptr && probed->font_is_default_gui,
             ControlName(id) + " was not given DEFAULT_GUI_FONT");
  }
}

}  // namespace

void RunFrameInsideCases(Suite& suite) {
  std::optional<ProbeReport> report;
  std::string failure;
  try {
    const Program app(suite.program_path());
    Probe probe(app);
    report = probe.Read();
    if (!report) {
      failure = "the probe in the program did not answer";
    }
  } catch (const CaseAborted& e) {
    failure = e.what();
  }
  const auto run = [&](std::string_view name, void (*check)(Case&, const ProbeReport&)) {
    suite.Run(name, [&](Case& c) {
      if (!report) {
        throw CaseAborted(failure);
      }
      check(c, *report);
    });
  };
  run("frame: window icons are DEFAULT_ICON at both sizes", CheckIcons);
  run("frame: the system menu keeps Move and Close", CheckSystemMenu);
  run("frame: window classes of the window, labels and link", CheckClasses);
  run("frame: edit boxes and button use DEFAULT_GUI_FONT", CheckFonts);
}

}  // namespace orvenal::ui_test
