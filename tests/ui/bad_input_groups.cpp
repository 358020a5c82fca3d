// Bad input through the real window: texts no person would type, set into the boxes or pasted
// from the clipboard while the schedule is armed. The program must keep running and 标签2
// must show, whole, what the boxes hold.
//
// Wine carries cross-process texts through Unicode and code page 936, so a box may hold other
// bytes than those sent; the label is compared with the box texts read back, and the group
// notes for each case whether the bytes sent survived.
#include "tests/ui/bad_input_groups.h"

#include <string>
#include <vector>

#include "tests/ui/schedule_steps.h"
#include "tests/ui/status_text.h"

namespace orvenal::ui {
namespace {

constexpr std::size_t kLongText = 30000;
// Longer than the 30,000 characters the system edit control takes by default, which the
// boxes lift: a paste must not be cut.
constexpr std::size_t kLongPaste = 40000;
constexpr int kFirstByte = 0x01;
constexpr int kLastByte = 0xFF;

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

bool Enter(GroupReport& report, const LiveProgram& program, const BadInput& input) {
  switch (input.entry) {
    case Entry::kSetText:
      return FillBoxes(report, program, input.hour, input.minute);
    case Entry::kPasteHour:
      return FillBoxes(report, program, kNeverHour, input.minute) &&
             report.Expect(program.Paste(ids::kEditBox1, input.hour), "the paste failed");
    case Entry::kPasteMinute:
      return FillBoxes(report, program, input.hour, "") &&
             report.Expect(program.Paste(ids::kEditBox2, input.minute), "the paste failed");
  }
  return false;
}

std::string Survival(std::string_view box, const std::string& sent, const std::string& held) {
  if (sent == held) {
    return std::string(box) + " holds the " + std::to_string(sent.size()) + " bytes sent";
  }
  std::size_t first = 0;
  while (first < sent.size() && first < held.size() && sent[first] == held[first]) {
    ++first;
  }
  return std::string(box) + " holds " + std::to_string(held.size()) + " bytes of the " +
         std::to_string(sent.size()) + " sent, first different at byte " + std::to_string(first) +
         ": \"" + Shown(held.substr(first, 8)) + "\" for \"" + Shown(sent.substr(first, 8)) + "\"";
}

void Check(GroupReport& report, const LiveProgram& program, const BadInput& input) {
  report.Note(std::string("case: ") + input.name);
  if (!Enter(report, program, input) ||
      !WaitForStatus(report, program, 2 * kTickPeriodMs + kTickSlackMs)) {
    return;
  }
  // WaitForStatus has compared 标签2 with the boxes' texts as they are read back.
  const std::string hour = program.Text(ids::kEditBox1).value_or("");
  const std::string minute = program.Text(ids::kEditBox2).value_or("");
  const std::string survival =
      Survival("编辑框1", input.hour, hour) + "; " + Survival("编辑框2", input.minute, minute);
  report.Note("标签2 shows them whole, " + std::to_string(StatusText(hour, minute).size()) +
              " bytes; " + survival);
  if (input.kept) {
    report.Expect(hour == input.hour && minute == input.minute,
                  "valid text was lost or cut: " + survival);
  }
  report.Expect(program.Running(), "the program ended");
}

}  // namespace

bool BadInputGroup() {
  GroupReport report("bad_input");
  auto program = AttachOrReport(report);
  if (!program || !Arm(report, *program, kNeverHour, kNeverHour)) {
    return false;
  }
  for (const BadInput& input : Cases()) {
    Check(report, *program, input);
    if (!program->Running()) {
      break;
    }
  }
  return report.Passed();
}

}  // namespace orvenal::ui
