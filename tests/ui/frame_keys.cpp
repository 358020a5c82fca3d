// The "frame" group, the keyboard and the ways out. How Tab, Shift+Tab, Enter
// and typing move the focus or fill the boxes, and every way of closing the window, each of
// which must end the process with exit code 0. Each case starts a program of its own.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/ui/check.h"
#include "tests/ui/controls.h"
#include "tests/ui/frame.h"
#include "tests/ui/input.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {
namespace {

constexpr std::string_view kStoredStatus = "设置关机时间为：";
// A click of 按钮1 shows on 标签2 at the schedule's first tick, one second later; watching
// for well over that tells a click from none.
constexpr Milliseconds kArmedTickWatch{2500};
constexpr int kOtherWindowSize = 100;
constexpr std::string_view kPopupMenuClass = "#32768";
constexpr WORD kCloseMnemonic = 'C';

// The state every keyboard case starts from: the window in front, the focus in 编辑框1.
void StartAtFirstBox(Case& c, const Program& app) {
  if (!ExpectFocus(c, app, ids::kEditBox1, "at start") || !BringToFront(c, app.window())) {
    throw CaseAborted("the program did not reach its initial state");
  }
}

// The point in the middle of the title bar's close box, found by asking the window itself.
std::optional<POINT> FindCloseBox(HWND window) {
  RECT outer{};
  ::GetWindowRect(window, &outer);
  const LONG row = TitleBarRow(window);
  std::optional<LONG> right;
  for (LONG x = outer.right - 1; x > outer.left; --x) {
    const bool on_box = HitTest(window, {x, row}) == HTCLOSE;
    if (on_box && !right) {
      right = x;
    } else if (!on_box && right) {
      return POINT{(x + 1 + *right) / 2, row};
    }
  }
  return std::nullopt;
}

// A window of the driver's own that takes the activation away from the program for a while.
class OtherWindow {
 public:
  OtherWindow()
      : hwnd_(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0,
                                kOtherWindowSize, kOtherWindowSize, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr)) {}
  OtherWindow(const OtherWindow&) = delete;
  OtherWindow& operator=(const OtherWindow&) = delete;
  ~OtherWindow() { ::DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// A visible popup menu of the program's thread, such as its open system menu.
bool MenuIsOpen(DWORD ui_thread) {
  HWND menu = nullptr;
  ::EnumThreadWindows(
      ui_thread,
      [](HWND hwnd, LPARAM found) {
        if (::IsWindowVisible(hwnd) && WindowClass(hwnd) == kPopupMenuClass) {
          *reinterpret_cast<HWND*>(found) = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&menu));
  return menu != nullptr;
}

struct FocusWalk {
  std::string_view name;
  std::vector<WORD> chord;
  std::vector<ControlId> stops;
};

struct BoxInput {
  ControlId box;
  int tabs_to_reach;
  std::string_view text;
};

struct CloseWay {
  std::string_view name;
  void (*close)(Case& c, const Program& app);
};

void MoveFocus(Case& c, const Program& app, const BoxInput& input) {
  for (int i = 0; i < input.tabs_to_reach; ++i) {
    PressChord({VK_TAB});
  }
  if (!ExpectFocus(c, app, input.box, "before typing")) {
    throw CaseAborted("cannot reach " + ControlName(input.box));
  }
}

}  // namespace

void RunFrameKeyboardCases(Suite& suite) {
  const std::string& path = suite.program_path();
  const std::vector<FocusWalk> walks{
      {"Tab", {VK_TAB}, {ids::kEditBox2, ids::kButton1, ids::kEditBox1}},
      {"Shift+Tab", {VK_SHIFT, VK_TAB}, {ids::kButton1, ids::kEditBox2, ids::kEditBox1}},
  };
  for (const FocusWalk& walk : walks) {
    suite.Run("frame: " + std::string(walk.name) + " cycles the Tab sequence", [&](Case& c) {
      const Program app(path);
      StartAtFirstBox(c, app);
      for (ControlId stop : walk.stops) {
        PressChord(walk.chord);
        if (!ExpectFocus(c, app, stop, "after " + std::string(walk.name))) {
          return;
        }
      }
    });
  }

  const std::vector<BoxInput> inputs{
      {ids::kEditBox1, 0, "07"},
      {ids::kEditBox2, 1, "5a, -x"},
  };
  for (const BoxInput& input : inputs) {
    const std::string box = ControlName(input.box);
    suite.Run("frame: text typed into " + box + " shows in it", [&](Case& c) {
      const Program app(path);
      StartAtFirstBox(c, app);
      MoveFocus(c, app, input);
      TypeText(input.text);
      ExpectText(c, app, input.box, input.text);
    });
    // The character typed after Enter arrives after it, so once it shows, Enter has been
    // handled and the focus can be read.
    suite.Run("frame: Enter in " + box + " keeps the focus there", [&](Case& c) {
      const Program app(path);
      StartAtFirstBox(c, app);
      MoveFocus(c, app, input);
      TypeText("1");
      PressChord({VK_RETURN});
      TypeText("2");
      ExpectText(c, app, input.box, "12");
      ExpectFocus(c, app, input.box, "after Enter");
    });
  }

  suite.Run("frame: reactivation gives the focus back to 编辑框2", [&](Case& c) {
    const Program app(path);
    StartAtFirstBox(c, app);
    PressChord({VK_TAB});
    if (!ExpectFocus(c, app, ids::kEditBox2, "after Tab")) {
      return;
    }
    const OtherWindow other;
    if (BringToFront(c, other.hwnd()) && BringToFront(c, app.window())) {
      ExpectFocus(c, app, ids::kEditBox2, "after reactivation");
    }
  });

  suite.Run("frame: Enter on 按钮1 neither clicks it nor moves the focus", [&](Case& c) {
    const Program app(path);
    StartAtFirstBox(c, app);
    PressChord({VK_TAB});
    PressChord({VK_TAB});
    if (!ExpectFocus(c, app, ids::kButton1, "after two Tabs")) {
      return;
    }
    PressChord({VK_RETURN});
    PressChord({VK_TAB});
    ExpectFocus(c, app, ids::kEditBox1, "after Enter and Tab");
    const HWND status = app.Control(ids::kLabel2);
    c.Expect(HoldsFor([&] { return WindowText(status) == kStoredStatus; }, kArmedTickWatch),
             "标签2 changed to " + Quoted(WindowText(status)) + ": the button was clicked");
  });

  const std::vector<CloseWay> close_ways{
      {"Escape in 编辑框1",
       [](Case& c, const Program& app) {
         StartAtFirstBox(c, app);
         PressChord({VK_ESCAPE});
       }},
      {"Escape on 按钮1",
       [](Case& c, const Program& app) {
         StartAtFirstBox(c, app);
         PressChord({VK_TAB});
         PressChord({VK_TAB});
         if (ExpectFocus(c, app, ids::kButton1, "after two Tabs")) {
           PressChord({VK_ESCAPE});
         }
       }},
      {"WM_SYSCOMMAND SC_CLOSE",
       [](Case&, const Program& app) { ::PostMessageA(app.window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"a click on the close box",
       [](Case& c, const Program& app) {
         StartAtFirstBox(c, app);
         const std::optional<POINT> box = FindCloseBox(app.window());
         if (c.Expect(box.has_value(), "no close box in the title bar")) {
           ClickAt(*box, app.window(), app.ui_thread());
         }
       }},
      // Close is picked by its mnemonic C; it is not reliably the last item, because Wine adds
      // an item of its own below it.
      {"Close from the system menu (Alt+Space)",
       [](Case& c, const Program& app) {
         StartAtFirstBox(c, app);
         PressChord({VK_MENU, VK_SPACE});
         if (WaitFor(
                 c, "the system menu open", [&] { return MenuIsOpen(app.ui_thread()); },
                 [] { return std::string("no menu"); })) {
           PressChord({kCloseMnemonic});
         }
       }},
      {"Alt+F4",
       [](Case& c, const Program& app) {
         StartAtFirstBox(c, app);
         PressChord({VK_MENU, VK_F4});
       }},
  };
  for (const CloseWay& way : close_ways) {
    suite.Run("frame: " + std::string(way.name) + " ends the program with code 0", [&](Case& c) {
      const Program app(path);
      way.close(c, app);
      app.ExpectExit(c, 0);
    });
  }
}

}  // namespace orvenal::ui_test
