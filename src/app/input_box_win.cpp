#include "app/input_box_win.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/integer_pointers_win.h"
#include "app/message_box_win.h"
#include "app/texts.h"

namespace app {

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kAnswerId = 101;

// Builds a DLGTEMPLATE in memory, so the box needs no resource of its own.
class DialogTemplate {
 public:
  DialogTemplate(std::wstring_view font, WORD point_size, short cx, short cy) {
    Align(4);
    const DWORD style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    Add(style);
    Add(DWORD{0});  // extended style
    count_at_ = words_.size();
    Add(WORD{0});   // number of controls, filled in by AddControl
    Add(short{0});  // x
    Add(short{0});  // y
    Add(cx);
    Add(cy);
    Add(WORD{0});  // no menu
    Add(WORD{0});  // default dialog class
    Add(WORD{0});  // empty title: set at WM_INITDIALOG
    Add(point_size);
    AddText(font);
  }

  void AddControl(WORD atom, DWORD style, short x, short y, short cx, short cy, WORD id,
                  std::wstring_view text) {
    Align(4);
    Add(style | WS_CHILD | WS_VISIBLE);
    Add(DWORD{0});
    Add(x);
    Add(y);
    Add(cx);
    Add(cy);
    Add(id);
    Add(WORD{0xFFFF});
    Add(atom);
    AddText(text);
    Add(WORD{0});  // no creation data
    ++words_[count_at_];
  }

  const DLGTEMPLATE* Template() const {
    return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
  }

 private:
  void Add(WORD value) { words_.push_back(value); }
  void Add(short value) { words_.push_back(static_cast<WORD>(value)); }
  void Add(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void AddText(std::wstring_view text) {
    for (wchar_t c : text) words_.push_back(static_cast<WORD>(c));
    words_.push_back(0);
  }
  // DLGITEMTEMPLATEs start on a DWORD boundary; the vector's storage does.
  void Align(size_t bytes) {
    while ((words_.size() * sizeof(WORD)) % bytes != 0) words_.push_back(0);
  }

  std::vector<WORD> words_;
  size_t count_at_ = 0;
};

enum ControlAtom : WORD { kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082 };

struct InputBoxState {
  std::wstring prompt;
  std::wstring title;
  std::wstring answer;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* state = PointerFromInteger<InputBoxState*>(lparam);
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      SetWindowTextW(dialog, state->title.c_str());
      SetDlgItemTextW(dialog, kPromptId, state->prompt.c_str());
      SetFocus(GetDlgItem(dialog, kAnswerId));
      return FALSE;  // the focus was set here
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        auto* state = PointerFromInteger<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        const HWND edit = GetDlgItem(dialog, kAnswerId);
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(
            static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        state->answer = std::move(text);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

std::wstring InputBox(std::wstring_view prompt, std::wstring_view title) {
  DialogTemplate dialog(L"MS Shell Dlg", 8, 240, 84);
  dialog.AddControl(kStatic, SS_LEFT, 7, 7, 170, 44, kPromptId, L"");
  dialog.AddControl(kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 184, 7, 50, 14, IDOK, texts::kOk);
  dialog.AddControl(kButton, BS_PUSHBUTTON | WS_TABSTOP, 184, 25, 50, 14, IDCANCEL, texts::kCancel);
  dialog.AddControl(kEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 62, 226, 13, kAnswerId, L"");
  InputBoxState state{std::wstring(prompt), std::wstring(title), {}};
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Template(), BoxOwner(),
                              InputBoxProc, reinterpret_cast<LPARAM>(&state));
  return result == IDOK ? state.answer : std::wstring();
}

}  // namespace app
