// The "frame" group: the main window as it stands after start, looked at from outside without
// touching it. Its place, size, frame and title; each control's class, place, text, styles
// and visibility; the stacking order; and where the focus starts. One program serves all.
// RunFrameGroup then runs the other parts (frame.h).
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/ui/check.h"
#include "tests/ui/controls.h"
#include "tests/ui/frame.h"
#include "tests/ui/groups.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {
namespace {

// Starts the program on first use and keeps it for the cases that only look at it; a failure
// to start is remembered and fails every one of those cases.
class SharedProgram {
 public:
  explicit SharedProgram(std::string path) : path_(std::move(path)) {}
  Program& Get() {
    if (!program_ && error_.empty()) {
      try {
        program_.emplace(path_);
      } catch (const CaseAborted& e) {
        error_ = e.what();
      }
    }
    if (!program_) {
      throw CaseAborted(error_);
    }
    return *program_;
  }

 private:
  std::string path_;
  std::optional<Program> program_;
  std::string error_;
};

struct StyleBit {
  LONG_PTR bits;
  std::string_view name;
};

// Checks that all of the bits are set (want) or all clear (not want).
void ExpectStyle(Case& c, std::string_view owner, LONG_PTR style, StyleBit bit, bool want) {
  const bool set = (style & bit.bits) == bit.bits;
  const bool clear = (style & bit.bits) == 0;
  c.Expect(want ? set : clear, std::string(owner) + ": " + std::string(bit.name) +
                                   (want ? " should be set" : " should be clear"));
}

std::string RectText(const RECT& r) {
  std::string text(1, '(');
  text.append(std::to_string(r.left)).append(",").append(std::to_string(r.top));
  text.append(")-(").append(std::to_string(r.right)).append(",");
  text.append(std::to_string(r.bottom)).append(")");
  return text;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT ClientRectOf(HWND parent, HWND child) {
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void CheckPlaceAndSize(Case& c, const Program& app) {
  RECT seen{};
  ::GetWindowRect(app.window(), &seen);
  const LONG left = (::GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const LONG top = (::GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  const RECT want{left, top, left + kMainWindowWidth, top + kMainWindowHeight};
  c.Expect(SameRect(seen, want),
           "outer rectangle " + RectText(seen) + ", expected " + RectText(want));
}

void CheckFrameAndTitle(Case& c, const Program& app) {
  const HWND window = app.window();
  const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR ex_style = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  const std::string_view owner = "main window";
  for (const StyleBit bit : {StyleBit{WS_CAPTION, "WS_CAPTION"},
                             {WS_SYSMENU, "WS_SYSMENU"},
                             {WS_CLIPCHILDREN, "WS_CLIPCHILDREN"},
                             {WS_DLGFRAME, "WS_DLGFRAME"}}) {
    ExpectStyle(c, owner, style, bit, true);
  }
  for (const StyleBit bit : {StyleBit{WS_THICKFRAME, "WS_THICKFRAME"},
                             {WS_MINIMIZEBOX, "WS_MINIMIZEBOX"},
                             {WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"},
                             {WS_CHILD, "WS_CHILD"}}) {
    ExpectStyle(c, owner, style, bit, false);
  }
  // A topmost window stays above others; a tool window or an owned one has no task-bar button.
  ExpectStyle(c, owner, ex_style, {WS_EX_TOPMOST, "WS_EX_TOPMOST"}, false);
  ExpectStyle(c, owner, ex_style, {WS_EX_TOOLWINDOW, "WS_EX_TOOLWINDOW"}, false);
  c.Expect(::GetWindow(window, GW_OWNER) == nullptr, "the main window has an owner");
  const std::string title = WindowText(window);
  c.Expect(title.empty(), "title " + Quoted(title) + ", expected none");
}

struct TitlePart {
  LRESULT code;
  std::string_view name;
};

// The window answers hit tests as the system draws and handles a fixed dialog frame: a title
// bar that drags the window, the system menu and a close box in it and no other button, and
// edges that do not resize.
void CheckTitleBarAndEdges(Case& c, const Program& app) {
  const HWND window = app.window();
  RECT outer{};
  ::GetWindowRect(window, &outer);
  const LONG row = TitleBarRow(window);
  std::vector<LRESULT> seen;
  for (LONG x = outer.left; x < outer.right; ++x) {
    const LRESULT hit = HitTest(window, {x, row});
    if (seen.empty() || seen.back() != hit) {
      seen.push_back(hit);
    }
  }
  const auto holds = [&](LRESULT hit) {
    return std::find(seen.begin(), seen.end(), hit) != seen.end();
  };
  for (const TitlePart part : {TitlePart{HTSYSMENU, "the system menu"},
                               {HTCAPTION, "a caption to drag"},
                               {HTCLOSE, "a close box"}}) {
    c.Expect(holds(part.code), "the title bar has no " + std::string(part.name));
  }
  for (const TitlePart part : {TitlePart{HTMINBUTTON, "a minimise box"},
                               {HTMAXBUTTON, "a maximise box"},
                               {HTHELP, "a help button"}}) {
    c.Expect(!holds(part.code), "the title bar has " + std::string(part.name));
  }

  const LONG middle_x = (outer.left + outer.right) / 2;
  const LONG middle_y = (outer.top + outer.bottom) / 2;
  for (const POINT edge :
       {POINT{outer.left, middle_y}, POINT{outer.right - 1, middle_y}, POINT{middle_x, outer.top},
        POINT{middle_x, outer.bottom - 1}, POINT{outer.right - 1, outer.bottom - 1}}) {
    const LRESULT hit = HitTest(window, edge);
    c.Expect(hit < HTLEFT || hit > HTBOTTOMRIGHT,
             "the frame resizes at (" + std::to_string(edge.x) + "," + std::to_string(edge.y) +
                 "): hit-test code " + std::to_string(hit));
  }
}

void CheckControl(Case& c, const Program& app, const ExpectedControl& want) {
  const HWND control = app.Control(want.id);
  if (!c.Expect(control != nullptr, "no child window with this id")) {
    return;
  }
  const std::string class_name = WindowClass(control);
  // Class names compare without case, as Windows looks them up: "EDIT" is registered as "Edit".
  c.Expect(::lstrcmpiA(class_name.c_str(), std::string(ClassName(want.kind)).c_str()) == 0,
           "class " + Quoted(class_name) + ", expected " + Quoted(ClassName(want.kind)));
  const RECT seen = ClientRectOf(app.window(), control);
  const RECT rect{want.left, want.top, want.left + want.width, want.top + want.height};
  c.Expect(SameRect(seen, rect),
           "client rectangle " + RectText(seen) + ", expected " + RectText(rect));
  if (want.text) {
    const std::string text = WindowText(control);
    c.Expect(text == *want.text, "text " + Quoted(text) + ", expected " + Quoted(*want.text));
  }

  const LONG_PTR style = ::GetWindowLongPtrA(control, GWL_STYLE);
  const LONG_PTR ex_style = ::GetWindowLongPtrA(control, GWL_EXSTYLE);
  const std::string_view owner = want.name;
  ExpectStyle(c, owner, style, {WS_CHILD, "WS_CHILD"}, true);
  ExpectStyle(c, owner, style, {WS_CLIPSIBLINGS, "WS_CLIPSIBLINGS"}, true);
  ExpectStyle(c, owner, style, {WS_DISABLED, "WS_DISABLED"}, false);
  ExpectStyle(c, owner, style, {WS_BORDER, "WS_BORDER"}, false);
  ExpectStyle(c, owner, style, {WS_TABSTOP, "WS_TABSTOP"}, want.tab_stop);
  ExpectStyle(c, owner, style, {WS_VISIBLE, "WS_VISIBLE"}, want.visible);
  const bool sunken = want.kind == Kind::kEditBox || want.kind == Kind::kHyperLinker;
  ExpectStyle(c, owner, ex_style, {WS_EX_CLIENTEDGE, "WS_EX_CLIENTEDGE"}, sunken);
  ExpectStyle(c, owner, ex_style, {WS_EX_DLGMODALFRAME, "WS_EX_DLGMODALFRAME"}, false);
  ExpectStyle(c, owner, ex_style, {WS_EX_STATICEDGE, "WS_EX_STATICEDGE"}, false);

  if (want.kind == Kind::kEditBox) {
    ExpectStyle(c, owner, style, {ES_AUTOHSCROLL, "ES_AUTOHSCROLL"}, true);
    for (const StyleBit bit : {StyleBit{ES_MULTILINE, "ES_MULTILINE"},
                               {ES_PASSWORD, "ES_PASSWORD"},
                               {ES_READONLY, "ES_READONLY"},
                               {ES_CENTER, "ES_CENTER"},
                               {ES_RIGHT, "ES_RIGHT"},
                               {ES_UPPERCASE, "ES_UPPERCASE"},
                               {ES_LOWERCASE, "ES_LOWERCASE"},
                               {ES_NOHIDESEL, "ES_NOHIDESEL"}}) {
      ExpectStyle(c, owner, style, bit, false);
    }
  }
  if (want.kind == Kind::kButton) {
    c.Expect((style & BS_TYPEMASK) == BS_PUSHBUTTON,
             "button type " + std::to_string(style & BS_TYPEMASK) + ", expected BS_PUSHBUTTON");
    ExpectStyle(c, owner, style, {BS_CENTER, "BS_CENTER"}, true);
    ExpectStyle(c, owner, style, {BS_VCENTER, "BS_VCENTER"}, true);
    ExpectStyle(c, owner, style, {BS_MULTILINE, "BS_MULTILINE"}, true);
  }
}

void CheckStacking(Case& c, const Program& app) {
  std::vector<HWND> want;
  for (const ExpectedControl& control : kControls) {
    want.push_back(app.Control(control.id));
  }
  std::vector<HWND> seen;
  for (HWND child = ::GetWindow(app.window(), GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    seen.push_back(child);
  }
  if (seen != want) {
    std::string order;
    for (HWND child : seen) {
      order += (order.empty() ? "" : ", ") + app.Describe(child);
    }
    c.Fail("from the top: " + order);
  }
}

}  // namespace

void RunFrameGroup(Suite& suite) {
  const std::string& path = suite.program_path();
  {
    SharedProgram shared(path);
    suite.Run("frame: initial focus in 编辑框1",
              [&](Case& c) { ExpectFocus(c, shared.Get(), ids::kEditBox1, "at start"); });
    suite.Run("frame: centred, 380x250", [&](Case& c) { CheckPlaceAndSize(c, shared.Get()); });
    suite.Run("frame: fixed dialog frame, close box only, no title",
              [&](Case& c) { CheckFrameAndTitle(c, shared.Get()); });
    suite.Run("frame: title bar drags, edges do not resize",
              [&](Case& c) { CheckTitleBarAndEdges(c, shared.Get()); });
    for (const ExpectedControl& control : kControls) {
      suite.Run("frame: control " + std::string(control.name),
                [&](Case& c) { CheckControl(c, shared.Get(), control); });
    }
    suite.Run("frame: stacking order", [&](Case& c) { CheckStacking(c, shared.Get()); });
  }

  RunFrameInsideCases(suite);
  RunFrameKeyboardCases(suite);
}

}  // namespace orvenal::ui_test
