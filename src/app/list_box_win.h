// A list box whose items each carry a selected flag: a multiple-selection
// list box, where a click toggles one item's flag and leaves the others, so
// the flag is the list box's own selection state (LB_GETSEL reads it).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/control_win.h"
#include "app/events_win.h"
#include "runtime/failure.h"

namespace app {

class ListBox : public Control, private InputFilter {
 public:
  // Names one item while others are added, removed and moved: given when the
  // item is added and never given again.
  using ItemId = uint32_t;

  // What the user does to the list beyond what the list box does by itself;
  // the owner's handlers.
  class Events {
   public:
    // An item dragged with the mouse and let go over the item at `to`.
    virtual void ItemDragged(int from, int to) = 0;
    // Alt+Up (-1) or Alt+Down (+1).
    virtual void MoveKey(int step) = 0;
    // Ctrl+V.
    virtual void PasteKey() = 0;

   protected:
    ~Events() = default;
  };

  ListBox() = default;
  ListBox(const ListBox&) = delete;
  ListBox& operator=(const ListBox&) = delete;
  ~ListBox();

  void Create(const Window& window, int id, const TwipsRect& place, Events& events);

  // Appends the text as the last item, its flag clear. Throws kOutOfMemory
  // when the list box has no room for it.
  void Append(const std::wstring& text);
  // Removes the item; the items after it move up. Throws kBadArgument for
  // an index that names no item. Afterwards no item is current.
  void Remove(int index);
  // Moves the item, with its text, flag and id, to `to`; the items between
  // shift by one place. It becomes the current item. Throws kBadArgument for an
  // index that names no item.
  void Move(int from, int to);
  std::wstring Text(int index) const;
  int Count() const;
  // The item with the focus, or -1 until the user has put it on one.
  int CurrentIndex() const;
  // Puts the focus on the item without touching its flag, as a right-click
  // does.
  void SetCurrentIndex(int index);
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  // The item at the point of the list's client area, or -1.
  int ItemAt(POINT point) const;
  // The item's rectangle in the list's client area.
  RECT ItemRect(int index) const;

  // The ids of the items whose flag is set, in list order.
  std::vector<ItemId> SelectedIds() const;
  // The index of the item with the id, or -1 once it has been removed.
  int IndexOf(ItemId id) const;

  // The user has moved the focus to an item (a click or a key).
  void MarkFocusTaken() { focus_taken_ = true; }

  // Lets the list box reserve storage before many items are added.
  void Reserve(int items, size_t text_bytes);
  void SetRedraw(bool redraw);

 private:
  // A press of the left button on an item, held back from the list box until
  // it is known to be a click rather than a drag.
  struct Press {
    int item;
    POINT point;
    WPARAM keys;
    int focus_before;
    bool dragging;
  };

  // InputFilter: the keys and the mouse presses that the list box does not
  // know by itself.
  bool Filter(const MSG& message) override;
  bool BeginPress(WPARAM keys, LPARAM lparam);
  void FollowPress(LPARAM lparam);
  void EndPress(WPARAM keys, LPARAM lparam);
  // Forgets the press, neither a click nor a drag: the button was let go
  // elsewhere, or the items the press was on moved.
  void DropPress();
  // The item under the point of the client area, or the last one when the
  // point is below them all: where a dragged item goes when let go there.
  // Nothing outside the client area.
  std::optional<int> NearestItem(POINT point) const;
  // Moves the focus rectangle alone: what is current stays as it was.
  void ShowFocusAt(int index);
  void CheckIndex(int index, rt::FailureKind kind) const;

  Events* events_ = nullptr;
  // The items' ids in list order.
  std::vector<ItemId> ids_;
  std::optional<Press> press_;
  bool focus_taken_ = false;
  ItemId next_id_ = 1;
};

}  // namespace app
