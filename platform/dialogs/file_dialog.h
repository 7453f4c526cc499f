#pragma once

#include <string>

#include "platform/components/component.h"

// The open and save dialogs: Execute shows a modal box of our own that lists
// the sub-folders and the files of a folder that fit the chosen filter
// (letters compared without regard to case), lets the player pick a file or
// type a name, and moves between folders (a folder row opened by a double
// click or Enter, ".." going up). It returns true when the player confirmed,
// with FileName the full path of the chosen file. A name it cannot take (none,
// one holding "/", "*", "?" or a control character, or a file to open that is
// not there) stays in the box with a line below saying why, until the name is
// changed. Names are UTF-8 on disk and in FileName, and shown and typed as the
// game's own texts.
//
// The form is named "FileDialog"; its controls are "FolderLabel", "FileList",
// "FileNameEdit", "FilterList", "ProblemLabel", "OK" and "Cancel".
class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner = nullptr) : TComponent(owner) {}

  // "description|mask|description|mask", as "gmr|*.gmr|gms|*.gms".
  std::string Filter;
  int FilterIndex = 1;  // counted from 1
  std::string InitialDir;
  std::string FileName;
  std::string Title;
  // Added to a typed name without an extension.
  std::string DefaultExt;

  bool Execute();

 protected:
  // An open dialog confirms only a file that exists; a save dialog any name.
  virtual bool MustExist() const { return true; }
  virtual std::string DefaultTitle() const { return "Open"; }
};

class TSaveDialog : public TOpenDialog {
 public:
  explicit TSaveDialog(TComponent* owner = nullptr) : TOpenDialog(owner) {}

 protected:
  bool MustExist() const override { return false; }
  std::string DefaultTitle() const override { return "Save As"; }
};
