#pragma once
#include <vector>

// A component with an owner. Destroying a component destroys the components it still
// owns (last created first); a component destroyed before its owner leaves the owner's
// list, so it is never destroyed twice. Owned components must live on the heap unless
// they are destroyed before their owner (members and locals are, automatically).
class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[index]; }

 private:
  TComponent* owner_;
  std::vector<TComponent*> components_;
};
