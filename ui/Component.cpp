#include "ui/Component.h"

#include "ui/Exception.h"

#include <algorithm>

namespace ui {

namespace {

QString NameKey(const QString& Name) { return Name.toCaseFolded(); }

[[noreturn]] void RaiseDuplicateName(const QString& Name) {
  throw Exception(QStringLiteral("Komponenta se jménem %1 již existuje.").arg(Name));
}

} // namespace

TComponent::TComponent(TComponent* Owner) {
  if (Owner) Owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  NotifyRemoval();
  // Free owned components, last first; each removes itself from the list.
  while (!FComponents.empty()) {
    TComponent* c = FComponents.back();
    delete c;
    if (!FComponents.empty() && FComponents.back() == c) FComponents.pop_back();
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::NotifyRemoval() {
  if (FRemovalSent) return;
  FRemovalSent = true;
  // Those who asked for a notification forget us and we forget them.
  std::vector<TComponent*> others;
  others.swap(FFreeNotifies);
  for (TComponent* c : others) {
    auto& list = c->FFreeNotifies;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (c->FOwner != FOwner || !FOwner) c->Notification(this, TOperation::opRemove);
  }
  if (FOwner) FOwner->Notification(this, TOperation::opRemove);
}

TComponent* TComponent::FindComponent(const QString& Name) const {
  if (Name.isEmpty()) return nullptr;
  return FNames.value(NameKey(Name), nullptr);
}

void TComponent::SetName(const QString& Value) {
  if (Value == FName) return;
  if (FOwner && !Value.isEmpty()) {
    TComponent* other = FOwner->FindComponent(Value);
    if (other && other != this) RaiseDuplicateName(Value);
  }
  if (FOwner && !FName.isEmpty()) FOwner->FNames.remove(NameKey(FName));
  FName = Value;
  if (FOwner && !FName.isEmpty()) FOwner->FNames.insert(NameKey(FName), this);
}

void TComponent::InsertComponent(TComponent* Component) {
  if (!Component || Component->FOwner == this) return;
  if (!Component->FName.isEmpty() && FindComponent(Component->FName)) RaiseDuplicateName(Component->FName);
  if (Component->FOwner) Component->FOwner->RemoveComponent(Component);
  FComponents.push_back(Component);
  if (!Component->FName.isEmpty()) FNames.insert(NameKey(Component->FName), Component);
  Component->FOwner = this;
  Notification(Component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* Component) {
  auto it = std::find(FComponents.begin(), FComponents.end(), Component);
  if (it == FComponents.end()) return;
  FComponents.erase(it);
  if (!Component->FName.isEmpty()) {
    auto named = FNames.find(NameKey(Component->FName));
    if (named != FNames.end() && named.value() == Component) FNames.erase(named);
  }
  Component->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* Component) {
  if (!Component || Component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), Component) == FFreeNotifies.end())
    FFreeNotifies.push_back(Component);
  if (std::find(Component->FFreeNotifies.begin(), Component->FFreeNotifies.end(), this) ==
      Component->FFreeNotifies.end())
    Component->FFreeNotifies.push_back(this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == TOperation::opRemove && AComponent != this) {
    auto& list = FFreeNotifies;
    list.erase(std::remove(list.begin(), list.end(), AComponent), list.end());
  }
  // An owner passes the news on to every component it holds.
  if (Operation == TOperation::opRemove) {
    std::vector<TComponent*> copy = FComponents;
    for (TComponent* c : copy)
      if (c != AComponent && !c->FDestroying) c->Notification(AComponent, Operation);
  }
}

} // namespace ui
