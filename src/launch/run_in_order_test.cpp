#include "launch/run_in_order.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "runtime/run_error.h"

namespace launch {
namespace {

struct Item {
  std::wstring text;
  bool selected;
  bool operator==(const Item& other) const {
    return text == other.text && selected == other.selected;
  }
};

// A window that writes down what the walk did to it. `during_run` stands for
// the events that run while an item runs.
class FakeWindow : public LauncherWindow {
 public:
  explicit FakeWindow(std::vector<Item> initial_items) : items(std::move(initial_items)) {}

  void Minimise() override { Touch(L"minimise"); }
  void Restore() override { Touch(L"restore"); }
  int ListCount() override {
    Touch();
    return static_cast<int>(items.size());
  }
  bool Selected(int index) override { return At(index).selected; }
  std::wstring List(int index) override { return At(index).text; }
  bool Unloaded() override { return unloaded; }
  void RunItem(std::wstring item_text, int32_t window_style) override {
    Touch(L"run " + item_text + L" " + std::to_wstring(window_style));
    if (during_run) during_run(item_text);
  }

  std::vector<Item> items;
  std::vector<std::wstring> log;
  bool unloaded = false;
  std::function<void(const std::wstring& item_text)> during_run;

 private:
  void Touch(const std::wstring& event = L"") {
    if (unloaded) ADD_FAILURE() << "window used after it was closed";
    if (!event.empty()) log.push_back(event);
  }

  const Item& At(int index) {
    Touch();
    if (index < 0 || index >= static_cast<int>(items.size())) {
      ADD_FAILURE() << "read past the end of the list: index " << index;
      rt::Raise(rt::kInvalidPropertyValue);
    }
    return items[index];
  }
};

using Log = std::vector<std::wstring>;

// The log of a walk that ran `items`, each with the normal window style, and
// then restored the window.
Log WalkThatRan(std::initializer_list<const wchar_t*> items) {
  Log log = {L"minimise"};
  for (const wchar_t* item : items) log.push_back(std::wstring(L"run ") + item + L" 1");
  log.push_back(L"restore");
  return log;
}

TEST(RunInOrderTest, RunsSelectedItemsInListOrderAndLeavesTheListAsItWas) {
  const std::vector<Item> items = {{L"a.exe", true}, {L"b.exe", false}, {L"c.lnk", true}};
  FakeWindow window(items);
  RunInOrder().Run(window);
  EXPECT_EQ(window.log, WalkThatRan({L"a.exe", L"c.lnk"}));
  EXPECT_EQ(window.items, items);

  for (const std::vector<Item>& nothing_to_run : {std::vector<Item>{}, {{L"a.exe", false}}}) {
    FakeWindow idle(nothing_to_run);
    RunInOrder().Run(idle);
    EXPECT_EQ(idle.log, WalkThatRan({}));
  }
}

TEST(RunInOrderTest, ListChangedDuringTheWalk) {
  FakeWindow grown({{L"a.exe", true}, {L"b.exe", true}});
  grown.during_run = [&](const std::wstring& text) {
    if (text == L"a.exe") grown.items.push_back({L"new.exe", true});
  };
  RunInOrder().Run(grown);
  EXPECT_EQ(grown.log, WalkThatRan({L"a.exe", L"b.exe"}));

  FakeWindow one_removed({{L"a.exe", true}, {L"b.exe", true}, {L"c.exe", true}});
  one_removed.during_run = [&](const std::wstring& text) {
    if (text == L"a.exe") one_removed.items.erase(one_removed.items.begin());
  };
  RunInOrder().Run(one_removed);
  // After the removal index 1 holds c.exe, and index 2 is past the end.
  EXPECT_EQ(one_removed.log, WalkThatRan({L"a.exe", L"c.exe"}));

  FakeWindow emptied({{L"a.exe", true}, {L"b.exe", true}});
  emptied.during_run = [&](const std::wstring&) { emptied.items.clear(); };
  RunInOrder().Run(emptied);
  EXPECT_EQ(emptied.log, WalkThatRan({L"a.exe"}));
}

TEST(RunInOrderTest, CommandChosenAgainDuringTheWalkIsIgnoredUntilItEnds) {
  FakeWindow window({{L"a.exe", true}, {L"b.exe", true}});
  RunInOrder run_in_order;
  bool chosen_again = false;
  window.during_run = [&](const std::wstring&) {
    if (chosen_again) return;
    chosen_again = true;
    run_in_order.Run(window);
  };
  run_in_order.Run(window);
  EXPECT_EQ(window.log, WalkThatRan({L"a.exe", L"b.exe"}));

  window.log.clear();
  run_in_order.Run(window);
  EXPECT_EQ(window.log, WalkThatRan({L"a.exe", L"b.exe"}));
}

TEST(RunInOrderTest, ErrorEndsTheWalkRestoresTheWindowAndAllowsANewRun) {
  FakeWindow window({{L"a.exe", true}, {L"b.doc", true}, {L"c.exe", true}});
  RunInOrder run_in_order;
  window.during_run = [&](const std::wstring& text) {
    if (text == L"b.doc") rt::Raise(rt::kFileNotFound);
  };
  try {
    run_in_order.Run(window);
    ADD_FAILURE() << "the error did not reach the caller";
  } catch (const rt::RunError& error) {
    EXPECT_EQ(error.number, rt::kFileNotFound);
  }
  EXPECT_EQ(window.log, WalkThatRan({L"a.exe", L"b.doc"}));

  window.log.clear();
  window.during_run = [](const std::wstring&) { throw std::runtime_error("out of handles"); };
  EXPECT_THROW(run_in_order.Run(window), std::runtime_error);
  EXPECT_EQ(window.log, WalkThatRan({L"a.exe"}));
}

TEST(RunInOrderTest, WindowClosedDuringTheWalkEndsItWithoutTouchingTheWindow) {
  const Log closed_after_first = {L"minimise", L"run a.exe 1"};
  FakeWindow closed({{L"a.exe", true}, {L"b.exe", true}});
  closed.during_run = [&](const std::wstring&) { closed.unloaded = true; };
  RunInOrder().Run(closed);
  EXPECT_EQ(closed.log, closed_after_first);

  FakeWindow closed_then_failed({{L"a.exe", true}, {L"b.exe", true}});
  closed_then_failed.during_run = [&](const std::wstring&) {
    closed_then_failed.unloaded = true;
    rt::Raise(rt::kFileNotFound);
  };
  EXPECT_THROW(RunInOrder().Run(closed_then_failed), rt::RunError);
  EXPECT_EQ(closed_then_failed.log, closed_after_first);
}

TEST(RunInOrderTest, IndexesStayWithinSixteenBits) {
  constexpr int kLongestWalkableList = 32768;  // last index 32767
  std::vector<Item> items(kLongestWalkableList, Item{L"", false});
  items.back() = {L"last.exe", true};
  FakeWindow longest(items);
  RunInOrder().Run(longest);
  EXPECT_EQ(longest.log, WalkThatRan({L"last.exe"}));

  items.push_back({L"beyond.exe", true});
  FakeWindow too_long(items);
  try {
    RunInOrder().Run(too_long);
    ADD_FAILURE() << "a last index beyond 16 bits did not overflow";
  } catch (const rt::RunError& error) {
    EXPECT_EQ(error.number, rt::kOverflow);
  }
  EXPECT_EQ(too_long.log, WalkThatRan({}));
}

}  // namespace
}  // namespace launch
