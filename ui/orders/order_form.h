#pragma once
// The form every order dialog is built on: borderless, centred on the main
// window, its picture (Image1) filling it, and its controls made by name so
// that code and tests find them as the dialog's design names them.
#include <span>
#include <string>
#include <vector>

#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/forms/form.h"

class TNewRadBox;

class TOrderForm : public TForm {
 public:
  // `form_class` names the dialog (TSelecDlg, ...) and chooses its picture.
  TOrderForm(const std::string& form_class, int width, int height);

  TImage* Image1;

  // Where the design puts its label LabelN: one line high, `width` wide.
  struct LabelPlace {
    int label, left, top, width;
  };
  // Where a column of a table stands: its heading and each of its cells
  // share the column's left edge and width.
  struct Column {
    int left, width;
  };

 protected:
  // The design numbers its controls: Numbered("Label", 7) is "Label7".
  static std::string Numbered(const char* stem, int n) { return stem + std::to_string(n); }
  // The design's label LabelN.
  TLabel* Label(int n) const { return FindOwned<TLabel>(*this, Numbered("Label", n)); }

  // A control owned by the form and placed inside `parent` (a group box or panel).
  template <class T>
  T* AddChild(TWinControl* parent, const std::string& name, int left, int top, int width,
              int height) {
    T* control = AddControl<T>(name, left, top, width, height);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
  }
  // A caption the design pads with spaces to line its colon up with the
  // others of its column in its own font: kept as the design gives it and
  // drawn flush right, so that the colons of a column of them end in one
  // pixel column in any font.
  TLabel* AddPaddedCaption(const std::string& name, int left, int top, int width,
                           const std::string& caption);
  // The design's labels, each made at its place on the form.
  void AddLabels(std::span<const LabelPlace> places);
  // A heading over each column, one line high at `top`: the design's label
  // `first` over the first column and HeadingN over the Nth.
  std::vector<TLabel*> AddHeadings(const std::string& first, std::span<const Column> columns,
                                   int top);
  // The design gives a table one line of headings, lined up with spaces for
  // its own font; each heading of the line (parted by a run of spaces, a
  // single space staying within a heading) goes to its own label, in order,
  // and a label past the line's last heading shows nothing.
  static void ShowHeadings(std::span<TLabel* const> labels, const std::string& line);
  // A label that keeps its place and size whatever its text, drawn over the picture.
  TLabel* AddLabel(TWinControl* parent, const std::string& name, int left, int top, int width,
                   int height);
  // A bitmap group box has no background of its own: it is given the part of
  // the form's picture it covers, so that it looks transparent.
  void GiveBackgroundTo(TNewRadBox& box) const;
};
