#include "runtime/list_box_win.h"

#include "runtime/run_error.h"

namespace rt {

void ListBox::Create(const Form& form, int id, const TwipsRect& place) {
  Control::Create(
      form, L"LISTBOX", L"",
      WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_MULTIPLESEL | LBS_WANTKEYBOARDINPUT,
      WS_EX_CLIENTEDGE, id, place);
}

void ListBox::AddItem(const std::wstring& text) {
  const LRESULT index =
      SendMessageW(hWnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index == LB_ERR || index == LB_ERRSPACE) Raise(kOutOfMemory);
  SendMessageW(hWnd(), LB_SETITEMDATA, static_cast<WPARAM>(index), next_id_++);
}

void ListBox::RemoveItem(int index) {
  CheckIndex(index, kInvalidProcedureCall);
  SendMessageW(hWnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  focus_taken_ = false;
}

// List and Selected run once per item when the list is saved: the list box's
// own LB_ERR for an index that names no item spares asking for the count.
std::wstring ListBox::List(int index) const {
  const LRESULT length = SendMessageW(hWnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) Raise(kInvalidPropertyArrayIndex);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(hWnd(), LB_GETTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return text;
}

int ListBox::ListCount() const { return static_cast<int>(SendMessageW(hWnd(), LB_GETCOUNT, 0, 0)); }

int ListBox::ListIndex() const {
  if (!focus_taken_ || ListCount() == 0) return -1;
  return static_cast<int>(SendMessageW(hWnd(), LB_GETCARETINDEX, 0, 0));
}

bool ListBox::Selected(int index) const {
  const LRESULT selected = SendMessageW(hWnd(), LB_GETSEL, static_cast<WPARAM>(index), 0);
  if (selected == LB_ERR) Raise(kInvalidPropertyArrayIndex);
  return selected > 0;
}

void ListBox::SetSelected(int index, bool selected) {
  CheckIndex(index, kInvalidPropertyArrayIndex);
  SendMessageW(hWnd(), LB_SETSEL, selected ? TRUE : FALSE, index);
}

std::vector<ListBox::ItemId> ListBox::SelectedIds() const {
  std::vector<int> indexes(static_cast<size_t>(SendMessageW(hWnd(), LB_GETSELCOUNT, 0, 0)));
  indexes.resize(static_cast<size_t>(SendMessageW(hWnd(), LB_GETSELITEMS, indexes.size(),
                                                  reinterpret_cast<LPARAM>(indexes.data()))));
  std::vector<ItemId> ids;
  ids.reserve(indexes.size());
  for (int index : indexes) ids.push_back(IdAt(index));
  return ids;
}

// Items are only appended, with ids that grow, and never reordered: the ids
// stand in increasing order down the list, and a binary search finds one
// among the longest list in 16 steps.
int ListBox::IndexOf(ItemId id) const {
  int first = 0;
  int past_last = ListCount();
  while (first < past_last) {
    const int middle = first + (past_last - first) / 2;
    const ItemId middle_id = IdAt(middle);
    if (middle_id == id) return middle;
    if (middle_id < id) {
      first = middle + 1;
    } else {
      past_last = middle;
    }
  }
  return -1;
}

ListBox::ItemId ListBox::IdAt(int index) const {
  return static_cast<ItemId>(SendMessageW(hWnd(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void ListBox::Reserve(int items, size_t text_bytes) {
  SendMessageW(hWnd(), LB_INITSTORAGE, static_cast<WPARAM>(items), static_cast<LPARAM>(text_bytes));
}

void ListBox::SetRedraw(bool redraw) {
  SendMessageW(hWnd(), WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  if (redraw) InvalidateRect(hWnd(), nullptr, TRUE);
}

void ListBox::CheckIndex(int index, int error) const {
  if (index < 0 || index >= ListCount()) Raise(error);
}

}  // namespace rt
