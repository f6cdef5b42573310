#include "ui/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what it hears and keeps one reference that must never dangle.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* AOwner, std::string AName, std::vector<std::string>* ALog = nullptr)
      : TComponent(AOwner), Log(ALog) {
    SetName(AName);
  }
  ~TProbe() override {
    if (Log != nullptr)
      Log->push_back("free " + Name());
  }

  void SetBuddy(TComponent* ABuddy) {
    Buddy = ABuddy;
    if (ABuddy != nullptr)
      ABuddy->FreeNotification(this);
  }

  TComponent* Buddy = nullptr;
  std::vector<std::string>* Log;
  int LoadedCount = 0;
  bool SawOwnerDestroying = false;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Log != nullptr)
      Log->push_back(Name() + (Operation == TOperation::opInsert ? " +" : " -") +
                     AComponent->Name());
    if (Operation == TOperation::opRemove && AComponent == Buddy)
      Buddy = nullptr;
  }
  void Loaded() override { ++LoadedCount; }
};

}  // namespace

TEST(Component, OwnerFreesOwnedComponentsLastFirst) {
  std::vector<std::string> log;
  auto* form = new TProbe(nullptr, "form", &log);
  new TProbe(form, "a", &log);
  new TProbe(form, "b", &log);
  ASSERT_EQ(form->ComponentCount(), 2);
  log.clear();
  delete form;
  // b goes first; a hears of it while it is still alive, then a goes.
  EXPECT_EQ(log, (std::vector<std::string>{"free form", "a -b", "free b", "free a"}));
}

TEST(Component, InsertIsAnnouncedToOwnerAndSiblings) {
  std::vector<std::string> log;
  TProbe form(nullptr, "form", &log);
  new TProbe(&form, "a", &log);
  log.clear();
  auto* b = new TProbe(&form, "", &log);
  EXPECT_EQ(log, (std::vector<std::string>{"a +", "form +"}));
  EXPECT_EQ(b->ComponentIndex(), 1);
}

TEST(Component, FreeNotificationClearsReferenceToAComponentOnAnotherOwner) {
  TProbe formA(nullptr, "formA");
  TProbe formB(nullptr, "formB");
  auto* user = new TProbe(&formA, "user");
  auto* used = new TProbe(&formB, "used");
  user->SetBuddy(used);
  delete used;
  EXPECT_EQ(user->Buddy, nullptr);
}

TEST(Component, FreedReferrerIsForgottenByTheComponentItWatched) {
  auto* used = new TProbe(nullptr, "used");
  auto* user = new TProbe(nullptr, "user");
  user->SetBuddy(used);
  delete user;  // must leave no entry behind that would be called later
  auto* other = new TProbe(nullptr, "other");
  other->SetBuddy(used);
  delete used;
  EXPECT_EQ(other->Buddy, nullptr);
  delete other;
}

TEST(Component, NamesAreUniqueAmongSiblingsIgnoringCase) {
  TProbe form(nullptr, "form");
  new TProbe(&form, "btnStart");
  auto* other = new TProbe(&form, "lblTitle");
  EXPECT_THROW(other->SetName("BTNSTART"), EComponentError);
  EXPECT_EQ(other->Name(), "lblTitle");
  EXPECT_EQ(form.FindComponent("btnstart")->Name(), "btnStart");
  EXPECT_EQ(form.FindComponent("missing"), nullptr);
  other->SetName("LBLTITLE");  // a change of letter case only is allowed
  EXPECT_EQ(other->Name(), "LBLTITLE");
}

TEST(Component, EndLoadingCallsLoadedOncePerComponent) {
  TProbe form(nullptr, "form");
  auto* child = new TProbe(&form, "child");
  form.BeginLoading();
  EXPECT_TRUE(child->ComponentState().Contains(csLoading));
  form.EndLoading();
  form.EndLoading();
  EXPECT_FALSE(child->ComponentState().Contains(csLoading));
  EXPECT_EQ(form.LoadedCount, 1);
  EXPECT_EQ(child->LoadedCount, 1);
}

TEST(Component, OwnedComponentsSeeTheirOwnerDestroying) {
  struct TWatcher : TComponent {
    using TComponent::TComponent;
    bool* Flag = nullptr;
    ~TWatcher() override { *Flag = Owner() == nullptr && ComponentState().Contains(csDestroying); }
  };
  bool sawDestroying = false;
  auto* form = new TProbe(nullptr, "form");
  auto* watcher = new TWatcher(form);
  watcher->Flag = &sawDestroying;
  delete form;
  EXPECT_TRUE(sawDestroying);
}
