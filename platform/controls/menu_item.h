#pragma once

#include <string>
#include <vector>

#include "platform/components/component.h"
#include "platform/components/events.h"

// One command of a menu, or a submenu when it holds items. Items belong to
// the form (so a form finds them by name) and hang in a tree of parents and
// children. A caption "-" makes a separator line.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool IsLine() const { return caption_ == "-"; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_[index]; }
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  // The direct child whose caption, without "&", is `caption`.
  TMenuItem* Find(const std::string& caption) const;
  // Whether the user can choose it: visible, enabled and no line.
  bool Selectable() const { return visible_ && enabled_ && !IsLine(); }

  // The user's choice, also callable from code: runs OnClick only when the
  // item is enabled.
  void Click();

  TNotifyEvent OnClick;

 private:
  std::string caption_;
  bool enabled_ = true;
  bool checked_ = false;
  bool visible_ = true;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
};

// Makes an item with a name and caption under `parent`, owned by `owner`.
TMenuItem* NewMenuItem(TComponent* owner, TMenuItem* parent, const std::string& name,
                       const std::string& caption);
