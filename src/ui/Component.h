#pragma once

// TComponent: the root of every component. A component may have an owner,
// which frees it; it has a name unique among its owner's components; and it
// can ask other components to tell it when they are freed, so that a
// reference to a component on the same form never dangles.

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Object.h"
#include "ui/Set.h"

enum class TOperation { opInsert, opRemove };

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateItem>;

class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  // Names are unique among the owner's components, regardless of letter
  // case; a clash raises EComponentError and keeps the old name.
  void SetName(const std::string& NewName);

  int Tag = 0;

  TComponentState ComponentState() const { return FComponentState; }

  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const { return FComponents.at(Index); }
  int ComponentIndex() const;
  // The owned component of that name (letter case ignored), or nullptr.
  TComponent* FindComponent(const std::string& AName) const;

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);

  // Frees every owned component, last created first. A derived class whose
  // Notification must still run while its components go calls this at the
  // start of its own destructor; the base destructor calls it again.
  void DestroyComponents();

  // AComponent is told through Notification(this, opRemove) when this
  // component is freed, and the other way round.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Reading a stored design: state csLoading until EndLoading, which then
  // calls Loaded on this component and every owned component.
  void BeginLoading();
  void EndLoading();

  // Marks this component and all it owns as being destroyed.
  void Destroying();

  void SetDesigning(bool Value);

 protected:
  // Called on the owner, and by it on every owned component, when a
  // component is inserted or removed; and on every component that asked
  // for a free notification when one is freed. Overrides clear their
  // references on opRemove and call the inherited version.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void Loaded();
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                              const std::string& NewName);

  void IncludeState(TComponentStateItem Item) { FComponentState.Include(Item); }
  void ExcludeState(TComponentStateItem Item) { FComponentState.Exclude(Item); }

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void NotifyAll(TComponent* AComponent, TOperation Operation);

  TComponent* FOwner = nullptr;
  std::string FName;
  TComponentState FComponentState;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};
