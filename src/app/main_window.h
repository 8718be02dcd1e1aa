// The main window: the list of items and the four command buttons beneath
// it. Every event of the program is one of its handlers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/drop_target_win.h"
#include "app/layout.h"
#include "app/list_box_win.h"
#include "app/list_store_win.h"
#include "app/push_button_win.h"
#include "app/start_options.h"
#include "app/taskbar_progress_win.h"
#include "app/window_win.h"
#include "launch/run_in_order.h"
#include "launch/start_item_win.h"

namespace app {

class MainWindow final : public Window,
                         private launch::LauncherWindow,
                         private LayoutWindow,
                         private ListBox::Events {
 public:
  // `open_window_mark` marks the window as its folder's open window;
  // `start_options` are the arguments the program was started with.
  MainWindow(std::wstring open_window_mark, StartOptions start_options)
      : open_window_mark_(std::move(open_window_mark)), start_options_(std::move(start_options)) {}
  ~MainWindow() override;

  // Creates the window and its controls, runs LoadList and shows the window;
  // started with /run, it then runs the ticked items.
  void Load();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Where the window's messages go.
  void OnCommand(int id, int notification);
  // A key in the list: what the list box is to do with it (WM_VKEYTOITEM).
  LRESULT OnListKey(WORD key);
  void OnShown();
  void OnSize();
  void OnEnabled();
  void OnFocus();
  void OnClose();
  void OnRunAsked();
  // Closing the window and the end of the session both unload it, once.
  void Close();

  // Event handlers.
  void LoadList();
  void LayOut();
  void SaveList();
  void OnAddClicked();
  void OnRemoveClicked();
  void OnRunClicked();
  void OnAddAddressClicked();
  void OnItemClicked();
  void OnFilesDropped(const std::vector<std::wstring>& files);
  void OnItemDragged(int from, int to);
  void OnMoveKey(int step);
  void OnPasteKey();
  void OnDeleteKey();
  // `position` is the point of the screen, or (-1, -1) for the menu key.
  void OnContextMenu(LPARAM position);

  // launch::LauncherWindow
  void Minimise() override { ShowWindow(Handle(), SW_MINIMIZE); }
  void Restore() override { ShowWindow(Handle(), SW_RESTORE); }
  std::vector<launch::ItemId> SelectedItems() override { return list_.SelectedIds(); }
  std::optional<std::wstring> ItemText(launch::ItemId item) override;
  bool Closed() override { return closed_; }
  void RunItem(const std::wstring& item_text, int show_command) override;
  void ReportFailedStart(const std::wstring& item_text, const rt::Failure& failure) override;
  // Tells the user how the item's start failed, if it did.
  void ReportStart(const std::wstring& item_text, const launch::StartOutcome& outcome);
  void ReportNotStarted(const std::wstring& item_text, const std::wstring& reason);
  void ShowProgress(int started, int total) override;
  void ClearProgress() override;

  // ListBox::Events
  void ItemDragged(int from, int to) override;
  void MoveKey(int step) override;
  void PasteKey() override;

  // LayoutWindow
  float ClientWidth() override { return Window::ClientWidth(); }
  float ClientHeight() override { return Window::ClientHeight(); }
  void RedefineVerticalUnit(float units) override { Window::RedefineVerticalUnit(units); }
  LayoutControl& List() override { return list_layout_; }
  LayoutControl& AddButton() override { return add_layout_; }
  LayoutControl& RemoveButton() override { return remove_layout_; }
  LayoutControl& AddAddressButton() override { return add_address_layout_; }
  LayoutControl& RunButton() override { return run_layout_; }

  ListBox list_;
  PushButton add_button_;
  PushButton remove_button_;
  PushButton run_button_;
  PushButton add_address_button_;
  LayoutControlOf<ListBox> list_layout_{list_};
  LayoutControlOf<PushButton> add_layout_{add_button_};
  LayoutControlOf<PushButton> remove_layout_{remove_button_};
  LayoutControlOf<PushButton> run_layout_{run_button_};
  LayoutControlOf<PushButton> add_address_layout_{add_address_button_};
  FileDropTarget* drop_target_ = nullptr;
  HWND focus_before_deactivation_ = nullptr;
  launch::RunInOrder run_in_order_;
  std::wstring open_window_mark_;
  // Set when the load could not read the store whole: the list as loaded.
  std::optional<std::string> list_from_unread_store_;
  // While a walk runs.
  std::optional<TaskbarProgress> taskbar_progress_;
  StartOptions start_options_;
  // A run was asked for while a box was up.
  bool run_when_enabled_ = false;
  bool closed_ = false;
  bool shown_ = false;
  // While the window is first shown: the client size it was laid out for
  // just before it appeared.
  std::optional<SIZE> first_layout_size_;
};

}  // namespace app
