// The floor for Tavimo's window: one window with a list box and four buttons,
// made the plainest way, with the same themed controls (its manifest asks for
// Common Controls 6, as Tavimo's does). When exefiles.dat lies beside it, it
// fills the list with the file's texts the fastest way before the window
// shows; when it is closed it writes the list back to that file in one write
// and a flush. With --drop-target on its command line it also takes OLE
// drops on its list, refusing every one: what accepting files from the shell
// costs at start, on its own. With --walk as well, once shown it minimises
// itself and does the floor's walk with the shell's look-up of each
// document, and ends: what Tavimo's walk costs given the window it keeps open
// and the look-up it must make. It shares no code with Tavimo.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <ole2.h>

#include <cstring>
#include <string>

#include "floor_walk_loop.h"

namespace {

constexpr wchar_t kStoreFileName[] = L"exefiles.dat";

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return true;
}

// Each line is "text",#FALSE# or "text",#TRUE#: the text ends at the quote
// before the line's last comma, which becomes its terminating NUL in place.
void FillList(HWND list, std::string& bytes) {
  char* at = bytes.data();
  char* const end = at + bytes.size();
  size_t lines = 0;
  for (const char* c = at; c < end; ++c) lines += *c == '\n';
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_INITSTORAGE, lines, static_cast<LPARAM>(bytes.size() * sizeof(wchar_t)));
  while (at < end) {
    char* line_end = static_cast<char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
    if (!line_end) line_end = end;
    char* comma = line_end;
    while (comma > at && *comma != ',') --comma;
    if (*at == '"' && comma - at >= 2 && comma[-1] == '"') {
      comma[-1] = '\0';
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(at + 1));
    }
    at = line_end + 1;
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

// The list as record lines, written in one write and flushed.
void WriteList(HWND list, const std::wstring& path) {
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    const size_t at = bytes.size();
    bytes.resize(at + 1 + static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1);
    bytes[at] = '"';
    const LRESULT length =
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(bytes.data() + at + 1));
    bytes.resize(at + 1 + static_cast<size_t>(length));
    bytes += SendMessageW(list, LB_GETSEL, i, 0) > 0 ? "\",#TRUE#\r\n" : "\",#FALSE#\r\n";
  }
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  FlushFileBuffers(file);
  CloseHandle(file);
}

// Takes no drop; it lives as long as the program.
class RefusingDropTarget final : public IDropTarget {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
};

HWND g_list = nullptr;
bool g_store_read = false;
bool g_takes_drops = false;
RefusingDropTarget g_drop_target;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE:
      if (g_store_read) WriteList(g_list, bench::BesideProgram(kStoreFileName));
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (g_takes_drops) RevokeDragDrop(g_list);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND AddChild(HWND parent, const wchar_t* window_class, const wchar_t* caption, DWORD style,
              DWORD ex_style, int x, int y, int width, int height) {
  const HWND child = CreateWindowExW(ex_style, window_class, caption, style | WS_CHILD | WS_VISIBLE,
                                     x, y, width, height, parent, nullptr, nullptr, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  return child;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  g_takes_drops = std::strstr(command_line, "--drop-target") != nullptr;
  if (g_takes_drops) OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"FloorWindow";
  RegisterClassW(&window_class);
  const HWND window =
      CreateWindowExW(WS_EX_TOPMOST, L"FloorWindow", L"Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 243, 400, nullptr, nullptr, instance, nullptr);
  g_list = AddChild(window, L"LISTBOX", L"",
                    WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_MULTIPLESEL,
                    WS_EX_CLIENTEDGE, 0, 0, 227, 295);
  // Without its drop target it would measure nothing: it ends at once.
  if (g_takes_drops && FAILED(RegisterDragDrop(g_list, &g_drop_target))) return 1;
  AddChild(window, L"BUTTON", L"增加項目", BS_PUSHBUTTON, 0, 0, 295, 113, 33);
  AddChild(window, L"BUTTON", L"移除項目", BS_PUSHBUTTON, 0, 113, 295, 114, 33);
  AddChild(window, L"BUTTON", L"加入網址", BS_PUSHBUTTON, 0, 0, 328, 113, 33);
  AddChild(window, L"BUTTON", L"順序執行", BS_PUSHBUTTON, 0, 113, 328, 114, 33);

  std::string store;
  g_store_read = ReadWholeFile(bench::BesideProgram(kStoreFileName), store);
  if (g_store_read) FillList(g_list, store);
  std::string().swap(store);

  ShowWindow(window, SW_SHOWNORMAL);
  int exit_code = 0;
  if (std::strstr(command_line, "--walk")) {
    ShowWindow(window, SW_MINIMIZE);
    exit_code = bench::WalkCommandsBesideProgram(true);
    DestroyWindow(window);
  } else {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (g_takes_drops) OleUninitialize();
  return exit_code;
}
