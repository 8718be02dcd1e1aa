#include "app/one_per_folder.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(FolderClaimName, SameFolderSameNameOtherFolderOtherName) {
  const std::wstring name = FolderClaimName(FolderIdentity{0x43000000, 0x52e001});
  EXPECT_EQ(name, L"Tavimo-43000000-000000000052e001");
  EXPECT_NE(name, FolderClaimName(FolderIdentity{0x43000001, 0x52e001}));
  const std::wstring by_path = FolderClaimName(L"C:\\Tools\\Tavimo");
  EXPECT_EQ(by_path, FolderClaimName(L"c:\\TOOLS\\tavimo"));
  EXPECT_NE(by_path, FolderClaimName(L"C:\\Tools\\Tavimo2"));
  EXPECT_EQ(by_path.find(L'\\'), std::wstring::npos) << "kernel object names allow no \\";
}

// A folder that another copy holds for `held_for` looks, showing its
// window from look `window_at` on.
class FakeFolder final : public ProgramFolder {
 public:
  FakeFolder(int held_for, int window_at) : held_for_(held_for), window_at_(window_at) {}
  bool TryTake(std::chrono::milliseconds limit) override {
    waited_every_time = waited_every_time && limit.count() > 0;
    return looks >= held_for_;
  }
  bool BringOpenWindowForward() override { return ++looks >= window_at_; }

  int looks = 0;
  bool waited_every_time = true;

 private:
  int held_for_;
  int window_at_;
};

TEST(TakeFolderOrHandOver, OpensAFreeFolderHandsOverToAWindowAndWaitsOutACopyWithout) {
  constexpr int kNever = 1000;
  FakeFolder free_folder(0, kNever);
  EXPECT_EQ(TakeFolderOrHandOver(free_folder), StartDecision::kOpenTheWindow);
  // A copy starting up shows its window at the third look.
  FakeFolder starting(kNever, 3);
  EXPECT_EQ(TakeFolderOrHandOver(starting), StartDecision::kLeftToTheOpenWindow);
  EXPECT_EQ(starting.looks, 3);
  // A closing copy shows none, and lets go after four looks.
  FakeFolder closing(4, kNever);
  EXPECT_EQ(TakeFolderOrHandOver(closing), StartDecision::kOpenTheWindow);
  EXPECT_EQ(closing.looks, 4);
  EXPECT_TRUE(closing.waited_every_time) << "expected a wait between looks, not a spin";
}

}  // namespace
}  // namespace app
