#include "platform/dialogs/file_dialog.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "platform/dialogs/file_mask.h"
#include "platform/forms/form.h"
#include "platform/services/file_lookup.h"
#include "platform/text/cp1252.h"
#include "platform/text/letter_case.h"

namespace fs = std::filesystem;

namespace {

struct TFolderEntry {
  std::string name;
  bool folder;
};

// The sub-folders (".." first, unless at the root) and then the files that
// fit `mask`, each group in alphabetical order. An unreadable folder lists
// only its way up.
std::vector<TFolderEntry> ListFolder(const fs::path& folder, const std::string& mask) {
  std::vector<TFolderEntry> folders;
  std::vector<TFolderEntry> files;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code kind_error;
    if (it->is_directory(kind_error)) {
      folders.push_back({name, true});
    } else if (MatchesMask(name, mask)) {
      files.push_back({name, false});
    }
  }
  auto by_name = [](const TFolderEntry& a, const TFolderEntry& b) {
    return LessIgnoringCase(a.name, b.name);
  };
  std::sort(folders.begin(), folders.end(), by_name);
  std::sort(files.begin(), files.end(), by_name);
  std::vector<TFolderEntry> entries;
  if (folder.has_parent_path() && folder.parent_path() != folder) entries.push_back({"..", true});
  entries.insert(entries.end(), folders.begin(), folders.end());
  entries.insert(entries.end(), files.begin(), files.end());
  return entries;
}

// Names on disk are UTF-8; the dialog shows them as the game's font draws its
// own texts, and a name it cannot show so as its bytes stand.
std::string ShownName(const std::string& name) {
  return Cp1252OfUtf8(name).value_or(name);
}

