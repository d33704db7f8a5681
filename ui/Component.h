#pragma once
// Components: named objects with an owner that frees them, and the removal notification
// through which the owner and every component that asked for it with FreeNotification learn
// that another one is going away, so they can forget their pointer. A removal costs the same
// however many components the owner holds.

#include "ui/ComponentList.h"
#include "ui/Graphics.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace ui {

enum class TOperation {
  opInsert,
  opRemove
};

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* Owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const QString& Name() const { return FName; }
  // Names are unique among the components of one owner (compared ignoring case); naming a
  // component with a name another one of its owner has raises, and the name stays as it was.
  virtual void SetName(const QString& Value);
  // A free integer; wide enough to hold a pointer.
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return FComponents.Count(); }
  TComponent* Component(int Index) const { return FComponents.At(Index); }
  // The component of that name (ignoring case), or null; an empty name finds nothing.
  TComponent* FindComponent(const QString& Name) const;
  // Takes ownership of Component (removing it from its previous owner). Raises, changing
  // nothing, when this owner already holds another component of its name.
  void InsertComponent(TComponent* Component);
  // Gives up ownership of Component without freeing it.
  void RemoveComponent(TComponent* Component);
  // Notify Component when this one is removed, and this one when Component is: every
  // component that keeps a pointer to another one asks for it, whoever owns the two.
  void FreeNotification(TComponent* Component);

protected:
  // Called on the owner for every component removed from (or inserted into) it, and on
  // every component linked with the removed one through FreeNotification. Implementations
  // only compare the pointer; the object is being freed.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Runs once at the start of destruction, before the notifications.
  void Destroying() { FDestroying = true; }

private:
  // The field that holds a component's slot in its owner's list.
  static std::size_t& OwnerSlot(const TComponent* Component) { return Component->FOwnerSlot; }
  void NotifyRemoval();

  QString FName;
  // FName case-folded: its key among the owner's names, made and hashed once per name.
  QString FNameKey;
  std::size_t FNameHash = 0;
  intptr_t FTag = 0;
  TComponent* FOwner = nullptr;
  mutable std::size_t FOwnerSlot = 0;
  TComponentList FComponents{&OwnerSlot};
  // The named components among FComponents, placed by the hash of their case-folded name.
  TPointerTable<bool> FNames;
  TComponentList FFreeNotifies;
  bool FDestroying = false;
  bool FRemovalSent = false;
};

} // namespace ui
