// Every dialog of the game is opened and closed again by the headless dialog
// tests. The list of dialogs comes from the code: each form class declared in
// the window's folders that no other form is built on, with the notice form
// standing for every design of the notice table. The tests that open dialogs
// log each one (see the headless backend); ctest runs them before this one.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "world/notice_forms.h"

namespace {

namespace fs = std::filesystem;

// Where the dialogs live: the main window's, order and battle folders, and the
// standard message and file dialogs.
const char* const kDialogFolders[] = {"ui", "platform/dialogs"};
// A form of those folders that is no dialog: the main window.
const std::set<std::string> kNotDialogs = {"TGMRSDI"};
// One class shows every notice design; the designs count one by one.
const std::string kNoticeClass = "TNoticeForm";

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The words and the single punctuation marks of a source text, in order.
std::vector<std::string> Tokens(const std::string& text) {
  const auto in_word = [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  };
  std::vector<std::string> tokens;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t end = i + 1;
    if (in_word(text[i])) {
      while (end < text.size() && in_word(text[end])) ++end;
    }
    if (!std::isspace(static_cast<unsigned char>(text[i])))
      tokens.push_back(text.substr(i, end - i));
    i = end;
  }
  return tokens;
}

// Each class of the folders' sources mapped to its first base: the words
// after "class Name [final] : [public]".
std::map<std::string, std::string> DeclaredBases() {
  std::map<std::string, std::string> bases;
  for (const char* folder : kDialogFolders) {
    const fs::path root = fs::path(GRAYMARCH_SOURCE_DIR) / folder;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      const auto extension = entry.path().extension();
      if (extension != ".h" && extension != ".cpp") continue;
      const std::vector<std::string> tokens = Tokens(ReadFile(entry.path()));
      for (std::size_t t = 0; t + 3 < tokens.size(); ++t) {
        if (tokens[t] != "class" && tokens[t] != "struct") continue;
        std::size_t at = t + 2;
        if (tokens[at] == "final") ++at;
        if (at + 2 >= tokens.size() || tokens[at] != ":") continue;
        if (tokens[++at] == "public") ++at;
        bases[tokens[t + 1]] = tokens[at];
      }
    }
  }
  return bases;
}

bool IsForm(const std::map<std::string, std::string>& bases, std::string name) {
  for (auto base = bases.find(name); base != bases.end(); base = bases.find(name)) {
    name = base->second;
    if (name == "TForm") return true;
  }
  return false;
}

// The form classes no other form is built on, less the main window and the
// notice form, whose designs are listed on their own.
std::set<std::string> DialogClasses() {
  const auto bases = DeclaredBases();
  std::set<std::string> classes;
  for (const auto& [name, base] : bases) {
    if (IsForm(bases, name) && !kNotDialogs.contains(name)) classes.insert(name);
  }
  for (const auto& [name, base] : bases) classes.erase(base);
  classes.erase(kNoticeClass);
  return classes;
}

std::set<std::string> NoticeDesigns() {
  std::set<std::string> designs;
  for (int kind = 0; kind <= std::numeric_limits<std::uint16_t>::max(); ++kind) {
    if (const NoticeForm* form = NoticeFormOf(kind)) designs.insert(std::string(form->form));
  }
  designs.insert(std::string(DraftRiotingForm().form));
  return designs;
}

// What the log says happened to each dialog: a class, or a notice's design.
struct DialogLog {
  std::set<std::string> opened;
  std::set<std::string> closed;
};

DialogLog ReadLog(const fs::path& path) {
  DialogLog log;
  std::ifstream file(path);
  std::string event, form_class, name;
  while (file >> event >> form_class >> name) {
    const std::string dialog = form_class == kNoticeClass ? name : form_class;
    (event == "opened" ? log.opened : log.closed).insert(dialog);
  }
  return log;
}

std::string Listed(const std::set<std::string>& names) {
  std::string list;
  for (const auto& name : names) list += "\n  " + name;
  return list;
}

TEST(DialogList, HoldsEachDialogOnceAndNoFormBase) {
  const auto classes = DialogClasses();
  const auto designs = NoticeDesigns();
  struct Row {
    const char* name;
    bool listed;
  };
  const Row rows[] = {
      {"TCorpsOrder", true},    {"TFleetOver", true},      {"TSetUp", true},
      {"Tsideselect", true},    {"Treplay1", true},        {"TFleetCbt", true},
      {"TMessageForm", true},   {"TFileDialogForm", true}, {"TOrderForm", false},
      {"TUnitOverview", false}, {"TGMRSDI", false},        {"TNoticeForm", false},
      {"TBI_Timer", false},
  };
  for (const Row& row : rows) EXPECT_EQ(classes.contains(row.name), row.listed) << row.name;
  for (const char* design : {"TStndDial", "TDraft_Rioting", "TForeign_Affairs"}) {
    EXPECT_TRUE(designs.contains(design)) << design;
  }
}

TEST(DialogCoverage, EveryDialogIsOpenedAndClosedByTheTests) {
  const fs::path log_path = GRAYMARCH_DIALOG_LOG;
  ASSERT_TRUE(fs::exists(log_path))
      << "no dialog log at " << log_path
      << ": run this test through ctest, which runs the dialog tests before it";
  const DialogLog log = ReadLog(log_path);
  auto dialogs = DialogClasses();
  dialogs.merge(NoticeDesigns());
  std::set<std::string> never_opened, never_closed;
  for (const auto& dialog : dialogs) {
    if (!log.opened.contains(dialog)) {
      never_opened.insert(dialog);
    } else if (!log.closed.contains(dialog)) {
      never_closed.insert(dialog);
    }
  }
  EXPECT_TRUE(never_opened.empty()) << "dialogs no test opens:" << Listed(never_opened);
  EXPECT_TRUE(never_closed.empty()) << "dialogs no test closes:" << Listed(never_closed);
}

}  // namespace
