// Setting, saving and restoring the HKEY_CLASSES_ROOT keys of the link cases.
#include "tests/ui/link_associations.h"

#include <windows.h>

#include <array>

#include "tests/ui/check.h"

namespace orvenal::ui_test {
namespace {

constexpr char kSavedRoot[] = "Software\\Orvenal UI driver, saved classes";
// Set on the copy once every key is in it; a copy without it was cut short before anything
// in HKEY_CLASSES_ROOT changed, and is taken again.
constexpr char kCompleteValue[] = "complete";
constexpr std::array<std::string_view, 2> kWebProtocols{"http", "https"};
constexpr std::string_view kHtmExtension = ".htm";
constexpr std::array<std::string_view, 4> kTouchedKeys{"http", "https", ".htm", kTestPageType};
constexpr std::string_view kOpenCommandPath = "\\shell\\open\\command";

class Key {
 public:
  Key() = default;
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  ~Key() {
    if (hkey_ != nullptr) {
      ::RegCloseKey(hkey_);
    }
  }
  HKEY* out() { return &hkey_; }
  HKEY get() const { return hkey_; }

 private:
  HKEY hkey_ = nullptr;
};

void Check(LONG result, std::string_view what) {
  if (result != ERROR_SUCCESS) {
    throw CaseAborted("registry: cannot " + std::string(what) + ", error " +
                      std::to_string(result));
  }
}

bool Exists(HKEY root, const std::string& path) {
  Key key;
  return ::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.out()) == ERROR_SUCCESS;
}

void Delete(HKEY root, const std::string& path) {
  const LONG result = ::RegDeleteTreeA(root, path.c_str());
  if (result != ERROR_FILE_NOT_FOUND) {
    Check(result, "delete " + path);
  }
}

void CreateKey(HKEY root, const std::string& path, Key& key) {
  Check(::RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, key.out(), nullptr),
        "create " + path);
}

void SetString(HKEY root, const std::string& path, const char* name, std::string_view value) {
  Key key;
  CreateKey(root, path, key);
  const std::string text(value);
  Check(::RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1)),
        "write " + path);
}

void CopyTree(HKEY from_root, const std::string& from, HKEY to_root, const std::string& to) {
  Key source;
  Check(::RegOpenKeyExA(from_root, from.c_str(), 0, KEY_READ, source.out()), "open " + from);
  Key target;
  CreateKey(to_root, to, target);
  Check(::RegCopyTreeA(source.get(), nullptr, target.get()), "copy " + from + " to " + to);
}

std::string SavedPath(std::string_view name) {
  return std::string(kSavedRoot) + "\\" + std::string(name);
}

bool SavedCopyComplete() {
  Key saved;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, kSavedRoot, 0, KEY_READ, saved.out()) != ERROR_SUCCESS) {
    return false;
  }
  return ::RegQueryValueExA(saved.get(), kCompleteValue, nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

}  // namespace

ClassesRoot::ClassesRoot() {
  if (SavedCopyComplete()) {
    return;
  }
  Delete(HKEY_CURRENT_USER, kSavedRoot);
  Key saved;
  CreateKey(HKEY_CURRENT_USER, kSavedRoot, saved);
  for (std::string_view name : kTouchedKeys) {
    if (Exists(HKEY_CLASSES_ROOT, std::string(name))) {
      CopyTree(HKEY_CLASSES_ROOT, std::string(name), HKEY_CURRENT_USER, SavedPath(name));
    }
  }
  SetString(HKEY_CURRENT_USER, kSavedRoot, kCompleteValue, "");
}

// Best effort: a destructor cannot report, and a key left over is put back by the next run.
ClassesRoot::~ClassesRoot() {
  try {
    for (std::string_view name : kTouchedKeys) {
      Delete(HKEY_CLASSES_ROOT, std::string(name));
      if (Exists(HKEY_CURRENT_USER, SavedPath(name))) {
        CopyTree(HKEY_CURRENT_USER, SavedPath(name), HKEY_CLASSES_ROOT, std::string(name));
      }
    }
    Delete(HKEY_CURRENT_USER, kSavedRoot);
  } catch (const CaseAborted&) {
  }
}

void ClassesRoot::Set(const Associations& wanted) {
  for (std::string_view name : kTouchedKeys) {
    Delete(HKEY_CLASSES_ROOT, std::string(name));
  }
  if (wanted.web_command) {
    for (std::string_view protocol : kWebProtocols) {
      // "URL Protocol" marks the key as a protocol handler, as a browser's installer leaves it.
      SetString(HKEY_CLASSES_ROOT, std::string(protocol), "URL Protocol", "");
      SetString(HKEY_CLASSES_ROOT, std::string(protocol) + std::string(kOpenCommandPath), nullptr,
                *wanted.web_command);
    }
  }
  const HtmlAssociation& html = wanted.html;
  if (html.htm_key) {
    Key htm;
    CreateKey(HKEY_CLASSES_ROOT, std::string(kHtmExtension), htm);
    if (html.type_name) {
      SetString(HKEY_CLASSES_ROOT, std::string(kHtmExtension), nullptr, *html.type_name);
    }
  }
  if (html.open_command) {
    SetString(HKEY_CLASSES_ROOT, std::string(kTestPageType) + std::string(kOpenCommandPath),
              nullptr, *html.open_command);
  }
}

}  // namespace orvenal::ui_test
