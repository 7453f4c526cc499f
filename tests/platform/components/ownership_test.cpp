#include <gtest/gtest.h>

#include "platform/components/component.h"
#include "platform/components/win_control.h"

namespace {

// Counts its own destruction and remembers the last removal it heard of.
class TTracked : public TComponent {
 public:
  TTracked(TComponent* owner, int& freed) : TComponent(owner), freed_(freed) {}
  ~TTracked() override { ++freed_; }

  TComponent* watched = nullptr;
  void Watch(TComponent* other) {
    watched = other;
    FreeNotification(other);
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == watched) watched = nullptr;
  }

 private:
  int& freed_;
};

TEST(Ownership, FreeingAnOwnerFreesEverythingItOwnsOnce) {
  int freed = 0;
  auto* owner = new TTracked(nullptr, freed);
  auto* child = new TTracked(owner, freed);
  new TTracked(child, freed);
  new TTracked(owner, freed);
  EXPECT_EQ(owner->ComponentCount(), 2);

  // A child freed by hand leaves its owner, so the owner does not free it again.
  delete child;
  EXPECT_EQ(freed, 2);
  EXPECT_EQ(owner->ComponentCount(), 1);
  delete owner;
  EXPECT_EQ(freed, 4);
}

TEST(Ownership, ARemovalNoticeClearsAReferenceWhicheverSideGoesFirst) {
  int freed = 0;
  auto* watcher = new TTracked(nullptr, freed);
  auto* target = new TTracked(nullptr, freed);
  watcher->Watch(target);
  delete target;
  EXPECT_EQ(watcher->watched, nullptr);

  // The link is mutual: a watcher that goes first leaves no dangling entry.
  auto* second = new TTracked(nullptr, freed);
  watcher->Watch(second);
  delete watcher;
  delete second;
  EXPECT_EQ(freed, 3);

  // Siblings on one owner hear of each other's removal without asking.
  TTracked form(nullptr, freed);
  auto* sibling = new TTracked(&form, freed);
  auto* list = new TTracked(&form, freed);
  sibling->watched = list;
  delete list;
  EXPECT_EQ(sibling->watched, nullptr);
}

TEST(Ownership, ControlsOwnedByAFormButParentedOnAPanelAreFreedOnce) {
  auto* form = new TWinControl(nullptr);
  auto* panel = new TWinControl(form);
  panel->SetParent(form);
  auto* inner = new TWinControl(form);
  inner->SetParent(panel);
  EXPECT_EQ(form->FindComponent(""), nullptr);

  // Freeing the panel takes its child along, and the form forgets both.
  delete panel;
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_EQ(form->ControlCount(), 0);
  delete form;
}

// Counts the calls of Loaded and whether it was still loading then.
class TLoadable : public TComponent {
 public:
  using TComponent::TComponent;
  int loaded = 0;

 protected:
  void Loaded() override { loaded += Loading() ? 100 : 1; }
};

TEST(Ownership, EndingALoadTellsEveryOwnedComponentOnceLoadingIsOver) {
  TLoadable form(nullptr);
  auto* group = new TLoadable(&form);
  auto* button = new TLoadable(group);
  form.BeginLoad();
  EXPECT_TRUE(button->Loading());
  form.EndLoad();
  EXPECT_EQ(form.loaded, 1);
  EXPECT_EQ(group->loaded, 1);
  EXPECT_EQ(button->loaded, 1);
}

}  // namespace
