// Bad input through the real window: texts no person would type, set into the boxes or pasted
// from the clipboard while the schedule is armed. The program must keep running and 标签2
// must show, whole, what the boxes hold.
//
// Wine carries cross-process texts through Unicode and code page 936, so a box may hold other
// bytes than those sent; the label is compared with the box texts read back, and each case
// says whether the bytes sent survived. One program takes all the cases in turn, as a person
// would try one thing after another.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tests/ui/groups.h"
#include "tests/ui/schedule_steps.h"
#include "tests/ui/status_text.h"

namespace orvenal::ui_test {
namespace {

constexpr std::size_t kLongText = 30000;
// Longer than the 30,000 characters the system edit control takes by default, which the
// boxes lift: a paste must not be cut.
constexpr std::size_t kLongPaste = 40000;
constexpr int kFirstByte = 0x01;
constexpr int kLastByte = 0xFF;
// Bytes shown from where a box's text first differs from what was sent.
constexpr std::size_t kShownDifference = 8;

std::string EveryByte() {
  std::string text;
  for (int byte = kFirstByte; byte <= kLastByte; ++byte) {
    text += static_cast<char>(byte);
  }
  return text;
}

std::string Repeated(std::string_view piece, std::size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) {
    text.append(piece);
  }
  return text;
}

enum class Entry { kSetText, kPasteHour, kPasteMinute };

// Each case keeps one box on a number no clock reaches (99 hours, or 99 minutes), so that
// whatever the other box is read as, the armed schedule cannot fire. A case marked kept sends
// only valid code page 936 text, which must arrive whole and unchanged.
struct BadInput {
  const char* name;
  std::string hour;
  std::string minute;
  Entry entry;
  bool kept;
};

std::vector<BadInput> Cases() {
  const std::string never(kNeverHour);
  return {
      {"30,000 characters in each box, single-byte and double-byte",
       never + Repeated("x", kLongText - never.size()), Repeated("分", kLongText), Entry::kSetText,
       true},
      {"every byte 0x01-0xFF in the minute box", never, EveryByte(), Entry::kSetText, false},
      {"every byte 0x01-0xFF in the hour box", EveryByte(), never, Entry::kSetText, false},
      {"a lone lead byte as the hour", "\x81", never, Entry::kSetText, false},
      {"a lead byte ending the minute", never, "abc\xFE", Entry::kSetText, false},
      {"a lead byte ending 30,000 characters", never + Repeated("7", kLongText - 1) + "\x81", never,
       Entry::kSetText, false},
      {"40,000 digits pasted into the minute box", never, Repeated("7", kLongPaste),
       Entry::kPasteMinute, true},
      {"30,000 double-byte characters pasted into the hour box", Repeated("十", kLongText), never,
       Entry::kPasteHour, true},
      {"two lines pasted into the hour box", "12\r\n34", never, Entry::kPasteHour, false},
      {"every byte 0x01-0xFF pasted into the minute box", never, EveryByte(), Entry::kPasteMinute,
       false},
      {"double-byte text and a lone lead byte pasted as the hour", "十时\x81", never,
       Entry::kPasteHour, false},
  };
}

bool Enter(Case& c, const Program& app, const BadInput& input) {
  switch (input.entry) {
    case Entry::kSetText:
      return FillBoxes(c, app, input.hour, input.minute);
    case Entry::kPasteHour:
      return FillBoxes(c, app, kNeverHour, input.minute) &&
             PasteInto(c, app, ids::kEditBox1, input.hour);
    case Entry::kPasteMinute:
      return FillBoxes(c, app, input.hour, "") && PasteInto(c, app, ids::kEditBox2, input.minute);
  }
  return false;
}

std::string Survival(std::string_view box, const std::string& sent, const std::string& held) {
  std::string said(box);
  if (sent == held) {
    return said.append(" holds the ").append(std::to_string(sent.size())).append(" bytes sent");
  }
  std::size_t first = 0;
  while (first < sent.size() && first < held.size() && sent[first] == held[first]) {
    ++first;
  }
  said.append(" holds ").append(std::to_string(held.size())).append(" bytes for the ");
  said.append(std::to_string(sent.size())).append(" sent, from byte ");
  said.append(std::to_string(first)).append(" on ");
  said.append(Quoted(Shown(held.substr(first, kShownDifference)))).append(" for ");
  return said.append(Quoted(Shown(sent.substr(first, kShownDifference))));
}

// ExpectStatus compares 标签2 with the boxes' texts as they are read back; a case whose text
// is valid must also find it in the box whole and unchanged.
void Check(Case& c, const Program& app, const BadInput& input) {
  if (!Enter(c, app, input) || !ExpectStatus(c, app)) {
    return;
  }
  const std::string hour = FullText(app.Control(ids::kEditBox1));
  const std::string minute = FullText(app.Control(ids::kEditBox2));
  const std::string survival =
      Survival("编辑框1", input.hour, hour) + "; " + Survival("编辑框2", input.minute, minute);
  std::printf("    标签2 shows %zu bytes; %s\n", StatusText(hour, minute).size(), survival.c_str());
  if (input.kept) {
    c.Expect(hour == input.hour && minute == input.minute, "valid text was lost or cut");
  }
  c.Expect(!app.ExitCode().has_value(), "the program ended");
}

}  // namespace

void RunBadInputGroup(Suite& suite) {
  std::optional<Program> app;
  suite.Run("bad input: the program starts and arms", [&](Case& c) {
    app.emplace(suite.program_path());
    Arm(c, *app, kNeverHour, kNeverHour);
  });
  for (const BadInput& input : Cases()) {
    suite.Run(std::string("bad input: ").append(input.name), [&](Case& c) {
      if (!app || app->ExitCode().has_value()) {
        throw CaseAborted("the program is not running");
      }
      Check(c, *app, input);
    });
  }
}

}  // namespace orvenal::ui_test
