// The hook DLL that the driver loads into the program's UI thread (WH_GETMESSAGE). When the
// main window is posted the probe message, it fills a ProbeReport about the window from
// inside the process and sends it to the window whose handle came as wParam.
//
// It holds no state: every answer is worked out afresh from the live window.
#include <windows.h>

#include <cstring>
#include <initializer_list>

#include "tests/ui/probe.h"

namespace orvenal::ui_test {
namespace {

constexpr UINT kReplyTimeoutMs = 2000;

// The colour and mask pixels of an icon, as device-dependent bytes; equal for two icons made
// from the same image at the same size on the same display.
bool SamePixels(HBITMAP a, HBITMAP b) {
  BITMAP info_a{};
  BITMAP info_b{};
  if (GetObjectA(a, sizeof info_a, &info_a) == 0 || GetObjectA(b, sizeof info_b, &info_b) == 0 ||
      info_a.bmWidthBytes != info_b.bmWidthBytes || info_a.bmHeight != info_b.bmHeight) {
    return false;
  }
  const LONG size = info_a.bmWidthBytes * info_a.bmHeight;
  HANDLE heap = GetProcessHeap();
  auto* bytes_a = static_cast<unsigned char*>(HeapAlloc(heap, 0, static_cast<SIZE_T>(size)));
  auto* bytes_b = static_cast<unsigned char*>(HeapAlloc(heap, 0, static_cast<SIZE_T>(size)));
  const bool same = bytes_a != nullptr && bytes_b != nullptr &&
                    GetBitmapBits(a, size, bytes_a) == size &&
                    GetBitmapBits(b, size, bytes_b) == size &&
                    std::memcmp(bytes_a, bytes_b, static_cast<std::size_t>(size)) == 0;
  HeapFree(heap, 0, bytes_a);
  HeapFree(heap, 0, bytes_b);
  return same;
}

bool SameIcon(HICON a, HICON b) {
  ICONINFO info_a{};
  ICONINFO info_b{};
  const bool have_a = GetIconInfo(a, &info_a) != FALSE;
  const bool have_b = GetIconInfo(b, &info_b) != FALSE;
  // A monochrome image (such as the hand cursor) has no colour bitmap, only the mask.
  const bool same_colour = info_a.hbmColor == nullptr || info_b.hbmColor == nullptr
                               ? info_a.hbmColor == info_b.hbmColor
                               : SamePixels(info_a.hbmColor, info_b.hbmColor);
  const bool same = have_a && have_b && same_colour && SamePixels(info_a.hbmMask, info_b.hbmMask);
  for (const ICONINFO& info : {info_a, info_b}) {
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  return same;
}

ProbedIcon ProbeIcon(HWND window, WPARAM which) {
  ProbedIcon probed{};
  const auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, which, 0));
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) {
    return probed;
  }
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  probed.width = mask.bmWidth;
  // A monochrome icon keeps its image and its mask one above the other in the mask bitmap.
  probed.height = info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / 2;
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  const auto resource = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), kIconResourceName,
                                                      IMAGE_ICON, probed.width, probed.height, 0));
  probed.matches_resource = resource != nullptr && SameIcon(icon, resource);
  if (resource != nullptr) {
    DestroyIcon(resource);
  }
  return probed;
}

ProbedCursor ProbeCursor(HCURSOR cursor) {
  if (cursor == nullptr) {
    return kNoCursor;
  }
  if (cursor == LoadCursorA(nullptr, IDC_ARROW)) {
    return kArrowCursor;
  }
  const auto hand = static_cast<HCURSOR>(LoadImageA(GetModuleHandleA(nullptr),
                                                    MAKEINTRESOURCEA(kHandCursorResourceId),
                                                    IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
  const bool is_hand = hand != nullptr && SameIcon(cursor, hand);
  if (hand != nullptr) {
    DestroyCursor(hand);
  }
  return is_hand ? kHandCursorResource : kOtherCursor;
}

ProbedWindow ProbeWindow(HWND hwnd, std::uint32_t id) {
  ProbedWindow probed{};
  probed.id = id;
  probed.class_style = static_cast<std::uint32_t>(GetClassLongPtrA(hwnd, GCL_STYLE));
  probed.has_class_icon = GetClassLongPtrA(hwnd, GCLP_HICON) != 0;
  probed.has_class_background = GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND) != 0;
  const auto cursor = reinterpret_cast<HCURSOR>(GetClassLongPtrA(hwnd, GCLP_HCURSOR));
  probed.class_cursor = ProbeCursor(cursor);
  probed.font_is_default_gui = reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)) ==
                               GetStockObject(DEFAULT_GUI_FONT);
  return probed;
}

void Report(HWND window, HWND receiver) {
  ProbeReport report{};
  report.big_icon = ProbeIcon(window, ICON_BIG);
  report.small_icon = ProbeIcon(window, ICON_SMALL);
  const HMENU menu = GetSystemMenu(window, FALSE);
  report.menu_item_count = menu != nullptr ? GetMenuItemCount(menu) : -1;
  for (int i = 0; i < report.menu_item_count && i < kMaxProbedMenuItems; ++i) {
    report.menu_item_ids[i] = GetMenuItemID(menu, i);
  }
  report.windows[report.window_count++] = ProbeWindow(window, 0);
  for (HWND child = GetWindow(window, GW_CHILD);
       child != nullptr && report.window_count < kMaxProbedWindows;
       child = GetWindow(child, GW_HWNDNEXT)) {
    report.windows[report.window_count++] =
        ProbeWindow(child, static_cast<std::uint32_t>(GetWindowLongPtrA(child, GWLP_ID)));
  }
  COPYDATASTRUCT data{kProbeReportTag, sizeof report, &report};
  SendMessageTimeoutA(receiver, WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                      reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, kReplyTimeoutMs, nullptr);
}

}  // namespace

// Exported by its plain name, which the driver looks up.
extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeHook(int code, WPARAM removal, LPARAM message) {
  const auto* msg = reinterpret_cast<const MSG*>(message);
  if (code == HC_ACTION && removal == PM_REMOVE &&
      msg->message == RegisterWindowMessageA(kProbeMessageName)) {
    Report(msg->hwnd, reinterpret_cast<HWND>(msg->wParam));
  }
  return CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace orvenal::ui_test
