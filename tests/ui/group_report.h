// What a test group found: every check that fails is printed at once, with what was seen,
// so that a run that ends the session half-way still leaves its findings in the log.
//
// The program's texts are code page 936 bytes; the log is read on a UTF-8 terminal, so the
// lines are converted on the way out, and Shown() makes odd texts readable first.
#pragma once

#include <string>
#include <string_view>

namespace orvenal::ui {

class GroupReport {
 public:
  explicit GroupReport(std::string_view group) : group_(group) {}

  // Records the check; returns ok so that a group can stop where going on makes no sense.
  bool Expect(bool ok, const std::string& what);
  // A finding that is no verdict, such as a measured time.
  void Note(const std::string& what) const;
  bool Passed() const { return passed_; }

 private:
  void Print(std::string_view kind, const std::string& what) const;

  std::string group_;
  bool passed_ = true;
};

// A text as a log line can hold it: control bytes, bytes from 0x80 up that the code page
// would not pair into a character, and the quote written as \xNN, and a long text cut in the
// middle with its length said.
std::string Shown(std::string_view text);

}  // namespace orvenal::ui
