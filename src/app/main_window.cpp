#include "app/main_window.h"

// After windows.h, which it needs.
#include <windowsx.h>

#include "app/add_items_win.h"
#include "app/events_win.h"
#include "app/integer_pointers_win.h"
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
enum ControlId : int {
  kListId = 100,
  kAddButtonId,
  kRemoveButtonId,
  kRunButtonId,
  kAddAddressButtonId
};

constexpr wchar_t kWindowClass[] = L"TavimoMainWindow";
constexpr int kClientWidthTwips = 3405;
constexpr int kClientHeightTwips = 5415;

// Puts the window at the top of the topmost band, or back among the
// ordinary windows, without moving, sizing, showing or hiding it.
void PlaceInBand(HWND window, HWND insert_after) {
  SetWindowPos(window, insert_after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace

MainWindow::~MainWindow() {
  if (drop_target_) drop_target_->Revoke();
}

void MainWindow::Load() {
  Create(kWindowClass, texts::kProgramName, kClientWidthTwips, kClientHeightTwips, IDI_TAVIMO);
  MarkOpenWindow(Handle(), open_window_mark_);
  SetBoxOwner(Handle());
  // Created in keyboard focus order: the list first, so it has the focus.
  list_.Create(*this, kListId, {0, 0, 2655, 4110}, *this);
  add_button_.Create(*this, texts::kAddItem, kAddButtonId, {120, 4320, 1215, 495});
  remove_button_.Create(*this, texts::kRemoveItem, kRemoveButtonId, {1320, 4320, 1215, 495});
  run_button_.Create(*this, texts::kRunInOrder, kRunButtonId, {1320, 4800, 1215, 495});
  add_address_button_.Create(*this, texts::kAddAddress, kAddAddressButtonId,
                             {120, 4800, 1215, 495});
  drop_target_ = FileDropTarget::Register(list_.Handle(), Handle());

  Dispatch([this] { LoadList(); });
  ShowWindow(Handle(), SW_SHOWNORMAL);
  first_layout_size_.reset();
  SetFocus(list_.Handle());
  if (start_options_.run_ticked_items) AskToRunTickedItems(Handle());
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_VKEYTOITEM:
      return OnListKey(LOWORD(wparam));
    case WM_CONTEXTMENU:
      if (PointerFromInteger<HWND>(wparam) != list_.Handle()) break;
      Dispatch([&] { OnContextMenu(lparam); });
      return 0;
    case WM_DROPFILES: {
      const auto drop = PointerFromInteger<HDROP>(wparam);
      Dispatch([&] { OnFilesDropped(TakeDroppedFiles(drop)); });
      return 0;
    }
    case WM_SHOWWINDOW:
      if (wparam) OnShown();
      break;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_ENABLE:
      if (wparam) OnEnabled();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) focus_before_deactivation_ = GetFocus();
      return 0;
    case WM_SETFOCUS:
      OnFocus();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends, or the Restart Manager wants the program closed
      // (ENDSESSION_CLOSEAPP): it closes as if the user closed it.
      if (wparam) OnClose();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      SetBoxOwner(nullptr);
      PostQuitMessage(0);
      return 0;
  }
  if (message == RunTickedItemsMessage()) {
    OnRunAsked();
    return 0;
  }
  return DefaultHandling(message, wparam, lparam);
}

LRESULT MainWindow::OnListKey(WORD key) {
  if (key == VK_DELETE) {
    Dispatch([this] { OnDeleteKey(); });
    return -2;  // the list box does nothing more with it
  }
  // Any other key in the list moves its focus; the list box handles it.
  list_.MarkFocusTaken();
  return -1;
}

// Showing the window raises the first layout, as it is shown but before it
// appears: hidden controls move without drawing anything. The size message
// that showing then sends finds them laid out.
void MainWindow::OnShown() {
  if (shown_) return;
  shown_ = true;
  first_layout_size_ = ClientSizePixels();
  Dispatch([this] { LayOut(); });
}

void MainWindow::OnSize() {
  const SIZE client = ClientSizePixels();
  const bool laid_out = first_layout_size_ && first_layout_size_->cx == client.cx &&
                        first_layout_size_->cy == client.cy;
  first_layout_size_.reset();
  if (!laid_out) Dispatch([this] { LayOut(); });
}

