#pragma once
// Components that own components: an owner destroys, newest first, what was created with it.
#include <string>
#include <vector>

#include "ui/Events.h"

class TComponent : public TObject {
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Runs the last handlers (a form's OnDestroy) while the object is still whole, then deletes it.
  static void Free(TComponent* component);

  TComponent* Owner() const { return FOwner; }
  const std::vector<TComponent*>& Components() const { return FComponents; }

  std::string Name;
  int Tag = 0;

protected:
  virtual void BeforeDestruction() {}
  // For derived classes whose owned parts must go before their own state does.
  void DestroyComponents();

private:
  void Remove(TComponent* component);

  TComponent* FOwner;
  std::vector<TComponent*> FComponents;
};
