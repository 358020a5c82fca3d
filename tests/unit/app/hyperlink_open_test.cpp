// The hyperlink's open attempt: the link target, the association command line and the whole
// attempt against a fake shell and registry.
#include "app/hyperlink_open.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvenal {
namespace {

using link_api::kHkeyClassesRoot;
using link_api::kSwShow;

// --- LinkTarget ------------------------------------------------------------------------------

TEST(LinkTargetTest, KindChoosesTheAddress) {
  EXPECT_EQ(LinkTarget(kLinkKindEmail, "me@example.org", "http://example.org/"),
            "mailto:me@example.org");
  EXPECT_EQ(LinkTarget(1, "me@example.org", "http://example.org/"), "http://example.org/");
  EXPECT_EQ(LinkTarget(-1, "me@example.org", "example.org"), "example.org");
  // An empty address for the kind in use means no target, whatever the other one holds.
  EXPECT_EQ(LinkTarget(kLinkKindEmail, "", "http://example.org/"), "");
  EXPECT_EQ(LinkTarget(1, "me@example.org", ""), "");
}

// --- BuildAssociationCommand -----------------------------------------------------------------

struct CommandCase {
  const char* name;
  std::string command_line;
  std::string target;
  std::optional<std::string> expected;
};

class BuildAssociationCommandTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(BuildAssociationCommandTest, BuildsTheCommand) {
  const CommandCase& c = GetParam();
  EXPECT_EQ(BuildAssociationCommand(c.command_line, c.target), c.expected);
}

const std::string kUrl = "http://example.org/";
constexpr std::size_t kLongestCommand = kCommandLineBufferSize - 1;

// A run of plain bytes, free of placeholders, to bring lines to the buffer limit.
std::string Filler(std::size_t length) {
  return std::string(length, 'p');
}

INSTANTIATE_TEST_SUITE_P(
    , BuildAssociationCommandTest,
    ::testing::Values(
        CommandCase{"QuotedPlaceholder", R"("C:\Browser\browser.exe" "%1")", kUrl,
                    R"("C:\Browser\browser.exe"  http://example.org/)"},
        CommandCase{"BarePlaceholderDropsTheRest", R"(C:\b.exe -url %1 -new)", kUrl,
                    R"(C:\b.exe -url  http://example.org/)"},
        CommandCase{"QuotedWinsOverEarlierBare", R"(b.exe %1 "%1")", kUrl,
                    "b.exe %1  http://example.org/"},
        CommandCase{"NoPlaceholder", R"("C:\b.exe" -nohome)", kUrl,
                    R"("C:\b.exe" -nohome http://example.org/)"},
        CommandCase{"OtherPercentsAreNoPlaceholder", "b.exe %2 %", kUrl,
                    "b.exe %2 % http://example.org/"},
        CommandCase{"QuotedPlaceholderFirst", R"("%1" -x)", kUrl, " http://example.org/"},
        CommandCase{"BarePlaceholderFirst", "%1", kUrl, " http://example.org/"},
        CommandCase{"EmptyLine", "", kUrl, " http://example.org/"},
        CommandCase{"FillsTheBufferExactly", Filler(kLongestCommand - 1 - kUrl.size()), kUrl,
                    Filler(kLongestCommand - 1 - kUrl.size()) + " " + kUrl},
        CommandCase{"OneByteOver", Filler(kLongestCommand - kUrl.size()), kUrl, std::nullopt},
        // Only what is kept counts: the text after the placeholder is dropped before the fit.
        CommandCase{"LongTailAfterPlaceholder", "b.exe %1" + Filler(kCommandLineBufferSize), kUrl,
                    "b.exe  http://example.org/"},
        CommandCase{"TargetAloneTooLong", "b.exe", Filler(kLongestCommand), std::nullopt},
        CommandCase{"ZeroByteInTarget", "b.exe", std::string("http://a\0b", 10), std::nullopt},
        CommandCase{"ZeroByteInLine", std::string("b.exe\0 %1", 9), kUrl, std::nullopt}),
    [](const ::testing::TestParamInfo<CommandCase>& param_info) { return param_info.param.name; });

// --- OpenLinkTarget --------------------------------------------------------------------------

// A shell and registry that answer as set up and write down every call. Keys are HKCR
// subkeys; a missing entry cannot be opened. RegQueryValueA behaves as Windows does: a value
// that does not fit leaves the buffer filled with unterminated bytes and ERROR_MORE_DATA.
class FakeShellAndRegistry final : public LinkOpenApi {
 public:
  static constexpr long kErrorFileNotFound = 2;
  static constexpr long kErrorMoreData = 234;
  static constexpr std::intptr_t kSeErrFileNotFound = 2;

