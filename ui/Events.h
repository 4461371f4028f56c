#pragma once
// Events are bound callables: an operation bound to an object, skipped when unassigned.
#include <functional>
#include <utility>

class TObject {
public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

template <typename Event, typename... Args>
void Fire(const Event& event, Args&&... args) {
  if (event) event(std::forward<Args>(args)...);
}
