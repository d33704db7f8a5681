#include "ui/Component.h"

#include "ui/Exception.h"

#include <QHashFunctions>

namespace ui {

namespace {

// A name's key in the owner's table: its case-folded form. ASCII names, the usual ones, fold
// by their capitals alone, and one without capitals is its own key.
QString NameKey(const QString& Name) {
  bool capitals = false;
  for (const QChar c : Name) {
    if (c.unicode() >= 0x80) return Name.toCaseFolded();
    capitals |= c.unicode() >= 'A' && c.unicode() <= 'Z';
  }
  if (!capitals) return Name;
  QString key(Name.size(), Qt::Uninitialized);
  QChar* out = key.data();
  for (const QChar c : Name)
    *out++ = c.unicode() >= 'A' && c.unicode() <= 'Z' ? QChar(c.unicode() + ('a' - 'A')) : c;
  return key;
}

// A name key's hash, seeded for the process as Qt's own tables are, so that names made to
// share one hash cannot pile up in a file's schema.
std::size_t NameHash(const QString& Key) { return qHash(Key, QHashSeed::globalSeed()); }

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
  // Free owned components, last first; each removes itself from the list (one that did not
  // is taken out after).
  while (TComponent* c = FComponents.Last()) {
    delete c;
    if (FComponents.Last() == c) FComponents.RemoveLast();
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::NotifyRemoval() {
  if (FRemovalSent) return;
  FRemovalSent = true;
  // Those linked with us forget us and we forget them; then the owner hears of it.
  for (TComponent* c : FFreeNotifies.TakeAll()) {
    c->FFreeNotifies.Remove(this);
    if (!c->FDestroying) c->Notification(this, TOperation::opRemove);
  }
  if (FOwner) FOwner->Notification(this, TOperation::opRemove);
}

TComponent* TComponent::FindComponent(const QString& Name) const {
  if (Name.isEmpty()) return nullptr;
  const QString key = NameKey(Name);
  const void* named = FNames.FindKey(NameHash(key), [&key](const void* Named) {
    return static_cast<const TComponent*>(Named)->FNameKey == key;
  });
  return static_cast<TComponent*>(const_cast<void*>(named));
}

void TComponent::SetName(const QString& Value) {
  if (Value == FName) return;
  if (FOwner && !Value.isEmpty()) {
    TComponent* other = FOwner->FindComponent(Value);
    if (other && other != this) RaiseDuplicateName(Value);
  }
  if (FOwner && !FName.isEmpty()) FOwner->FNames.Remove(this, FNameHash);
  FName = Value;
  FNameKey = NameKey(FName);
  FNameHash = NameHash(FNameKey);
  if (FOwner && !FName.isEmpty()) FOwner->FNames.At(this, FNameHash) = true;
}

void TComponent::InsertComponent(TComponent* Component) {
  if (!Component || Component->FOwner == this) return;
  if (!Component->FName.isEmpty() && FindComponent(Component->FName)) RaiseDuplicateName(Component->FName);
  if (Component->FOwner) Component->FOwner->RemoveComponent(Component);
  FComponents.Add(Component);
  if (!Component->FName.isEmpty()) FNames.At(Component, Component->FNameHash) = true;
  Component->FOwner = this;
  Notification(Component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* Component) {
  if (!Component || !FComponents.Remove(Component)) return;
  if (!Component->FName.isEmpty()) FNames.Remove(Component, Component->FNameHash);
  Component->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* Component) {
  if (!Component || Component == this) return;
  FFreeNotifies.Add(Component);
  Component->FFreeNotifies.Add(this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == TOperation::opRemove && AComponent != this) FFreeNotifies.Remove(AComponent);
}

} // namespace ui