  struct Key {
    std::optional<std::string> default_value;  // nullopt: the query fails as not found
    bool stored_without_terminator = false;
  };

  std::intptr_t shell_result = kSeErrFileNotFound;
  std::uint32_t win_exec_result = 33;
  std::map<std::string, Key> keys;
  std::vector<std::string> calls;
  std::set<RegistryKey> open_keys;

  std::intptr_t ShellExecuteA(void* window, const char* verb, const char* file,
                              const char* parameters, const char* directory,
                              int show_command) override {
    calls.push_back("ShellExecuteA(" + Text(window) + ", " + Text(verb) + ", " + Text(file) + ", " +
                    Text(parameters) + ", " + Text(directory) + ", " +
                    std::to_string(show_command) + ")");
    return shell_result;
  }

  long RegOpenKeyExA(RegistryKey key, const char* subkey, std::uint32_t options,
                     std::uint32_t desired_access, RegistryKey* result) override {
    const std::string root = key == kHkeyClassesRoot ? "HKCR" : std::to_string(key);
    calls.push_back("RegOpenKeyExA(" + root + ", " + Text(subkey) + ", " + std::to_string(options) +
                    ", " + std::to_string(desired_access) + ")");
    if (key != kHkeyClassesRoot || subkey == nullptr || !keys.contains(subkey)) {
      return kErrorFileNotFound;
    }
    names_.push_back(subkey);
    *result = names_.size();  // never 0, and distinct per opening
    open_keys.insert(*result);
    return 0;
  }

  long RegQueryValueA(RegistryKey key, const char* subkey, char* value,
                      std::int32_t* value_size) override {
    const std::string& name = Name(key);
    calls.push_back("RegQueryValueA(" + name + ", " + Text(subkey) + ", " +
                    std::to_string(*value_size) + ")");
    const Key& entry = keys.at(name);
    const auto room = static_cast<std::size_t>(*value_size);
    if (!entry.default_value) {
      std::fill_n(value, room, kJunk);
      return kErrorFileNotFound;
    }
    const std::string& data = *entry.default_value;
    const std::size_t stored = data.size() + (entry.stored_without_terminator ? 0 : 1);
    if (stored > room) {
      std::memcpy(value, data.data(), room);
      *value_size = static_cast<std::int32_t>(stored);
      return kErrorMoreData;
    }
    std::memcpy(value, data.c_str(), stored);
    *value_size = static_cast<std::int32_t>(stored);
    return 0;
  }

  long RegCloseKey(RegistryKey key) override {
    calls.push_back("RegCloseKey(" + Name(key) + ")");
    open_keys.erase(key);
    return 0;
  }

  std::uint32_t WinExec(const char* command_line, std::uint32_t show_command) override {
    calls.push_back("WinExec(" + Text(command_line) + ", " + std::to_string(show_command) + ")");
    return win_exec_result;
  }

  int CountCalls(std::string_view prefix) const {
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [&](const std::string& c) { return c.starts_with(prefix); }));
  }

 private:
  static constexpr char kJunk = 'J';

  static std::string Text(const void* pointer) { return pointer == nullptr ? "null" : "window"; }
  static std::string Text(const char* text) { return text == nullptr ? "null" : text; }

  const std::string& Name(RegistryKey key) const { return names_.at(key - 1); }

  std::vector<std::string> names_;
};

