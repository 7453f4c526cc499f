#pragma once

#include <string>
#include <vector>

// What a component is told when another component it knows about comes or goes.
enum class TOperation { opInsert, opRemove };

// The root of everything a form holds. An owner frees what it owns; a component
// freed on its own first leaves its owner, so freeing a child by hand and then
// its form never frees the child twice.
class TComponent {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[index]; }
  TComponent* FindComponent(const std::string& name) const;

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // Asks for a removal notice when `component` is freed; the link is mutual,
  // so whichever of the two goes first tells the other.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  bool Destroying() const { return destroying_; }

  // Forms are built in code; a design is "loaded" by bracketing its set-up
  // with BeginLoad and EndLoad, which calls Loaded on the component and on
  // everything it owns.
  bool Loading() const { return loading_; }
  void BeginLoad();
  void EndLoad();

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  virtual void Loaded() {}
  // Frees every owned component now. A container calls it first in its
  // destructor, so that its children still find it whole while they leave.
  void DestroyComponents();
  void MarkDestroying() { destroying_ = true; }

 private:
  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> listeners_;
  bool destroying_ = false;
  bool loading_ = false;
};

// Finds an owned component by name and type, or nullptr.
template <class T>
T* FindOwned(const TComponent& owner, const std::string& name) {
  return dynamic_cast<T*>(owner.FindComponent(name));
}
