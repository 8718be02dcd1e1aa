#include "app/list_box_win.h"

// After windows.h, which it needs.
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "runtime/failure.h"

namespace app {

namespace {

// The character that Ctrl+V types.
constexpr WPARAM kCtrlV = 0x16;
// Bit 29 of a key message: Alt is held.
constexpr LPARAM kAltHeld = LPARAM{1} << 29;

}  // namespace

void ListBox::Create(const Window& window, int id, const TwipsRect& place, Events& events) {
  Control::Create(
      window, L"LISTBOX", L"",
      WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_MULTIPLESEL | LBS_WANTKEYBOARDINPUT,
      WS_EX_CLIENTEDGE, id, place);
  events_ = &events;
  // Seen in the message loop rather than by subclassing the list box: a
  // subclass would stand before every message sent to the list too, and
  // saving a full list sends it a hundred thousand.
  SetInputFilter(Handle(), this);
}

ListBox::~ListBox() {
  if (Handle()) SetInputFilter(Handle(), nullptr);
}

void ListBox::Append(const std::wstring& text) {
  // The id first: the list box never holds an item without one.
  ids_.push_back(next_id_);
  const LRESULT index =
      SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index == LB_ERR || index == LB_ERRSPACE) {
    ids_.pop_back();
    throw rt::Failure(rt::FailureKind::kOutOfMemory);
  }
  ++next_id_;
}

void ListBox::Remove(int index) {
  CheckIndex(index, rt::FailureKind::kBadArgument);
  DropPress();
  SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  ids_.erase(ids_.begin() + index);
  focus_taken_ = false;
}

void ListBox::Move(int from, int to) {
  CheckIndex(from, rt::FailureKind::kBadArgument);
  CheckIndex(to, rt::FailureKind::kBadArgument);
  DropPress();
  if (from != to) {
    const std::wstring text = Text(from);
    const bool selected = IsSelected(from);
    // The copy goes in before the item leaves: a list box out of room loses
    // nothing.
    const int insert_at = to > from ? to + 1 : to;
    SetRedraw(false);
    const LRESULT inserted = SendMessageW(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(insert_at),
                                          reinterpret_cast<LPARAM>(text.c_str()));
    if (inserted == LB_ERR || inserted == LB_ERRSPACE) {
      SetRedraw(true);
      throw rt::Failure(rt::FailureKind::kOutOfMemory);
    }
    SendMessageW(Handle(), LB_DELETESTRING, static_cast<WPARAM>(to > from ? from : from + 1), 0);
    SendMessageW(Handle(), LB_SETSEL, selected ? TRUE : FALSE, to);
    SetRedraw(true);
    if (to > from) {
      std::rotate(ids_.begin() + from, ids_.begin() + from + 1, ids_.begin() + to + 1);
    } else {
      std::rotate(ids_.begin() + to, ids_.begin() + from, ids_.begin() + from + 1);
    }
  }
  SetCurrentIndex(to);
}

void ListBox::ShowFocusAt(int index) {
  SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
}

// Text and IsSelected run once per item when the list is saved: the list box's
// own LB_ERR for an index that names no item spares asking for the count.
std::wstring ListBox::Text(int index) const {
  const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) throw rt::Failure(rt::FailureKind::kNoSuchItem);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(Handle(), LB_GETTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return text;
}

int ListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

int ListBox::CurrentIndex() const {
  if (!focus_taken_ || Count() == 0) return -1;
  return static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
}

void ListBox::SetCurrentIndex(int index) {
  CheckIndex(index, rt::FailureKind::kBadValue);
  ShowFocusAt(index);
  focus_taken_ = true;
}

bool ListBox::IsSelected(int index) const {
  const LRESULT selected = SendMessageW(Handle(), LB_GETSEL, static_cast<WPARAM>(index), 0);
  if (selected == LB_ERR) throw rt::Failure(rt::FailureKind::kNoSuchItem);
  return selected > 0;
}

void ListBox::SetSelected(int index, bool selected) {
  CheckIndex(index, rt::FailureKind::kNoSuchItem);
  SendMessageW(Handle(), LB_SETSEL, selected ? TRUE : FALSE, index);
}

int ListBox::ItemAt(POINT point) const {
  // Below the last item the nearest is no item at the point.
  const std::optional<int> nearest = NearestItem(point);
  if (!nearest) return -1;
  const RECT item = ItemRect(*nearest);
  return PtInRect(&item, point) ? *nearest : -1;
}

