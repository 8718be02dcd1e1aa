#include "app/form1.h"

// After windows.h, which it needs.
#include <windowsx.h>

#include "app/entry_win.h"
#include "app/events_win.h"
#include "app/item_menu_win.h"
#include "app/list_store_win.h"
#include "app/message_box_win.h"
#include "app/one_per_folder_win.h"
#include "app/resource.h"
#include "app/start_options_win.h"
#include "app/texts.h"
#include "launch/start_item_win.h"
#include "runtime/process_win.h"
#include "runtime/system_error_win.h"

namespace app {

namespace {

// Control ids; 1 and 2 stay free for IDOK and IDCANCEL, which keyboard
// navigation sends for Enter and Esc.
enum ControlId : int { kLstId = 100, kCAddId, kCDelId, kCExeId, kCWebId };

constexpr wchar_t kWindowClass[] = L"TavimoMainWindow";
constexpr int kClientWidthTwips = 3405;
constexpr int kClientHeightTwips = 5415;

// Puts the window at the top of the topmost band, or back among the
// ordinary windows, without moving, sizing, showing or hiding it.
void PlaceInBand(HWND window, HWND insert_after) {
  SetWindowPos(window, insert_after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace

Form1::~Form1() {
  if (drop_target_) drop_target_->Revoke();
}

void Form1::Load() {
  start_options_ = StartOptionsOfThisProgram();
  Create(kWindowClass, texts::kProgramName, kClientWidthTwips, kClientHeightTwips, IDI_TAVIMO);
  MarkOpenWindow(hWnd(), open_window_mark_);
  SetBoxOwner(hWnd());
  // Created in keyboard focus order: the list first, so it has the focus.
  Lst.Create(*this, kLstId, {0, 0, 2655, 4110}, *this);
  CAdd.Create(*this, texts::kAddItem, kCAddId, {120, 4320, 1215, 495});
  CDel.Create(*this, texts::kRemoveItem, kCDelId, {1320, 4320, 1215, 495});
  CExe.Create(*this, texts::kRunInOrder, kCExeId, {1320, 4800, 1215, 495});
  CWeb.Create(*this, texts::kAddAddress, kCWebId, {120, 4800, 1215, 495});
  drop_target_ = FileDropTarget::Register(Lst.hWnd(), hWnd());

  Dispatch([this] { Form_Load(); });
  ShowWindow(hWnd(), SW_SHOWNORMAL);
  first_layout_size_.reset();
  SetFocus(Lst.hWnd());
  if (start_options_.run_ticked_items) AskToRunTickedItems(hWnd());
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_VKEYTOITEM:
      if (LOWORD(wparam) == VK_DELETE) {
        Dispatch([this] { Lst_DeleteKey(); });
        return -2;  // the list box does nothing more with it
      }
      // Any other key in the list moves its focus; the list box handles it.
      Lst.MarkFocusTaken();
      return -1;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wparam) != Lst.hWnd()) break;
      Dispatch([&] { Lst_ContextMenu(lparam); });
      return 0;
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(wparam);
      Dispatch([&] { Lst_OLEDragDrop(TakeDroppedFiles(drop)); });
      return 0;
    }
    case WM_SHOWWINDOW:
      // Showing the window raises the first layout, as it is shown but
      // before it appears: hidden controls move without drawing anything.
      // The size message that showing then sends finds them laid out.
      if (wparam && !shown_) {
        shown_ = true;
        first_layout_size_ = ClientSizePixels();
        Dispatch([this] { Form_Resize(); });
      }
      return DefaultHandling(message, wparam, lparam);
    case WM_SIZE: {
      const SIZE client = ClientSizePixels();
      const bool laid_out = first_layout_size_ && first_layout_size_->cx == client.cx &&
                            first_layout_size_->cy == client.cy;
      first_layout_size_.reset();
      if (!laid_out) Dispatch([this] { Form_Resize(); });
      return 0;
    }
    case WM_ENABLE:
      if (wparam && run_when_enabled_) {
        run_when_enabled_ = false;
        AskToRunTickedItems(hWnd());
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) focus_before_deactivation_ = GetFocus();
      return 0;
    case WM_SETFOCUS:
      SetFocus(focus_before_deactivation_ && IsChild(hWnd(), focus_before_deactivation_)
                   ? focus_before_deactivation_
                   : Lst.hWnd());
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends, or the Restart Manager wants the program closed
      // (ENDSESSION_CLOSEAPP): it closes as if the user closed it.
      if (!wparam) return 0;
      [[fallthrough]];
    case WM_CLOSE:
      Unload();
      DestroyWindow(hWnd());
      return 0;
    case WM_DESTROY:
      SetBoxOwner(nullptr);
      PostQuitMessage(0);
      return 0;
  }
  // What a start with /run asks for (AskToRunTickedItems). While a box
  // of ours is up the window is disabled and the run waits for its answer,
  // as a click on the button would have to.
  if (message == RunTickedItemsMessage()) {
    if (!IsWindowEnabled(hWnd())) {
      run_when_enabled_ = true;
      return 0;
    }
    Dispatch([this] { CExe_Click(); });
    return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

void Form1::OnCommand(int id, int notification) {
  if (id == kLstId) {
    if (notification == LBN_SELCHANGE) {
      Lst.MarkFocusTaken();
      Dispatch([this] { Lst_Click(); });
    }
    return;
  }
  if (notification != BN_CLICKED) return;
  switch (id) {
    case kCAddId:
      Dispatch([this] { CAdd_Click(); });
      break;
    case kCDelId:
      Dispatch([this] { CDel_Click(); });
      break;
    case kCExeId:
      Dispatch([this] { CExe_Click(); });
      break;
    case kCWebId:
      Dispatch([this] { CWeb_Click(); });
      break;
  }
}

void Form1::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  // Before the save: a start from now on waits for this copy to end.
  UnmarkOpenWindow(hWnd(), open_window_mark_);
  Dispatch([this] { Form_Unload(); });
}

void Form1::Form_Load() {
  PlaceInBand(hWnd(), HWND_TOPMOST);
  const items::StoreReading reading = LoadStoreIntoList(Lst);
  // Recorded before the warning shows: a close or the end of the session
  // while it is up saves the list, and that save must keep the file.
  list_from_unread_store_ = ListFromUnreadFile(reading, Lst);
  ReportStoreLoad(reading);
  ReportUnknownArguments(start_options_);
}

void Form1::Form_Unload() {
  SaveListToStore(Lst, list_from_unread_store_);
  PlaceInBand(hWnd(), HWND_NOTOPMOST);
}

void Form1::Form_Resize() {
  // A layout moves the list two or three times, and each move of a shown
  // list with a scroll bar repaints its frame there and then: with drawing
  // off, the window is drawn once, after the layout. A window not shown yet,
  // or minimised, has nothing to draw and is laid out as it is (turning
  // drawing back on would show a hidden window).
  const bool drawn = IsWindowVisible(hWnd()) && !IsIconic(hWnd());
  if (drawn) SendMessageW(hWnd(), WM_SETREDRAW, FALSE, 0);
  LayOutControls(*this);
  if (!drawn) return;
  SendMessageW(hWnd(), WM_SETREDRAW, TRUE, 0);
  RedrawWindow(hWnd(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Form1::Lst_Click() {
  const std::wstring text = Lst.List(Lst.ListIndex());
  const int32_t extent = HorizontalExtent(TextWidth(text));
  SendMessageA(Lst.hWnd(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

void Form1::CAdd_Click() { AddFromOpenFileDialog(hWnd(), Lst); }

void Form1::CDel_Click() { RemoveCurrentItem(Lst); }

void Form1::CWeb_Click() { AddTypedAddress(Lst); }

void Form1::Lst_OLEDragDrop(const std::vector<std::wstring>& files) {
  AddDroppedFile(Lst, files);
}

void Form1::Lst_DragDrop(int from, int to) { Lst.MoveItem(from, to); }

void Form1::Lst_MoveKey(int step) { MoveCurrentItem(Lst, step); }

void Form1::Lst_PasteKey() { AddFromClipboard(hWnd(), Lst); }

void Form1::Lst_DeleteKey() { RemoveCurrentItem(Lst); }

void Form1::Lst_ContextMenu(LPARAM position) {
  POINT screen{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  int index = -1;
  if (screen.x == -1 && screen.y == -1) {
    // From the keyboard: the current item's menu, shown beneath it.
    index = Lst.ListIndex();
    if (index < 0) return;
    const RECT item = Lst.ItemRect(index);
    screen = POINT{item.left, item.bottom};
    ClientToScreen(Lst.hWnd(), &screen);
  } else {
    POINT client = screen;
    ScreenToClient(Lst.hWnd(), &client);
    index = Lst.ItemAt(client);
    if (index < 0) return;
    // The menu's commands work on the current item, as the keys do.
    Lst.SetListIndex(index);
  }
  const std::wstring text = Lst.List(index);
  const std::optional<ItemCommand> command =
      ChooseFromItemMenu(hWnd(), screen, ItemMenuEntries(index, Lst.ListCount(), text));
  if (!command) return;
  switch (*command) {
    case ItemCommand::kMoveUp:
      MoveCurrentItem(Lst, -1);
      break;
    case ItemCommand::kMoveDown:
      MoveCurrentItem(Lst, 1);
      break;
    case ItemCommand::kRemove:
      RemoveCurrentItem(Lst);
      break;
    case ItemCommand::kOpenLocation:
      OpenItemLocation(text);
      break;
  }
}

void Form1::ItemDragged(int from, int to) {
  Dispatch([&] { Lst_DragDrop(from, to); });
}

void Form1::MoveKey(int step) {
  Dispatch([&] { Lst_MoveKey(step); });
}

void Form1::PasteKey() {
  Dispatch([this] { Lst_PasteKey(); });
}

void Form1::CExe_Click() { run_in_order_.Run(*this); }

std::optional<std::wstring> Form1::ItemText(launch::ItemId item) {
  const int index = Lst.IndexOf(item);
  if (index < 0) return std::nullopt;
  return Lst.List(index);
}

// The item's start is told, if it failed, before its process is waited for;
// then the events that came meanwhile run.
void Form1::RunItem(const std::wstring& item_text, int show_command) {
  const launch::StartOutcome outcome = launch::StartItem(item_text, show_command, hWnd());
  ReportStart(item_text, outcome);
  rt::WaitAnsweringSentMessages(outcome.process.get());
  DoEvents();
}

void Form1::ReportStart(const std::wstring& item_text, const launch::StartOutcome& outcome) {
  switch (outcome.result) {
    case launch::StartResult::kStarted:
      return;
    case launch::StartResult::kNoAssociatedProgram:
      MsgBox(texts::NoAssociatedProgram(item_text), MB_OK | MB_ICONEXCLAMATION,
                  texts::kProgramNotFoundTitle);
      return;
    case launch::StartResult::kNoBrowser:
      MsgBox(texts::kNoBrowser, MB_OK | MB_ICONEXCLAMATION, texts::kBrowserNotFoundTitle);
      return;
    case launch::StartResult::kProbeNotWritten:
      MsgBox(texts::BrowserProbeNotWritten(item_text,
                                                texts::FailureDescription(*outcome.probe_failure)),
                  MB_OK | MB_ICONEXCLAMATION, texts::kBrowserNotFoundTitle);
      return;
    case launch::StartResult::kNotStarted:
      // The system's words name the file the shell tried where they hold a
      // placeholder ("%1 is not a valid Win32 application").
      ReportNotStarted(
          item_text,
          texts::SystemReason(outcome.error, rt::SystemErrorText(outcome.error, outcome.program)));
      return;
  }
}

void Form1::ReportFailedStart(const std::wstring& item_text, const rt::Failure& failure) {
  ReportNotStarted(item_text, texts::FailureDescription(failure));
}

void Form1::ReportNotStarted(const std::wstring& item_text, const std::wstring& reason) {
  MsgBox(texts::CannotStart(item_text, reason), MB_OK | MB_ICONEXCLAMATION,
              texts::kProgramName);
}

// The caption carries the count as well: the button of a minimised window
// shows it where the taskbar shows no progress of its own (Wine's shows none).
void Form1::ShowProgress(int started, int total) {
  if (!taskbar_progress_) taskbar_progress_.emplace(hWnd());
  taskbar_progress_->Show(started, total);
  SetWindowTextW(hWnd(), texts::WalkProgressCaption(started, total).c_str());
}

void Form1::ClearProgress() {
  taskbar_progress_.reset();
  // Nothing to clear on a window already closed.
  if (hWnd()) SetWindowTextW(hWnd(), texts::kProgramName);
}

}  // namespace app
