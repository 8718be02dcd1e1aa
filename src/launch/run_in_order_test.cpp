#include "launch/run_in_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "runtime/failure.h"

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
// the events that run while an item runs. Items keep their ids while others
// come and go, as the list's do.
class FakeWindow : public LauncherWindow {
 public:
  explicit FakeWindow(const std::vector<Item>& initial_items) {
    for (const Item& item : initial_items) Add(item);
  }

  void Add(const Item& item) {
    items.push_back(item);
    ids.push_back(next_id_++);
  }
  void RemoveAt(size_t index) {
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
    ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(index));
  }
  void Move(size_t from, size_t to) {
    const Item item = items[from];
    const ItemId id = ids[from];
    RemoveAt(from);
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(to), item);
    ids.insert(ids.begin() + static_cast<std::ptrdiff_t>(to), id);
  }
  size_t IndexOf(const std::wstring& text) const {
    return static_cast<size_t>(
        std::find_if(items.begin(), items.end(), [&](const Item& i) { return i.text == text; }) -
        items.begin());
  }

  void Minimise() override { Touch(L"minimise"); }
  void Restore() override { Touch(L"restore"); }
  std::vector<ItemId> SelectedItems() override {
    Touch();
    std::vector<ItemId> selected;
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i].selected) selected.push_back(ids[i]);
    }
    return selected;
  }
  std::optional<std::wstring> ItemText(ItemId item) override {
    Touch();
    const auto found = std::find(ids.begin(), ids.end(), item);
    if (found == ids.end()) return std::nullopt;
    return items[static_cast<size_t>(found - ids.begin())].text;
  }
  bool Closed() override { return closed; }
  void RunItem(const std::wstring& item_text, int show_command) override {
    Touch(L"run " + item_text + L" " + std::to_wstring(show_command));
    if (during_run) during_run(item_text);
  }
  void ReportFailedStart(const std::wstring& item_text, const rt::Failure& failure) override {
    Touch(L"report " + item_text + L": " + failure.subject);
  }
  void ShowProgress(int started, int total) override {
    Touch(L"progress " + std::to_wstring(started) + L"/" + std::to_wstring(total));
  }
  // Also after the window was closed: the progress shown must go in any case.
  void ClearProgress() override { log.push_back(L"clear"); }

  std::vector<Item> items;
  std::vector<ItemId> ids;
  std::vector<std::wstring> log;
  bool closed = false;
  std::function<void(const std::wstring& item_text)> during_run;

 private:
  void Touch(const std::wstring& event = L"") {
    if (closed) ADD_FAILURE() << "window used after it was closed";
    if (!event.empty()) log.push_back(event);
  }

  ItemId next_id_ = 1;
};

using Log = std::vector<std::wstring>;

