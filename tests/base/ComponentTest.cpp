#include <gtest/gtest.h>

#include "base/Component.h"

namespace {

// Counts its own destruction, so a double destruction or a leak shows.
struct Probe : TComponent {
  Probe(TComponent* owner, std::vector<int>& log, int id) : TComponent(owner), log_(log), id_(id) {}
  ~Probe() override { log_.push_back(id_); }
  std::vector<int>& log_;
  int id_;
};

}  // namespace

TEST(Component, OwnerDestroysWhatItStillOwns) {
  std::vector<int> log;
  auto* root = new Probe(nullptr, log, 0);
  auto* a = new Probe(root, log, 1);
  new Probe(a, log, 2);
  auto* b = new Probe(root, log, 3);
  new Probe(root, log, 4);
  EXPECT_EQ(root->ComponentCount(), 3);
  delete b;  // destroyed first: leaves its owner's list
  EXPECT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->Components(1)->Owner(), root);
  delete root;
  // Owner's own body first, then the owned ones, last created first, each once.
  EXPECT_EQ(log, (std::vector<int>{3, 0, 4, 1, 2}));
}

TEST(Component, LocalComponentLeavesItsOwner) {
  std::vector<int> log;
  Probe owner(nullptr, log, 0);
  {
    Probe local(&owner, log, 1);
    EXPECT_EQ(owner.ComponentCount(), 1);
  }
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(log, (std::vector<int>{1}));
}
