// The driver's side of the in-process probe (probe.h): sets the hook DLL on the program's
// thread, asks for a report and waits for it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/ui/check.h"
#include "tests/ui/probe.h"
#include "tests/ui/program.h"

namespace orvenal::ui_test {

class Probe {
 public:
  // Throws CaseAborted when the DLL cannot be loaded or the hook not set.
  explicit Probe(const Program& app);
  Probe(const Probe&) = delete;
  Probe& operator=(const Probe&) = delete;
  ~Probe();

  // Asks the program for a report; none when it does not answer in time.
  std::optional<ProbeReport> Read();

 private:
  void Release();
  static LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  const Program& app_;
  HMODULE dll_ = nullptr;
  HWND receiver_ = nullptr;
  HHOOK hook_ = nullptr;
  std::optional<ProbeReport> received_;
};

}  // namespace orvenal::ui_test