RECT ListBox::ItemRect(int index) const {
  RECT rect{};
  SendMessageW(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&rect));
  return rect;
}

std::vector<ListBox::ItemId> ListBox::SelectedIds() const {
  std::vector<int> indexes(static_cast<size_t>(SendMessageW(Handle(), LB_GETSELCOUNT, 0, 0)));
  indexes.resize(static_cast<size_t>(SendMessageW(Handle(), LB_GETSELITEMS, indexes.size(),
                                                  reinterpret_cast<LPARAM>(indexes.data()))));
  std::vector<ItemId> ids;
  ids.reserve(indexes.size());
  for (int index : indexes) ids.push_back(ids_[static_cast<size_t>(index)]);
  return ids;
}

int ListBox::IndexOf(ItemId id) const {
  const auto found = std::find(ids_.begin(), ids_.end(), id);
  return found == ids_.end() ? -1 : static_cast<int>(found - ids_.begin());
}

void ListBox::Reserve(int items, size_t text_bytes) {
  ids_.reserve(static_cast<size_t>(items));
  SendMessageW(Handle(), LB_INITSTORAGE, static_cast<WPARAM>(items),
               static_cast<LPARAM>(text_bytes));
}

void ListBox::SetRedraw(bool redraw) {
  SendMessageW(Handle(), WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
  if (redraw) InvalidateRect(Handle(), nullptr, TRUE);
}

void ListBox::CheckIndex(int index, rt::FailureKind kind) const {
  if (index < 0 || index >= Count()) throw rt::Failure(kind);
}

bool ListBox::Filter(const MSG& message) {
  switch (message.message) {
    case WM_SYSKEYDOWN:
      if (!(message.lParam & kAltHeld)) return false;
      if (message.wParam != VK_UP && message.wParam != VK_DOWN) return false;
      events_->MoveKey(message.wParam == VK_UP ? -1 : 1);
      return true;
    case WM_CHAR:
      if (message.wParam != kCtrlV) return false;
      events_->PasteKey();
      return true;
    case WM_LBUTTONDOWN:
      DropPress();
      return BeginPress(message.wParam, message.lParam);
    case WM_MOUSEMOVE:
      if (!press_) return false;
      // The button was let go where the list did not see it.
      if (!(message.wParam & MK_LBUTTON)) {
        DropPress();
        return false;
      }
      FollowPress(message.lParam);
      return true;
    case WM_LBUTTONUP:
      if (!press_) return false;
      EndPress(message.wParam, message.lParam);
      return true;
  }
  return false;
}

bool ListBox::BeginPress(WPARAM keys, LPARAM lparam) {
  const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  const int item = ItemAt(point);
  if (item < 0) return false;
  const int focus = static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));
  press_ = Press{item, point, keys, focus, false};
  SetFocus(Handle());
  SetCapture(Handle());
  return true;
}

void ListBox::FollowPress(LPARAM lparam) {
  const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  if (!press_->dragging) {
    press_->dragging = std::abs(point.x - press_->point.x) > GetSystemMetrics(SM_CXDRAG) ||
                       std::abs(point.y - press_->point.y) > GetSystemMetrics(SM_CYDRAG);
    if (!press_->dragging) return;
  }
  // The focus shows where the item would go.
  ShowFocusAt(NearestItem(point).value_or(press_->focus_before));
}

void ListBox::EndPress(WPARAM keys, LPARAM lparam) {
  const Press press = *press_;
  press_.reset();
  ReleaseCapture();
  if (!press.dragging) {
    // A click after all: the list box takes it as it came.
    SendMessageW(Handle(), WM_LBUTTONDOWN, press.keys, MAKELPARAM(press.point.x, press.point.y));
    SendMessageW(Handle(), WM_LBUTTONUP, keys, lparam);
    return;
  }
  const std::optional<int> place = NearestItem(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
  if (!place) {
    ShowFocusAt(press.focus_before);
    return;
  }
  events_->ItemDragged(press.item, *place);
}

void ListBox::DropPress() {
  if (!press_) return;
  const Press press = *press_;
  press_.reset();
  if (press.dragging) ShowFocusAt(press.focus_before);
  if (GetCapture() == Handle()) ReleaseCapture();
}

std::optional<int> ListBox::NearestItem(POINT point) const {
  RECT client{};
  GetClientRect(Handle(), &client);
  if (Count() == 0 || !PtInRect(&client, point)) return std::nullopt;
  const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  return static_cast<int>(LOWORD(hit));
}

}  // namespace app