const std::string kCommandKey = R"(htmlfile\shell\open\command)";
const std::string kBrowser = R"("C:\Browser\browser.exe" "%1")";

class OpenLinkTargetTest : public ::testing::Test {
 protected:
  OpenLinkTargetTest() {
    api_.keys[".htm"] = {"htmlfile"};
    api_.keys[kCommandKey] = {kBrowser};
  }

  // Every failure must leave the keys closed and start nothing.
  void ExpectFailedWithoutRunning() {
    EXPECT_FALSE(OpenLinkTarget(api_, kUrl, kSwShow));
    EXPECT_EQ(api_.CountCalls("WinExec("), 0);
    EXPECT_TRUE(api_.open_keys.empty());
  }

  FakeShellAndRegistry api_;
};

TEST_F(OpenLinkTargetTest, NoTargetMakesNoCall) {
  EXPECT_FALSE(OpenLinkTarget(api_, "", kSwShow));
  EXPECT_TRUE(api_.calls.empty());
}

TEST_F(OpenLinkTargetTest, ShellSuccessEndsTheAttempt) {
  api_.shell_result = link_api::kLastErrorResult + 1;
  EXPECT_TRUE(OpenLinkTarget(api_, kUrl, kSwShow));
  EXPECT_EQ(api_.calls, std::vector<std::string>{
                            "ShellExecuteA(null, open, http://example.org/, null, null, 5)"});
}

TEST_F(OpenLinkTargetTest, ShellFailureRunsTheAssociatedCommand) {
  api_.shell_result = link_api::kLastErrorResult;  // 32 is still an error code
  EXPECT_TRUE(OpenLinkTarget(api_, kUrl, kSwShow));
  const std::vector<std::string> expected = {
      "ShellExecuteA(null, open, http://example.org/, null, null, 5)",
      "RegOpenKeyExA(HKCR, .htm, 0, 1)",
      "RegQueryValueA(.htm, null, 260)",
      "RegCloseKey(.htm)",
      "RegOpenKeyExA(HKCR, " + kCommandKey + ", 0, 1)",
      "RegQueryValueA(" + kCommandKey + ", null, 260)",
      "RegCloseKey(" + kCommandKey + ")",
      R"(WinExec("C:\Browser\browser.exe"  http://example.org/, 5))",
  };
  EXPECT_EQ(api_.calls, expected);
}

TEST_F(OpenLinkTargetTest, WinExecResultDecides) {
  for (const std::uint32_t result : {0u, 2u, 32u}) {
    api_.win_exec_result = result;
    EXPECT_FALSE(OpenLinkTarget(api_, kUrl, kSwShow)) << result;
  }
  api_.win_exec_result = 33;
  EXPECT_TRUE(OpenLinkTarget(api_, kUrl, kSwShow));
  EXPECT_TRUE(api_.open_keys.empty());
}

TEST_F(OpenLinkTargetTest, HtmKeyThatCannotBeOpenedFails) {
  api_.keys.erase(".htm");
  ExpectFailedWithoutRunning();
  EXPECT_EQ(api_.CountCalls("RegOpenKeyExA("), 1);
}

TEST_F(OpenLinkTargetTest, CommandKeyThatCannotBeOpenedFails) {
  api_.keys.erase(kCommandKey);
  ExpectFailedWithoutRunning();
}

// Values that cannot be read whole, and names or commands that would not fit: the fallback
// runs nothing rather than a command built from a cut-off or undefined buffer.
struct BadAssociationCase {
  const char* name;
  std::string type_key;  // the file type whose command key the registry holds
  FakeShellAndRegistry::Key htm;
  FakeShellAndRegistry::Key command;
};

class BadAssociationTest : public ::testing::TestWithParam<BadAssociationCase> {};