bool IsControlCharacter(char c) {
  const char32_t code = Cp1252ToUnicode(static_cast<unsigned char>(c));
  return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

// Why a typed name cannot be a file's name in the shown folder; empty when it can.
std::string ProblemOfName(const std::string& name) {
  if (name.empty()) return "Type a name for the file.";
  if (name.find('/') != std::string::npos) return "A name cannot hold \"/\"; open folders from the list.";
  if (name.find_first_of("*?") != std::string::npos) return "A name cannot hold \"*\" or \"?\".";
  if (std::any_of(name.begin(), name.end(), IsControlCharacter)) {
    return "A name cannot hold control characters.";
  }
  return "";
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class TFileDialogForm : public TForm {
 public:
  TFileDialogForm(const std::string& title, std::vector<TFileFilter> filters, int filter_index,
                  bool must_exist, std::string default_ext)
      : TForm(nullptr),
        filters_(std::move(filters)),
        must_exist_(must_exist),
        default_ext_(std::move(default_ext)) {
    SetName("FileDialog");
    SetCaption(title);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    Position = TPosition::poScreenCenter;
    SetClientSize(420, 314);
    if (filters_.empty()) filters_.push_back({"All files", "*"});
    filter_ = std::clamp(filter_index - 1, 0, static_cast<int>(filters_.size()) - 1);

    folder_label_ = AddControl<TLabel>("FolderLabel", 8, 8, 404, 16);
    folder_label_->SetAutoSize(false);
    folder_label_->SetShowAccelChar(false);
    file_list_ = AddControl<TListBox>("FileList", 8, 28, 404, 180);
    AddControl<TLabel>("FileNameLabel", 8, 219, 70, 16)->SetCaption("File name:");
    name_edit_ = AddControl<TEdit>("FileNameEdit", 92, 216, 236, 21);
    AddControl<TLabel>("FilterLabel", 8, 248, 80, 16)->SetCaption("Files of type:");
    filter_list_ = AddControl<TListBox>("FilterList", 92, 246, 236, 38);
    problem_label_ = AddControl<TLabel>("ProblemLabel", 8, 292, 404, 16);
    problem_label_->SetAutoSize(false);
    problem_label_->SetShowAccelChar(false);
    auto* ok = AddControl<TButton>("OK", 337, 214, 75, 25);
    ok->SetCaption(must_exist_ ? "Open" : "Save");
    ok->SetDefault(true);
    auto* cancel = AddControl<TButton>("Cancel", 337, 246, 75, 25);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);

    for (const TFileFilter& filter : filters_) filter_list_->Items().Add(filter.description);
    filter_list_->SetItemIndex(filter_);
    file_list_->OnClick = [this](TComponent*) { RowChosen(); };
    file_list_->OnDblClick = [this](TComponent*) { OpenRow(); };
    filter_list_->OnClick = [this](TComponent*) { FilterChosen(); };
    ok->OnClick = [this](TComponent*) { Confirm(); };
    // The reason a name was refused is about that name: any change to it
    // takes the reason away, so it never stands under a name it does not fit.
    name_edit_->OnChange = [this](TComponent*) { problem_label_->SetCaption(""); };
    SetActiveControl(name_edit_);
  }

  void Start(const fs::path& folder, const std::string& name) {
    name_edit_->SetText(ShownName(name));
    Navigate(folder);
  }
  const fs::path& Chosen() const { return chosen_; }
  int FilterIndex() const { return filter_ + 1; }

 private:
  void Navigate(const fs::path& folder) {
    std::error_code error;
    fs::path target = fs::weakly_canonical(folder, error);
    if (error || !fs::is_directory(target, error)) return;
    folder_ = target;
    folder_label_->SetCaption(ShownName(folder_.string()));
    problem_label_->SetCaption("");
    Refill();
  }

  void Refill() {
    entries_ = ListFolder(folder_, filters_[filter_].mask);
    file_list_->Items().Clear();
    for (const TFolderEntry& entry : entries_) {
      const std::string shown = ShownName(entry.name);
      file_list_->Items().Add(entry.folder ? "[" + shown + "]" : shown);
    }
    file_list_->SetTopIndex(0);
  }

  const TFolderEntry* SelectedEntry() const {
    const int row = file_list_->ItemIndex();
    return row >= 0 && row < static_cast<int>(entries_.size()) ? &entries_[row] : nullptr;
  }

  void RowChosen() {
    const TFolderEntry* entry = SelectedEntry();
    if (entry && !entry->folder) name_edit_->SetText(ShownName(entry->name));
  }

  void OpenRow() {
    const TFolderEntry* entry = SelectedEntry();
    if (!entry) return;
    if (entry->folder) {
      Navigate(folder_ / entry->name);
    } else {
      name_edit_->SetText(ShownName(entry->name));
      Confirm();
    }
  }

  void FilterChosen() {
    const int row = filter_list_->ItemIndex();
    if (row < 0 || row == filter_) return;
    filter_ = row;
    Refill();
  }

  // The name on disk of a typed name: a listed file's own name when the name
  // is shown so in the list, otherwise the typed text in UTF-8.
  std::string NameOnDisk(const std::string& typed) const {
    for (const TFolderEntry& entry : entries_) {
      if (!entry.folder && ShownName(entry.name) == typed) return entry.name;
    }
    return Utf8OfCp1252(typed);
  }

  // A name that cannot be confirmed stays in the box, with the reason below it.
  void Refuse(const std::string& problem) { problem_label_->SetCaption(problem); }

  // Enter or the OK button: a folder opens, a fitting file closes the box.
  void Confirm() {
    const TFolderEntry* entry = SelectedEntry();
    if (file_list_->Focused() && entry && entry->folder) {
      OpenRow();
      return;
    }
    const std::string typed = Trimmed(name_edit_->Text());
    if (const std::string problem = ProblemOfName(typed); !problem.empty()) {
      Refuse(problem);
      return;
    }
    fs::path path = folder_ / NameOnDisk(typed);
    std::error_code error;
    if (fs::is_directory(path, error)) {
      name_edit_->SetText("");
      Navigate(path);
      return;
    }
    if (!path.has_extension() && !default_ext_.empty()) path += "." + default_ext_;
    if (auto found = ResolveFileName(path.parent_path(), path.filename().string())) path = *found;
    if (must_exist_ && !fs::is_regular_file(path, error)) {
      Refuse("There is no file " + ShownName(path.filename().string()) + " in this folder.");
      return;
    }
    if (!fs::is_directory(folder_, error)) {
      Refuse("This folder is gone; choose another.");
      return;
    }
    chosen_ = path;
    SetModalResult(mrOk);
  }

  std::vector<TFileFilter> filters_;
  int filter_ = 0;
  bool must_exist_;
  std::string default_ext_;
  fs::path folder_;
  fs::path chosen_;
  std::vector<TFolderEntry> entries_;
  TLabel* folder_label_;
  TListBox* file_list_;
  TEdit* name_edit_;
  TListBox* filter_list_;
  TLabel* problem_label_;
};

}  // namespace

bool TOpenDialog::Execute() {
  fs::path folder = InitialDir.empty() ? fs::path(FileName).parent_path() : fs::path(InitialDir);
  std::error_code error;
  if (folder.empty() || !fs::is_directory(folder, error)) folder = fs::current_path(error);
  TFileDialogForm form(Title.empty() ? DefaultTitle() : Title, ParseFilter(Filter), FilterIndex,
                       MustExist(), DefaultExt);
  form.Start(folder, fs::path(FileName).filename().string());
  if (form.ShowModal() != mrOk) return false;
  FileName = form.Chosen().string();
  FilterIndex = form.FilterIndex();
  return true;
}
