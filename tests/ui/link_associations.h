// The associations the link cases set up in the test prefix: which command opens http and
// https addresses through the shell, and what the ".htm" file type says about its "open"
// command. They live in HKEY_CLASSES_ROOT, which the program under test reads at every press,
// so a case changes them between presses and the running program sees the change at once.
//
// The prefix is shared with the other groups and with later runs, so the keys the link cases
// touch are copied aside before the first change and put back when the cases are done. A run
// that dies on the way leaves its copy behind; the next run finds it, keeps it as the
// original and puts it back in the end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvenal::ui_test {

// The file type the cases point ".htm" at, so that the prefix's own types stay untouched.
inline constexpr std::string_view kTestPageType = "OrvenalTestPage";

// What ".htm" holds, from nothing at all to a type with an "open" command.
struct HtmlAssociation {
  // false: there is no ".htm" key.
  bool htm_key = false;
  // The default value of ".htm", the name of the file type; none: the key has no default.
  std::optional<std::string> type_name;
  // The default value of kTestPageType's shell\open\command; none: the type has no such key.
  std::optional<std::string> open_command;
};

struct Associations {
  // The "open" command of both web protocols; none removes the protocol keys, so that the
  // shell has nothing to open a web address with.
  std::optional<std::string> web_command;
  HtmlAssociation html;
};

class ClassesRoot {
 public:
  // Copies the keys aside; throws CaseAborted when the registry refuses.
  ClassesRoot();
  ClassesRoot(const ClassesRoot&) = delete;
  ClassesRoot& operator=(const ClassesRoot&) = delete;
  // Puts the copied keys back and drops the copy.
  ~ClassesRoot();

  // Replaces the keys with exactly what is asked for; throws CaseAborted when it cannot.
  void Set(const Associations& wanted);
};

}  // namespace orvenal::ui_test
