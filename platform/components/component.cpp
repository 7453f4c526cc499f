#include "platform/components/component.h"

#include <algorithm>

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  destroying_ = true;
  // Listeners learn of the removal while this object can still be compared
  // against their references.
  while (!listeners_.empty()) {
    TComponent* listener = listeners_.back();
    listeners_.pop_back();
    Erase(listener->listeners_, this);
    listener->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
  destroying_ = true;
  while (!components_.empty()) delete components_.back();
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : components_) {
    if (component->name_ == name) return component;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component->owner_) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component->owner_ != this) return;
  Notification(component, TOperation::opRemove);
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(listeners_.begin(), listeners_.end(), component) != listeners_.end()) return;
  listeners_.push_back(component);
  component->listeners_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  Erase(listeners_, component);
  Erase(component->listeners_, this);
}

void TComponent::BeginLoad() {
  loading_ = true;
  for (TComponent* component : components_) component->BeginLoad();
}

void TComponent::EndLoad() {
  for (TComponent* component : components_) component->EndLoad();
  loading_ = false;
  Loaded();
}

// The owner passes every arrival and departure on to all it owns, so that
// siblings on one form hear of each other without asking.
void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove) RemoveFreeNotification(component);
  for (TComponent* owned : components_) owned->Notification(component, operation);
}
