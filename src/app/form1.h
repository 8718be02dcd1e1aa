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

class Form1 final : public Form,
                    private launch::LauncherWindow,
                    private LayoutForm,
                    private ListBox::Events {
 public:
  // `open_window_mark` marks the window as its folder's open window.
  explicit Form1(std::wstring open_window_mark) : open_window_mark_(std::move(open_window_mark)) {}
  ~Form1() override;

  // Creates the window and its controls, runs Form_Load and shows the window;
  // started with /run, it then runs the ticked items.
  void Load();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnCommand(int id, int notification);
  // Closing the window and the end of the session both unload it, once.
  void Unload();

  // Event handlers.
  void Form_Load();
  void Form_Resize();
  void Form_Unload();
  void CAdd_Click();
  void CDel_Click();
  void CExe_Click();
  void CWeb_Click();
  void Lst_Click();
  void Lst_OLEDragDrop(const std::vector<std::wstring>& files);
  void Lst_DragDrop(int from, int to);
  void Lst_MoveKey(int step);
  void Lst_PasteKey();
  void Lst_DeleteKey();
  // `position` is the point of the screen, or (-1, -1) for the menu key.
  void Lst_ContextMenu(LPARAM position);

  // launch::LauncherWindow
  void Minimise() override { SetWindowState(1); }
  void Restore() override { SetWindowState(0); }
  std::vector<launch::ItemId> SelectedItems() override { return Lst.SelectedIds(); }
  std::optional<std::wstring> ItemText(launch::ItemId item) override;
  bool Unloaded() override { return unloaded_; }
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

  // LayoutForm
  float ScaleWidth() override { return Form::ScaleWidth(); }
  float ScaleHeight() override { return Form::ScaleHeight(); }
  void SetScaleHeight(float units) override { Form::SetScaleHeight(units); }
  LayoutControl& List() override { return lst_layout_; }
  LayoutControl& AddButton() override { return cadd_layout_; }
  LayoutControl& RemoveButton() override { return cdel_layout_; }
  LayoutControl& WebButton() override { return cweb_layout_; }
  LayoutControl& RunButton() override { return cexe_layout_; }

  ListBox Lst;
  CommandButton CAdd;
  CommandButton CDel;
  CommandButton CExe;
  CommandButton CWeb;
  LayoutControlOf<ListBox> lst_layout_{Lst};
  LayoutControlOf<CommandButton> cadd_layout_{CAdd};
  LayoutControlOf<CommandButton> cdel_layout_{CDel};
  LayoutControlOf<CommandButton> cexe_layout_{CExe};
  LayoutControlOf<CommandButton> cweb_layout_{CWeb};
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
  bool unloaded_ = false;
  bool shown_ = false;
  // While the window is first shown: the client size it was laid out for
  // just before it appeared.
  std::optional<SIZE> first_layout_size_;
};

}  // namespace app