void MainWindow::OnEnabled() {
  if (!run_when_enabled_) return;
  run_when_enabled_ = false;
  AskToRunTickedItems(Handle());
}

void MainWindow::OnFocus() {
  SetFocus(focus_before_deactivation_ && IsChild(Handle(), focus_before_deactivation_)
               ? focus_before_deactivation_
               : list_.Handle());
}

void MainWindow::OnClose() {
  Close();
  DestroyWindow(Handle());
}

// What a start with /run asks for (AskToRunTickedItems). While a box of ours
// is up the window is disabled and the run waits for its answer, as a click
// on the button would have to.
void MainWindow::OnRunAsked() {
  if (!IsWindowEnabled(Handle())) {
    run_when_enabled_ = true;
    return;
  }
  Dispatch([this] { OnRunClicked(); });
}

void MainWindow::OnCommand(int id, int notification) {
  if (id == kListId) {
    if (notification == LBN_SELCHANGE) {
      list_.MarkFocusTaken();
      Dispatch([this] { OnItemClicked(); });
    }
    return;
  }
  if (notification != BN_CLICKED) return;
  switch (id) {
    case kAddButtonId:
      Dispatch([this] { OnAddClicked(); });
      break;
    case kRemoveButtonId:
      Dispatch([this] { OnRemoveClicked(); });
      break;
    case kRunButtonId:
      Dispatch([this] { OnRunClicked(); });
      break;
    case kAddAddressButtonId:
      Dispatch([this] { OnAddAddressClicked(); });
      break;
  }
}

void MainWindow::Close() {
  if (closed_) return;
  closed_ = true;
  // Before the save: a start from now on waits for this copy to end.
  UnmarkOpenWindow(Handle(), open_window_mark_);
  Dispatch([this] { SaveList(); });
}

void MainWindow::LoadList() {
  PlaceInBand(Handle(), HWND_TOPMOST);
  const items::StoreReading reading = LoadStoreIntoList(list_);
  // Recorded before the warning shows: a close or the end of the session
  // while it is up saves the list, and that save must keep the file.
  list_from_unread_store_ = ListFromUnreadFile(reading, list_);
  ReportStoreLoad(reading);
  ReportUnknownArguments(start_options_);
}

void MainWindow::SaveList() {
  SaveListToStore(list_, list_from_unread_store_);
  PlaceInBand(Handle(), HWND_NOTOPMOST);
}

