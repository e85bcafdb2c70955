#include "base/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  while (!components_.empty()) {
    TComponent* child = components_.back();
    components_.pop_back();
    child->owner_ = nullptr;
    delete child;
  }
  if (owner_) {
    auto& siblings = owner_->components_;
    siblings.erase(std::find(siblings.begin(), siblings.end(), this));
  }
}