TEST_P(BadAssociationTest, FailsWithoutRunningAndClosesTheKeys) {
  const BadAssociationCase& c = GetParam();
  FakeShellAndRegistry api;
  api.keys[".htm"] = c.htm;
  api.keys[c.type_key + R"(\shell\open\command)"] = c.command;
  EXPECT_FALSE(OpenLinkTarget(api, kUrl, kSwShow));
  EXPECT_EQ(api.CountCalls("WinExec("), 0);
  EXPECT_TRUE(api.open_keys.empty());
  EXPECT_EQ(api.CountCalls("RegOpenKeyExA("), api.CountCalls("RegCloseKey("));
}

constexpr std::size_t kLongestValue = kRegistryValueBufferSize - 1;
constexpr std::size_t kSuffixSize = std::string_view(R"(\shell\open\command)").size();
const std::string kTooLongTypeName(kLongestValue - kSuffixSize + 1, 't');

INSTANTIATE_TEST_SUITE_P(
    , BadAssociationTest,
    ::testing::Values(
        BadAssociationCase{"TypeMissing", "htmlfile", {std::nullopt}, {kBrowser}},
        BadAssociationCase{"TypeEmpty", "", {""}, {kBrowser}},
        BadAssociationCase{"TypeLongerThanBuffer", "t", {std::string(300, 't')}, {kBrowser}},
        BadAssociationCase{
            "TypeUnterminated", "t", {std::string(kRegistryValueBufferSize, 't'), true}, {"b"}},
        BadAssociationCase{
            "CommandKeyNameTooLong", kTooLongTypeName, {kTooLongTypeName}, {kBrowser}},
        BadAssociationCase{"CommandMissing", "htmlfile", {"htmlfile"}, {std::nullopt}},
        BadAssociationCase{"CommandEmpty", "htmlfile", {"htmlfile"}, {""}},
        BadAssociationCase{"CommandLongerThanBuffer",
                           "htmlfile",
                           {"htmlfile"},
                           {"b.exe " + std::string(kRegistryValueBufferSize, 'a')}}),
    [](const ::testing::TestParamInfo<BadAssociationCase>& param_info) {
      return param_info.param.name;
    });

// The limits themselves are usable: a type name whose command key just fits, and a command
// line of the longest readable value, with a target that fills the command buffer exactly.
// One byte more of target and the command would not fit: nothing is run.
TEST(OpenLinkTargetLimitsTest, ValuesAtTheLimitsAreUsed) {
  const std::string type(kLongestValue - kSuffixSize, 't');
  const std::string command_line(kLongestValue, 'b');
  const std::string target(kCommandLineBufferSize - 1 - kLongestValue - 1, 'u');
  FakeShellAndRegistry api;
  api.keys[".htm"] = {type};
  api.keys[type + R"(\shell\open\command)"] = {command_line};
  EXPECT_TRUE(OpenLinkTarget(api, target, kSwShow));
  EXPECT_EQ(api.calls.back(), "WinExec(" + command_line + " " + target + ", 5)");

  api.calls.clear();
  EXPECT_FALSE(OpenLinkTarget(api, target + "u", kSwShow));
  EXPECT_EQ(api.CountCalls("WinExec("), 0);
  EXPECT_TRUE(api.open_keys.empty());
}

// Windows reads the target up to its first zero byte; the fallback passes that same address.
TEST_F(OpenLinkTargetTest, TargetIsReadUpToItsFirstZeroByte) {
  EXPECT_TRUE(OpenLinkTarget(api_, std::string("http://a/\0http://b/", 19), kSwShow));
  EXPECT_EQ(api_.calls.front(), "ShellExecuteA(null, open, http://a/, null, null, 5)");
  EXPECT_EQ(api_.calls.back(), R"(WinExec("C:\Browser\browser.exe"  http://a/, 5))");
}

}  // namespace
}  // namespace orvenal
