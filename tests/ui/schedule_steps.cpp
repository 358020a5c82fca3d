// The shared steps of the schedule's and the bad-input groups.
//
// Wine carries the ANSI texts of cross-process WM_SETTEXT and WM_GETTEXT through Unicode and
// code page 936, so a box may hold other bytes than those sent; the status text is therefore
// compared with what the boxes hold when read back.
#include "tests/ui/schedule_steps.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tests/ui/status_text.h"

namespace orvenal::ui_test {
namespace {

constexpr Milliseconds kMinuteDeadline{70000};
constexpr UINT kMessageTimeoutMs = 5000;
constexpr int kHalfDay = 12;
// WM_GETTEXTLENGTH may count characters where bytes are wanted: at most two bytes each.
constexpr std::size_t kBytesPerCountedCharacter = 2;
constexpr LPARAM kToTheEnd = -1;
constexpr std::size_t kShownEdge = 40;  // bytes kept at each end of a long text
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kFirstHigh = 0x80;
// The second byte of a double-byte character in code page 936.
constexpr unsigned char kFirstTrail = 0x40;
constexpr unsigned char kLastTrail = 0xFE;

bool Send(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR* result) {
  DWORD_PTR ignored = 0;
  return hwnd != nullptr &&
         ::SendMessageTimeoutA(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                               result != nullptr ? result : &ignored) != 0;
}

bool IsTrailByte(unsigned char byte) {
  return byte >= kFirstTrail && byte <= kLastTrail && byte != kDelete;
}

std::string Escaped(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= kFirstHigh && i + 1 < text.size() && ::IsDBCSLeadByte(byte) &&
        IsTrailByte(static_cast<unsigned char>(text[i + 1]))) {
      shown.append(text.substr(i, 2));
      ++i;
    } else if (byte < kFirstPrintable || byte >= kDelete || byte == '"' || byte == '\\') {
      char escape[] = "\\x00";
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      shown.append(escape);
    } else {
      shown.push_back(static_cast<char>(byte));
    }
  }
  return shown;
}

}  // namespace

SYSTEMTIME LocalNow() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  return now;
}

void WaitForRoomInMinute(int latest_second) {
  const SYSTEMTIME start = LocalNow();
  if (start.wSecond > latest_second) {
    PollUntil([&] { return LocalNow().wMinute != start.wMinute; }, kMinuteDeadline);
  }
}

std::string FarHour() {
  char text[] = "00";
  std::snprintf(text, sizeof text, "%02d", (LocalNow().wHour + kHalfDay) % kHoursPerDay);
  return text;
}

std::string FullText(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!Send(hwnd, WM_GETTEXTLENGTH, 0, 0, &length)) {
    return "(no answer)";
  }
  std::vector<char> buffer(length * kBytesPerCountedCharacter + 1, '\0');
  DWORD_PTR copied = 0;
  if (!Send(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied)) {
    return "(no answer)";
  }
  return std::string(buffer.data(), std::min<std::size_t>(copied, std::strlen(buffer.data())));
}

bool SetText(HWND hwnd, std::string_view text) {
  const std::string copy(text);
  DWORD_PTR taken = 0;
  return Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()), &taken) && taken != 0;
}

bool FillBoxes(Case& c, const Program& app, std::string_view hour, std::string_view minute) {
  return c.Expect(SetText(app.Control(ids::kEditBox1), kNeverHour) &&
                      SetText(app.Control(ids::kEditBox2), minute) &&
                      SetText(app.Control(ids::kEditBox1), hour),
                  "the boxes did not take WM_SETTEXT");
}

bool ClickArm(Case& c, const Program& app) {
  return c.Expect(Send(app.Control(ids::kButton1), BM_CLICK, 0, 0, nullptr),
                  "按钮1 did not take BM_CLICK");
}

bool PasteInto(Case& c, const Program& app, ControlId box, std::string_view text) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!c.Expect(memory != nullptr, "no memory for the clipboard")) {
    return false;
  }
  auto* bytes = static_cast<char*>(::GlobalLock(memory));
  std::memcpy(bytes, text.data(), text.size());
  bytes[text.size()] = '\0';
  ::GlobalUnlock(memory);
  bool placed = false;
  if (::OpenClipboard(nullptr)) {
    ::EmptyClipboard();
    placed = ::SetClipboardData(CF_TEXT, memory) != nullptr;
    ::CloseClipboard();
  }
  if (!placed) {
    ::GlobalFree(memory);
  }
  return c.Expect(placed, "the text could not be put on the clipboard") &&
         c.Expect(Send(app.Control(box), EM_SETSEL, 0, kToTheEnd, nullptr) &&
                      Send(app.Control(box), WM_PASTE, 0, 0, nullptr),
                  "the box did not take WM_PASTE");
}

bool ExpectStatus(Case& c, const Program& app, Milliseconds deadline) {
  const std::string expected =
      StatusText(FullText(app.Control(ids::kEditBox1)), FullText(app.Control(ids::kEditBox2)));
  const HWND label = app.Control(ids::kLabel2);
  std::string seen;
  return WaitFor(
      c, "标签2 to show " + Quoted(Shown(expected)),
      [&] { return (seen = FullText(label)) == expected; }, [&] { return Quoted(Shown(seen)); },
      deadline);
}

bool Arm(Case& c, const Program& app, std::string_view hour, std::string_view minute) {
  return FillBoxes(c, app, hour, minute) && ClickArm(c, app) &&
         ExpectStatus(c, app, Milliseconds{kTickPeriod.count() + kTickSlack.count()});
}

std::string Shown(std::string_view text) {
  if (text.size() <= 2 * kShownEdge) {
    return Escaped(text);
  }
  std::string shown = Escaped(text.substr(0, kShownEdge));
  shown.append("…(").append(std::to_string(text.size())).append(" bytes)…");
  return shown.append(Escaped(text.substr(text.size() - kShownEdge)));
}

std::string Ms(Milliseconds duration) {
  return std::to_string(duration.count()) + " ms";
}

}  // namespace orvenal::ui_test
