// Setting the probe hook and collecting its report.
#include "tests/ui/probe_client.h"

#include <array>
#include <cstring>

namespace orvenal::ui_test {
namespace {

constexpr char kReceiverClass[] = "OrvenalUiProbeReceiver";

// The DLL is built beside the driver.
std::string ProbeDllPath() {
  std::array<char, MAX_PATH> path{};
  const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), path.size());
  std::string dll(path.data(), length);
  dll.erase(dll.find_last_of("\\/") + 1);
  return dll + kProbeDllName;
}

}  // namespace

Probe::Probe(const Program& app) : app_(app) {
  const std::string dll_path = ProbeDllPath();
  dll_ = ::LoadLibraryA(dll_path.c_str());
  // GetProcAddress gives a generic function pointer; going through void (*)() is the cast
  // GCC accepts between unrelated function types.
  const FARPROC exported = dll_ != nullptr ? ::GetProcAddress(dll_, kProbeHookName) : nullptr;
  const auto hook_proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(exported));
  if (hook_proc == nullptr) {
    throw CaseAborted("cannot load the probe " + dll_path);
  }
  WNDCLASSA receiver_class{};
  receiver_class.lpfnWndProc = ReceiverProc;
  receiver_class.hInstance = ::GetModuleHandleA(nullptr);
  receiver_class.lpszClassName = kReceiverClass;
  // A second probe in the same run finds the class already there.
  ::RegisterClassA(&receiver_class);
  receiver_ = ::CreateWindowExA(0, kReceiverClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                receiver_class.hInstance, nullptr);
  ::SetWindowLongPtrA(receiver_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  hook_ = ::SetWindowsHookExA(WH_GETMESSAGE, hook_proc, dll_, app.ui_thread());
  if (receiver_ == nullptr || hook_ == nullptr) {
    Release();
    throw CaseAborted("cannot set the probe hook, error " + std::to_string(::GetLastError()));
  }
}

Probe::~Probe() {
  Release();
}

void Probe::Release() {
  if (hook_ != nullptr) {
    ::UnhookWindowsHookEx(hook_);
  }
  if (receiver_ != nullptr) {
    ::DestroyWindow(receiver_);
  }
  if (dll_ != nullptr) {
    ::FreeLibrary(dll_);
  }
  hook_ = nullptr;
  receiver_ = nullptr;
  dll_ = nullptr;
}

std::optional<ProbeReport> Probe::Read() {
  received_.reset();
  ::PostMessageA(app_.window(), ::RegisterWindowMessageA(kProbeMessageName),
                 reinterpret_cast<WPARAM>(receiver_), 0);
  // The report arrives as a sent message, which the polling wait lets in.
  PollUntil([&] { return received_.has_value(); }, kReactionDeadline);
  return received_;
}

LRESULT CALLBACK Probe::ReceiverProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* probe = reinterpret_cast<Probe*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_COPYDATA && probe != nullptr) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    if (data->dwData == kProbeReportTag && data->cbData == sizeof(ProbeReport)) {
      ProbeReport report;
      std::memcpy(&report, data->lpData, sizeof report);
      probe->received_ = report;
      return TRUE;
    }
  }
  return ::DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace orvenal::ui_test