// The log of a walk that took `items` and ran them, each shown as a normal
// window and after showing its place among them; nullptr stands for an
// item taken and not run. Then the progress is cleared and the window restored.
Log WalkThatRan(std::initializer_list<const wchar_t*> items) {
  Log log = {L"minimise"};
  int position = 0;
  for (const wchar_t* item : items) {
    ++position;
    if (!item) continue;
    log.push_back(L"progress " + std::to_wstring(position) + L"/" + std::to_wstring(items.size()));
    log.push_back(std::wstring(L"run ") + item + L" 1");
  }
  log.push_back(L"clear");
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

// Each case changes the list while one item runs, as a click or a drop
// handled then does.
TEST(RunInOrderTest, RunsWhatWasSelectedAtTheStartAndIsStillThereWhenItsTurnComes) {
  const std::vector<Item> four = {
      {L"a.exe", true}, {L"b.exe", true}, {L"c.exe", true}, {L"d.exe", true}};
  const struct {
    const char* change;
    const wchar_t* while_running;
    std::function<void(FakeWindow&)> change_list;
    Log expected;
  } cases[] = {
      {"an earlier item removed", L"b.exe", [](FakeWindow& w) { w.RemoveAt(0); },
       WalkThatRan({L"a.exe", L"b.exe", L"c.exe", L"d.exe"})},
      {"a later item removed", L"a.exe", [](FakeWindow& w) { w.RemoveAt(2); },
       WalkThatRan({L"a.exe", L"b.exe", nullptr, L"d.exe"})},
      {"items added, selected, and one of the same text", L"a.exe",
       [](FakeWindow& w) {
         w.Add({L"new.exe", true});
         w.Add({L"a.exe", true});
       },
       WalkThatRan({L"a.exe", L"b.exe", L"c.exe", L"d.exe"})},
      {"an item removed and added again", L"a.exe",
       [](FakeWindow& w) {
         w.RemoveAt(w.IndexOf(L"c.exe"));
         w.Add({L"c.exe", true});
       },
       WalkThatRan({L"a.exe", L"b.exe", nullptr, L"d.exe"})},
      {"the last item moved to the top, the first to the end", L"b.exe",
       [](FakeWindow& w) {
         w.Move(3, 0);
         w.Move(1, 3);
       },
       WalkThatRan({L"a.exe", L"b.exe", L"c.exe", L"d.exe"})},
      {"a later item's flag cleared", L"a.exe", [](FakeWindow& w) { w.items[1].selected = false; },
       WalkThatRan({L"a.exe", L"b.exe", L"c.exe", L"d.exe"})},
      {"the list emptied", L"b.exe",
       [](FakeWindow& w) {
         while (!w.items.empty()) w.RemoveAt(0);
       },
       WalkThatRan({L"a.exe", L"b.exe", nullptr, nullptr})},
  };
  for (const auto& c : cases) {
    FakeWindow window(four);
    bool changed = false;
    window.during_run = [&](const std::wstring& text) {
      if (changed || text != c.while_running) return;
      changed = true;
      c.change_list(window);
    };
    RunInOrder().Run(window);
    EXPECT_EQ(window.log, c.expected) << c.change;
  }
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

TEST(RunInOrderTest, ItemThatCannotStartIsReportedAndTheWalkGoesOn) {
  FakeWindow window({{L"a.doc", true}, {L"b.exe", true}, {L"c.doc", true}});
  window.during_run = [](const std::wstring& text) {
    if (text != L"b.exe") {
      throw rt::Failure(rt::FailureKind::kLibraryNotLoaded, L"no program for " + text);
    }
  };
  RunInOrder().Run(window);
  EXPECT_EQ(window.log, (Log{L"minimise", L"progress 1/3", L"run a.doc 1",
                             L"report a.doc: no program for a.doc", L"progress 2/3", L"run b.exe 1",
                             L"progress 3/3", L"run c.doc 1", L"report c.doc: no program for c.doc",
                             L"clear", L"restore"}));
}

TEST(RunInOrderTest, OtherErrorEndsTheWalkRestoresTheWindowAndAllowsANewRun) {
  FakeWindow window({{L"a.exe", true}, {L"b.exe", true}});
  RunInOrder run_in_order;
  window.during_run = [](const std::wstring&) { throw std::runtime_error("out of handles"); };
  EXPECT_THROW(run_in_order.Run(window), std::runtime_error);
  EXPECT_EQ(window.log, WalkThatRan({L"a.exe", nullptr}));

  window.log.clear();
  window.during_run = nullptr;
  run_in_order.Run(window);
  EXPECT_EQ(window.log, WalkThatRan({L"a.exe", L"b.exe"}));
}

TEST(RunInOrderTest, WindowClosedDuringTheWalkEndsItTouchingNothingButItsProgress) {
  FakeWindow closed({{L"a.exe", true}, {L"b.exe", true}});
  closed.during_run = [&](const std::wstring&) { closed.closed = true; };
  RunInOrder().Run(closed);
  EXPECT_EQ(closed.log, (Log{L"minimise", L"progress 1/2", L"run a.exe 1", L"clear"}));
}

}  // namespace
}  // namespace launch
