// How 超级链接框1 looks on the screen: its caption "QQ空间" in white, centred on black, inside
// a sunken edge; and the same picture, pixel for pixel, while the pointer is over it, after a
// press that opened the address and once the pointer has left it again.
//
// The screen is read back with BitBlt from the screen DC. A picture read right after a change
// could still be the old one, so before each comparison the driver covers the link with a
// magenta window of its own, waits until the screen shows the magenta, and takes the window
// away: what shows afterwards has been painted by the program since.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/ui/check.h"
#include "tests/ui/link_associations.h"
#include "tests/ui/link_support.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {
namespace {

constexpr std::string_view kCaption = "QQ空间";
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kCoverColor = RGB(255, 0, 255);
// How a caption of one line is laid out in the link: centred both ways, "&" as itself.
constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
// The two CJK characters and two letters of the caption leave far more white pixels than this;
// fewer means the driver could not draw its own copy of the caption.
constexpr int kMinWhitePixels = 40;
// WS_EX_CLIENTEDGE: two lines on each side.
constexpr LONG kEdgeWidth = 2;
constexpr char kCoverClass[] = "OrvenalUiDriverCover";

struct Image {
  LONG width = 0;
  LONG height = 0;
  std::vector<COLORREF> pixels;

  COLORREF At(LONG x, LONG y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  bool operator==(const Image&) const = default;
};

// A 32-bit top-down DIB selected into a memory DC, to draw into or copy the screen into.
class Canvas {
 public:
  Canvas(LONG width, LONG height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    constexpr WORD kBitsPerPixel = 32;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = ::SelectObject(dc_, bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }

  Image Picture() const {
    ::GdiFlush();
    Image image{width_, height_, {}};
    const auto* quads = static_cast<const RGBQUAD*>(bits_);
    const auto count = static_cast<std::size_t>(width_ * height_);
    image.pixels.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
      image.pixels.push_back(RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    }
    return image;
  }

 private:
  LONG width_;
  LONG height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

Image Capture(const RECT& r) {
  const Canvas canvas(r.right - r.left, r.bottom - r.top);
  const HDC screen = ::GetDC(nullptr);
  ::BitBlt(canvas.dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  ::ReleaseDC(nullptr, screen);
  return canvas.Picture();
}

// The caption as the link has to show it: white in the stock GUI font, centred on black in a
// client area of the given size, drawn by the driver on a canvas of its own.
Image ExpectedCaption(LONG width, LONG height) {
  const Canvas canvas(width, height);
  ::PatBlt(canvas.dc(), 0, 0, width, height, BLACKNESS);
  const HGDIOBJ old = ::SelectObject(canvas.dc(), ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(canvas.dc(), TRANSPARENT);
  ::SetTextColor(canvas.dc(), kWhite);
  RECT area{0, 0, width, height};
  const std::string caption(kCaption);
  ::DrawTextA(canvas.dc(), caption.c_str(), static_cast<int>(caption.size()), &area, kCentredLine);
  ::SelectObject(canvas.dc(), old);
  return canvas.Picture();
}

std::string Hex(COLORREF color) {
  constexpr std::size_t kSize = sizeof("0x00BBGGRR");
  char text[kSize];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(color));
  return text;
}

std::string At(LONG x, LONG y) {
  constexpr std::size_t kSize = sizeof("(-2147483648,-2147483648)");
  char text[kSize];
  std::snprintf(text, sizeof text, "(%ld,%ld)", static_cast<long>(x), static_cast<long>(y));
  return text;
}

// Where the picture has anything but black, as "(left,top)-(right,bottom)" from the origin.
std::string InkBox(const Image& image, POINT origin) {
  LONG left = image.width;
  LONG top = image.height;
  LONG right = -1;
  LONG bottom = -1;
  for (LONG y = 0; y < image.height; ++y) {
    for (LONG x = 0; x < image.width; ++x) {
      if (image.At(x, y) != kBlack) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
      }
    }
  }
  if (right < 0) {
    return "nothing";
  }
  return At(origin.x + left, origin.y + top) + "-" + At(origin.x + right, origin.y + bottom);
}

// The first pixel where the two pictures differ and how many do, or nothing.
std::optional<std::string> Difference(const Image& seen, const Image& wanted, POINT origin) {
  int differing = 0;
  std::string first;
  for (LONG y = 0; y < seen.height; ++y) {
    for (LONG x = 0; x < seen.width; ++x) {
      if (seen.At(x, y) != wanted.At(x, y) && differing++ == 0) {
        first = At(origin.x + x, origin.y + y) + " " + Hex(seen.At(x, y)) + " instead of " +
                Hex(wanted.At(x, y));
      }
    }
  }
  if (differing == 0) {
    return std::nullopt;
  }
  return std::to_string(differing) + " pixels differ, first " + first;
}

// The link's window and client rectangles on the screen.
struct LinkGeometry {
  RECT window;
  RECT client;
};

LinkGeometry GeometryOf(HWND link) {
  LinkGeometry g{};
  ::GetWindowRect(link, &g.window);
  ::GetClientRect(link, &g.client);
  ::MapWindowPoints(link, HWND_DESKTOP, reinterpret_cast<POINT*>(&g.client), 2);
  return g;
}

// What is wrong with the caption in the client area, or nothing.
std::optional<std::string> CaptionProblem(const LinkGeometry& g) {
  const LONG width = g.client.right - g.client.left;
  const LONG height = g.client.bottom - g.client.top;
  const Image wanted = ExpectedCaption(width, height);
  const auto white = std::count(wanted.pixels.begin(), wanted.pixels.end(), kWhite);
  if (white < kMinWhitePixels) {
    return "the driver's own copy of the caption has only " + std::to_string(white) +
           " white pixels";
  }
  const Image seen = Capture(g.client);
  const POINT origin{g.client.left, g.client.top};
  if (const std::optional<std::string> difference = Difference(seen, wanted, origin)) {
    return "the caption differs from white centred text on black: " + *difference +
           "; text drawn at " + InkBox(seen, origin) + ", expected at " + InkBox(wanted, origin);
  }
  return std::nullopt;
}

// The sunken edge of WS_EX_CLIENTEDGE: shadow above and left, light below and right, each two
// lines, checked half-way along every side.
std::optional<std::string> EdgeProblem(const LinkGeometry& g) {
  const Image image = Capture(g.window);
  const LONG mid_x = image.width / 2;
  const LONG mid_y = image.height / 2;
  const LONG right = image.width - 1;
  const LONG bottom = image.height - 1;
  struct EdgePixel {
    std::string_view where;
    LONG x;
    LONG y;
    int system_color;
  };
  const EdgePixel expected[] = {
      {"top, outer line", mid_x, 0, COLOR_3DSHADOW},
      {"top, inner line", mid_x, 1, COLOR_3DDKSHADOW},
      {"left, outer line", 0, mid_y, COLOR_3DSHADOW},
      {"left, inner line", 1, mid_y, COLOR_3DDKSHADOW},
      {"bottom, outer line", mid_x, bottom, COLOR_3DHILIGHT},
      {"bottom, inner line", mid_x, bottom - 1, COLOR_3DLIGHT},
      {"right, outer line", right, mid_y, COLOR_3DHILIGHT},
      {"right, inner line", right - 1, mid_y, COLOR_3DLIGHT},
  };
  if (g.client.left - g.window.left != kEdgeWidth ||
      g.window.bottom - g.client.bottom != kEdgeWidth) {
    return "an edge " + std::to_string(g.client.left - g.window.left) + " pixels wide, expected " +
           std::to_string(kEdgeWidth);
  }
  for (const EdgePixel& pixel : expected) {
    const COLORREF want = ::GetSysColor(pixel.system_color);
    const COLORREF seen = image.At(pixel.x, pixel.y);
    if (seen != want) {
      return "the edge's " + std::string(pixel.where) + " is " + Hex(seen) + ", expected " +
             Hex(want);
    }
  }
  return std::nullopt;
}

LRESULT CALLBACK CoverProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::DefWindowProcA(hwnd, message, wparam, lparam);
}

// Covers the rectangle with a magenta window of the driver's own until the screen shows it,
// then takes the window away, so that the next picture of the rectangle is a fresh paint.
bool CoverAndUncover(Case& c, const RECT& r) {
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA cls{};
  if (!::GetClassInfoA(instance, kCoverClass, &cls)) {
    cls.lpfnWndProc = CoverProc;
    cls.hInstance = instance;
    cls.lpszClassName = kCoverClass;
    cls.hbrBackground = ::CreateSolidBrush(kCoverColor);
    ::RegisterClassA(&cls);
  }
  const HWND cover = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                                       kCoverClass, "", WS_POPUP, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  if (cover == nullptr) {
    c.Fail("cannot create the cover window, error " + std::to_string(::GetLastError()));
    return false;
  }
  ::ShowWindow(cover, SW_SHOWNOACTIVATE);
  const bool covered = WaitFor(
      c, "the cover window on the screen",
      [&] {
        const Image image = Capture(r);
        return std::all_of(image.pixels.begin(), image.pixels.end(),
                           [](COLORREF pixel) { return pixel == kCoverColor; });
      },
      [] { return std::string("other pixels"); });
  ::DestroyWindow(cover);
  return covered;
}

// Fails the case unless the link's window, edge included, shows the reference picture again
// after a fresh paint.
void ExpectPicture(Case& c, const LinkGeometry& g, const Image& reference, std::string_view state) {
  if (!CoverAndUncover(c, g.window)) {
    return;
  }
  Image seen;
  const POINT origin{g.window.left, g.window.top};
  WaitFor(
      c, std::string(state) + ": the link drawn as at start",
      [&] {
        seen = Capture(g.window);
        return seen == reference;
      },
      [&] { return Difference(seen, reference, origin).value_or("no difference any more"); });
}

void StartLook(Suite& suite) {
  suite.Run("link: shows QQ空间 white and centred on black inside a sunken edge", [&](Case& c) {
    WithProgram(c, suite, [&](const Program&, HWND link, const LinkPlaces&) {
      const LinkGeometry g = GeometryOf(link);
      std::optional<std::string> problem;
      WaitFor(
          c, "the caption drawn", [&] { return !(problem = CaptionProblem(g)); },
          [&] { return *problem; });
      if (const std::optional<std::string> edge = EdgeProblem(g)) {
        c.Fail(*edge);
      }
    });
  });
}

void LookKept(Suite& suite, const Recorder& recorder, ClassesRoot& classes) {
  suite.Run(
      "link: looks the same with the pointer over it, after a press and after the pointer "
      "leaves",
      [&](Case& c) {
        classes.Set(ShellWorks(recorder));
        recorder.ClearLog();
        WithProgram(c, suite, [&](const Program& app, HWND link, const LinkPlaces& places) {
          const LinkGeometry g = GeometryOf(link);
          std::optional<std::string> problem;
          if (!WaitFor(
                  c, "the caption drawn at start", [&] { return !(problem = CaptionProblem(g)); },
                  [&] { return *problem; })) {
            return;
          }
          const Image reference = Capture(g.window);

          SendPointer({{Pointer::kMove, places.centre}});
          if (!WaitFor(
                  c, "the link to take the mouse capture as the pointer comes over it",
                  [&] { return CaptureOf(app) == link; },
                  [&] { return app.Describe(CaptureOf(app)); })) {
            return;
          }
          ExpectPicture(c, g, reference, "pointer over it");

          SendPointer(ClickSteps(places.centre));
          if (Settle(c, app)) {
            ExpectLines(c, recorder, {ShellLine(recorder)}, "after the press");
          }
          ExpectPicture(c, g, reference, "after a press that opened the address");

          SendPointer({{Pointer::kMove, places.beside}});
          if (WaitFor(
                  c, "the link to let the capture go as the pointer leaves",
                  [&] { return CaptureOf(app) != link; },
                  [&] { return app.Describe(CaptureOf(app)); })) {
            ExpectPicture(c, g, reference, "pointer gone after the press");
          }
        });
      });
}

}  // namespace

void RunLinkLookCases(Suite& suite, const Recorder& recorder, ClassesRoot& classes) {
  StartLook(suite);
  LookKept(suite, recorder, classes);
}

}  // namespace orvenal::ui_test
