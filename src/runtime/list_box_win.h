// A list box whose items each carry a selected flag: a multiple-selection
// list box, where a click toggles one item's flag and leaves the others, so
// the flag is the list box's own selection state (LB_GETSEL reads it).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/control_win.h"

namespace rt {

class ListBox : public Control {
 public:
  // Names one item while others are added and removed: given when the item
  // is added, in increasing order, and never given again. Kept with the item
  // itself, as its item data.
  using ItemId = uint32_t;

  void Create(const Form& form, int id, const TwipsRect& place);

  // Appends the text as the last item, its flag clear. Raises 7 when the
  // list box has no room for it.
  void AddItem(const std::wstring& text);
  // Removes the item; the items after it move up. Raises 5 for an index
  // that names no item. Afterwards no item is current.
  void RemoveItem(int index);
  std::wstring List(int index) const;
  int ListCount() const;
  // The item with the focus, or -1 until the user has put it on one.
  int ListIndex() const;
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);

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
  void CheckIndex(int index, int error) const;
  ItemId IdAt(int index) const;

  bool focus_taken_ = false;
  ItemId next_id_ = 1;
};

}  // namespace rt
