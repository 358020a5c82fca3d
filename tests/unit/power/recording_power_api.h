// RecordingPowerApi: a PowerApi fake that writes down every call and answers as scripted.
//
// Each call becomes one line of text, "Name(arguments)", in the order made, so a test states
// the whole expected conversation with Windows as a list of lines. Handles and pointers are
// written by role: "process" for the pseudo-handle GetCurrentProcess gave, "token" for the
// handle OpenProcessToken gave, "luid" for the LUID the lookup filled in, "null" for nullptr;
// anything else is written as a number so that a wrong value shows in the failure message.
// The version record is written with its size and whether the rest of it arrived zero-filled.
//
// The last-error code is modelled strictly: only AdjustTokenPrivileges sets the scripted
// code, every other call clears it, so code that reads it late sees the wrong value.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "power/shutdown.h"

namespace orvenal::testing {

class RecordingPowerApi final : public PowerApi {
 public:
  static constexpr std::uint32_t kPlatformNt = 2;
  static constexpr std::uint32_t kPlatformWindows = 1;  // the older family
  static constexpr std::uint32_t kErrorNotAllAssigned = 1300;

  // What the fake answers; the defaults let every request succeed on the NT platform.
  std::uint32_t platform_id = kPlatformNt;
  int open_token_result = 1;
  std::uint32_t error_after_adjust = 0;
  int exit_windows_result = 1;
  int set_power_state_result = 1;

  std::vector<std::string> calls;

  // How many recorded lines start with this text, e.g. "ExitWindowsEx(" or "ExitWindowsEx(12,".
  int CountCalls(std::string_view prefix) const {
    int count = 0;
    for (const std::string& call : calls) {
      count += call.starts_with(prefix) ? 1 : 0;
    }
    return count;
  }

  int GetVersionExA(OsVersionInfo* info) override {
    OsVersionInfo zeroed{};
    zeroed.size = info->size;
    const bool is_zeroed = std::memcmp(info, &zeroed, sizeof(OsVersionInfo)) == 0;
    Record("GetVersionExA(size=" + std::to_string(info->size) +
           (is_zeroed ? ", zeroed)" : ", not zeroed)"));
    info->major_version = kSomeMajorVersion;
    info->platform_id = platform_id;
    return 1;
  }

  OsHandle GetCurrentProcess() override {
    Record("GetCurrentProcess()");
    return process_handle_;
  }

  int OpenProcessToken(OsHandle process, std::uint32_t desired_access, OsHandle* token) override {
    Record("OpenProcessToken(" + Handle(process) + ", " + Hex(desired_access) + ")");
    if (open_token_result != 0) {
      *token = token_handle_;
    }
    return open_token_result;
  }

  int LookupPrivilegeValueA(const char* system_name, const char* name, Luid* luid) override {
    Record("LookupPrivilegeValueA(" + String(system_name) + ", " + String(name) + ")");
    *luid = kShutdownLuid;
    return 1;
  }

  int AdjustTokenPrivileges(OsHandle token, int disable_all, TokenPrivileges* new_state,
                            std::uint32_t buffer_length, TokenPrivileges* previous_state,
                            std::uint32_t* return_length) override {
    std::string state = "null";
    if (new_state != nullptr) {
      const LuidAndAttributes& entry = new_state->privileges[0];
      state = "{" + std::to_string(new_state->privilege_count) + ", " + LuidText(entry.luid) +
              ", " + std::to_string(entry.attributes) + "}";
    }
    calls.push_back("AdjustTokenPrivileges(" + Handle(token) + ", " + std::to_string(disable_all) +
                    ", " + state + ", " + std::to_string(buffer_length) + ", " +
                    Pointer(previous_state) + ", " + Pointer(return_length) + ")");
    last_error_ = error_after_adjust;
    return 1;  // the real function reports success even when the privilege was not assigned
  }

  std::uint32_t GetLastError() override {
    calls.push_back("GetLastError()");
    return last_error_;
  }

  int CloseHandle(OsHandle handle) override {
    Record("CloseHandle(" + Handle(handle) + ")");
    return 1;
  }

  int ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
    Record("ExitWindowsEx(" + std::to_string(flags) + ", " + std::to_string(reason) + ")");
    return exit_windows_result;
  }

  int SetSystemPowerState(int suspend, int force) override {
    Record("SetSystemPowerState(" + std::to_string(suspend) + ", " + std::to_string(force) + ")");
    return set_power_state_result;
  }

 private:
  static constexpr std::uint32_t kSomeMajorVersion = 6;
  static constexpr Luid kShutdownLuid{0x13, 0};

  void Record(std::string call) {
    calls.push_back(std::move(call));
    last_error_ = 0;
  }

  std::string Handle(OsHandle handle) const {
    if (handle == process_handle_) {
      return "process";
    }
    if (handle == token_handle_) {
      return "token";
    }
    return Pointer(handle);
  }

  static std::string Pointer(const void* pointer) {
    return pointer == nullptr ? "null" : std::to_string(reinterpret_cast<std::uintptr_t>(pointer));
  }

  static std::string String(const char* text) { return text == nullptr ? "null" : text; }

  static std::string Hex(std::uint32_t value) {
    constexpr int kHexDigitsMax = 11;
    char buffer[kHexDigitsMax];
    std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(value));
    return buffer;
  }

  static std::string LuidText(const Luid& luid) {
    if (luid.low_part == kShutdownLuid.low_part && luid.high_part == kShutdownLuid.high_part) {
      return "luid";
    }
    return std::to_string(luid.high_part) + ":" + std::to_string(luid.low_part);
  }

  // Distinct non-null values that no real call returns, so each can be told apart.
  int process_object_ = 0;
  int token_object_ = 0;
  OsHandle process_handle_ = &process_object_;
  OsHandle token_handle_ = &token_object_;
  std::uint32_t last_error_ = 0;
};

}  // namespace orvenal::testing