void MainWindow::LayOut() {
  // A layout moves the list two or three times, and each move of a shown
  // list with a scroll bar repaints its frame there and then: with drawing
  // off, the window is drawn once, after the layout. A window not shown yet,
  // or minimised, has nothing to draw and is laid out as it is (turning
  // drawing back on would show a hidden window).
  const bool drawn = IsWindowVisible(Handle()) && !IsIconic(Handle());
  if (drawn) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  // The list moves as it is laid out, so the buttons go beneath the height
  // it really took; the buttons then move together.
  const std::initializer_list<Control*> buttons{&add_button_, &remove_button_, &add_address_button_,
                                                &run_button_};
  for (Control* button : buttons) button->HoldPlace();
  LayOutControls(*this);
  Control::MoveHeldTogether(buttons);
  if (!drawn) return;
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  RedrawWindow(Handle(), nullptr, nullptr,
               RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::OnItemClicked() {
  const std::wstring text = list_.Text(list_.CurrentIndex());
  const int32_t extent = HorizontalExtent(TextWidth(text));
  SendMessageA(list_.Handle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(extent), 0);
}

void MainWindow::OnAddClicked() { AddFromOpenFileDialog(Handle(), list_); }

void MainWindow::OnRemoveClicked() { RemoveCurrentItem(list_); }

void MainWindow::OnAddAddressClicked() { AddTypedAddress(list_); }

void MainWindow::OnFilesDropped(const std::vector<std::wstring>& files) {
  AddDroppedFile(list_, files);
}

void MainWindow::OnItemDragged(int from, int to) { list_.Move(from, to); }

void MainWindow::OnMoveKey(int step) { MoveCurrentItem(list_, step); }

void MainWindow::OnPasteKey() { AddFromClipboard(Handle(), list_); }

void MainWindow::OnDeleteKey() { RemoveCurrentItem(list_); }

void MainWindow::OnContextMenu(LPARAM position) {
  POINT screen{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  int index = -1;
  if (screen.x == -1 && screen.y == -1) {
    // From the keyboard: the current item's menu, shown beneath it.
    index = list_.CurrentIndex();
    if (index < 0) return;
    const RECT item = list_.ItemRect(index);
    screen = POINT{item.left, item.bottom};
    ClientToScreen(list_.Handle(), &screen);
  } else {
    POINT client = screen;
    ScreenToClient(list_.Handle(), &client);
    index = list_.ItemAt(client);
    if (index < 0) return;
    // The menu's commands work on the current item, as the keys do.
    list_.SetCurrentIndex(index);
  }
  const std::wstring text = list_.Text(index);
  const std::optional<ItemCommand> command =
      ChooseFromItemMenu(Handle(), screen, ItemMenuEntries(index, list_.Count(), text));
  if (!command) return;
  switch (*command) {
    case ItemCommand::kMoveUp:
      MoveCurrentItem(list_, -1);
      break;
    case ItemCommand::kMoveDown:
      MoveCurrentItem(list_, 1);
      break;
    case ItemCommand::kRemove:
      RemoveCurrentItem(list_);
      break;
    case ItemCommand::kOpenLocation:
      OpenItemLocation(text);
      break;
  }
}

void MainWindow::ItemDragged(int from, int to) {
  Dispatch([&] { OnItemDragged(from, to); });
}

void MainWindow::MoveKey(int step) {
  Dispatch([&] { OnMoveKey(step); });
}

void MainWindow::PasteKey() {
  Dispatch([this] { OnPasteKey(); });
}

void MainWindow::OnRunClicked() { run_in_order_.Run(*this); }

std::optional<std::wstring> MainWindow::ItemText(launch::ItemId item) {
  const int index = list_.IndexOf(item);
  if (index < 0) return std::nullopt;
  return list_.Text(index);
}

// The item's start is told, if it failed, before its process is waited for;
// then the events that came meanwhile run.
void MainWindow::RunItem(const std::wstring& item_text, int show_command) {
  const launch::StartOutcome outcome = launch::StartItem(item_text, show_command, Handle());
  ReportStart(item_text, outcome);
  rt::WaitAnsweringSentMessages(outcome.process.get());
  DeliverWaitingMessages();
}

void MainWindow::ReportStart(const std::wstring& item_text, const launch::StartOutcome& outcome) {
  switch (outcome.result) {
    case launch::StartResult::kStarted:
      return;
    case launch::StartResult::kNoAssociatedProgram:
      ShowMessageBox(texts::NoAssociatedProgram(item_text), MB_OK | MB_ICONEXCLAMATION,
                     texts::kProgramNotFoundTitle);
      return;
    case launch::StartResult::kNoBrowser:
      ShowMessageBox(texts::kNoBrowser, MB_OK | MB_ICONEXCLAMATION, texts::kBrowserNotFoundTitle);
      return;
    case launch::StartResult::kProbeNotWritten:
      ShowMessageBox(texts::BrowserProbeNotWritten(
                         item_text, texts::FailureDescription(*outcome.probe_failure)),
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

void MainWindow::ReportFailedStart(const std::wstring& item_text, const rt::Failure& failure) {
  ReportNotStarted(item_text, texts::FailureDescription(failure));
}

void MainWindow::ReportNotStarted(const std::wstring& item_text, const std::wstring& reason) {
  ShowMessageBox(texts::CannotStart(item_text, reason), MB_OK | MB_ICONEXCLAMATION,
                 texts::kProgramName);
}

// The caption carries the count as well: the button of a minimised window
// shows it where the taskbar shows no progress of its own (Wine's shows none).
void MainWindow::ShowProgress(int started, int total) {
  if (!taskbar_progress_) taskbar_progress_.emplace(Handle());
  taskbar_progress_->Show(started, total);
  SetWindowTextW(Handle(), texts::WalkProgressCaption(started, total).c_str());
}

void MainWindow::ClearProgress() {
  taskbar_progress_.reset();
  // Nothing to clear on a window already closed.
  if (Handle()) SetWindowTextW(Handle(), texts::kProgramName);
}

}  // namespace app
