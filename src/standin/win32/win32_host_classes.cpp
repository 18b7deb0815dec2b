#include "standin/win32/win32_host_classes.h"

#include <cstring>
#include <memory>
#include <vector>

#include "host/win32_handles.h"
#include "host/host_names.h"
#include "host/window_search.h"
#include "standin/win32/win32_host_layout.h"

namespace velto::standin {

using host::FromHwnd;
namespace {

namespace cls = host::host_class;

constexpr char kRecordProperty[] = "VeltoStandinWindow";
constexpr UINT kFirstMdiChildId = 0xFF00;

HINSTANCE Module() {
  return ::GetModuleHandleA(nullptr);
}

// What we keep for each host window: the model's reaction, and what the window's own
// handling needs.
struct WindowRecord {
  Reaction reaction;
  WNDPROC controlProc = nullptr;  // a control's own procedure, under our subclass
  HWND mdiClient = nullptr;       // the frame's MDI client, for DefFrameProc
  // A check box's watcher, and the state it last heard of.
  std::function<void(bool checked)> checkChanged;
  bool checked = false;
  // A mail list's entries as the host keeps them, NULs and all: the system's list box
  // shows them only up to a NUL, so LB_GETTEXTLEN and LB_GETTEXT answer from here.
  std::vector<std::string> itemBytes;
  bool answersFromBytes = false;
};
// Shared, so that a message whose handling destroys the window can still react.
using RecordPtr = std::shared_ptr<WindowRecord>;

void Attach(HWND hwnd, RecordPtr record) {
  ::SetPropA(hwnd, kRecordProperty, new RecordPtr(std::move(record)));
}

RecordPtr RecordOf(HWND hwnd) {
  const auto* held = static_cast<const RecordPtr*>(::GetPropA(hwnd, kRecordProperty));
  return held ? *held : nullptr;
}

void Detach(HWND hwnd) {
  delete static_cast<RecordPtr*>(::RemovePropA(hwnd, kRecordProperty));
}

// The messages the host model reacts to. Painting, focus and destruction never reach it,
// nor the notifications controls send their parent (a WM_COMMAND with the control's
// handle); a menu's command (lParam 0) does.
bool ForTheModel(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
    case WM_CHAR:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_CLOSE:
      return true;
    case WM_COMMAND:
      return lParam == 0;
    default:
      return false;
  }
}

unsigned answerDelayMilliseconds = 0;

// Every message ends here, after the window's own handling: the model reacts, and the
// last message of the window frees its record. A slow host answers another program's
// messages late.
LRESULT Finish(const RecordPtr& record, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
               LRESULT result) {
  if (record && record->reaction && ForTheModel(message, lParam)) {
    HostMessage seen{message, static_cast<std::uint32_t>(wParam), {}};
    if (message == WM_SETTEXT && lParam)
      seen.textBytes = reinterpret_cast<const char*>(lParam);
    record->reaction(FromHwnd(hwnd), seen);
  }
  if (message == WM_NCDESTROY)
    Detach(hwnd);
  if (answerDelayMilliseconds && ::InSendMessage())
    ::Sleep(answerDelayMilliseconds);
  return result;
}

// A check box's state may change in any message it handles (a click, BM_SETCHECK, a
// key); its watcher hears of each change once.
void NoticeCheckChange(WindowRecord& record, HWND box) {
  if (!record.checkChanged)
    return;
  const bool checked = ::CallWindowProcA(record.controlProc, box, BM_GETCHECK, 0, 0) == BST_CHECKED;
  if (checked == record.checked)
    return;
  record.checked = checked;
  record.checkChanged(checked);
}

bool IsListBox(HWND window) {
  char name[32] = {};
  ::GetClassNameA(window, name, sizeof name);
  return ::lstrcmpiA(name, std::string(cls::kListBox).c_str()) == 0;
}

// LB_GETTEXTLEN and LB_GETTEXT of a list that keeps its entries' bytes.
LRESULT AnswerFromBytes(const WindowRecord& record, UINT message, WPARAM wParam, LPARAM lParam) {
  if (wParam >= record.itemBytes.size())
    return LB_ERR;
  const std::string& bytes = record.itemBytes[wParam];
  if (message == LB_GETTEXT) {
    if (!lParam)
      return LB_ERR;
    std::memcpy(reinterpret_cast<char*>(lParam), bytes.c_str(), bytes.size() + 1);
  }
  return static_cast<LRESULT>(bytes.size());
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const RecordPtr record = RecordOf(hwnd);
  if (!record)
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  // The host's people list opens the person of the selected entry on a double click,
  // wherever the click lands (a posted one lands at 0, 0); the system's list box could
  // move the selection to the point of the click first.
  if (message == WM_LBUTTONDBLCLK && IsListBox(hwnd))
    return Finish(record, hwnd, message, wParam, lParam, 0);
  if (record->answersFromBytes && (message == LB_GETTEXTLEN || message == LB_GETTEXT))
    return Finish(record, hwnd, message, wParam, lParam,
                  AnswerFromBytes(*record, message, wParam, lParam));
  const LRESULT result = ::CallWindowProcA(record->controlProc, hwnd, message, wParam, lParam);
  if (message != WM_NCDESTROY)  // the control has let go of its state by then
    NoticeCheckChange(*record, hwnd);
  return Finish(record, hwnd, message, wParam, lParam, result);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const RecordPtr record = RecordOf(hwnd);
  if (message == WM_SIZE) {
    // Handled here, not by DefFrameProc, which would give the MDI client the whole
    // client area and leave no room for the toolbar.
    LayOutHostWindow(hwnd);
    return 0;
  }
  if (message == WM_DESTROY)
    ::PostQuitMessage(0);
  HWND mdi = record ? record->mdiClient : nullptr;
  const LRESULT result = ::DefFrameProcA(hwnd, mdi, message, wParam, lParam);
  return Finish(record, hwnd, message, wParam, lParam, result);
}

// A window the model reacts to closes only when its reaction says so (a mail that asks
// whether to save first); the others close as the system closes them.
bool ClosesOnlyByItsReaction(const RecordPtr& record, UINT message) {
  return message == WM_CLOSE && record && record->reaction;
}

LRESULT CALLBACK HostChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const RecordPtr record = RecordOf(hwnd);
  if (message == WM_PAINT) {
    PaintHostWindow(hwnd);
    return 0;
  }
  // WM_SIZE goes on to DefMDIChildProc as well, which MDI needs for maximizing.
  if (message == WM_SIZE)
    LayOutHostWindow(hwnd);
  if (ClosesOnlyByItsReaction(record, message))
    return Finish(record, hwnd, message, wParam, lParam, 0);
  const LRESULT result = ::DefMDIChildProcA(hwnd, message, wParam, lParam);
  return Finish(record, hwnd, message, wParam, lParam, result);
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const RecordPtr record = RecordOf(hwnd);
  if (message == WM_PAINT) {
    PaintHostWindow(hwnd);
    return 0;
  }
  if (message == WM_SIZE) {
    LayOutHostWindow(hwnd);
    return 0;
  }
  if (ClosesOnlyByItsReaction(record, message))
    return Finish(record, hwnd, message, wParam, lParam, 0);
  const LRESULT result = ::DefWindowProcA(hwnd, message, wParam, lParam);
  return Finish(record, hwnd, message, wParam, lParam, result);
}

// The host's controls: each a real control of the system class, under the host's name.
struct ControlKind {
  std::string_view hostClass;
  const char* systemClass;
  DWORD style;
};

constexpr ControlKind kControls[] = {
    {cls::kRichText, "EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {cls::kIcon, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON},
    {cls::kListBox, "LISTBOX", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT},
    {cls::kTree, "LISTBOX",
     WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS | LBS_NOTIFY},
    {cls::kAolEdit, "EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {cls::kView, "EDIT", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY},
    {cls::kStatic, "STATIC", SS_LEFT},
    {host::host_class::kCheckBox, "BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX},
    // The keyword box is the system's own edit control, not a superclass of it.
    {cls::kEdit, "EDIT", WS_TABSTOP | ES_AUTOHSCROLL},
};

const ControlKind* ControlKindOf(std::string_view className) {
  for (const ControlKind& kind : kControls) {
    if (kind.hostClass == className)
      return &kind;
  }
  return nullptr;
}

void RegisterSuperclass(const ControlKind& kind) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!::GetClassInfoExA(nullptr, kind.systemClass, &wc))
    return;
  // Same procedure, extra bytes and cursor as the system's control; only the name is the host's.
  const std::string name(kind.hostClass);
  wc.hInstance = Module();
  wc.lpszClassName = name.c_str();
  wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  ::RegisterClassExA(&wc);
}

void RegisterOwnClass(std::string_view className, WNDPROC proc, int backgroundColour) {
  const std::string name(className);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = proc;
  wc.hInstance = Module();
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  // The exe's own icon (resource 1); none in test programs.
  wc.hIcon = ::LoadIconA(Module(), MAKEINTRESOURCEA(1));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(backgroundColour + 1));
  wc.lpszClassName = name.c_str();
  ::RegisterClassExA(&wc);  // fails harmlessly when an earlier instance registered it
}

HWND CreateFrame(const std::string& caption) {
  const Place place = FramePlace();
  return ::CreateWindowExA(0, std::string(cls::kFrame).c_str(), caption.c_str(),
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, place.x, place.y,
                           place.width, place.height, nullptr, nullptr, Module(), nullptr);
}

HWND CreateMdiClient(HWND frame) {
  CLIENTCREATESTRUCT client{};
  client.idFirstChild = kFirstMdiChildId;
  HWND mdi = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                               WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0,
                               0, 0, 0, frame, nullptr, Module(), &client);
  if (const RecordPtr frameRecord = RecordOf(frame))
    frameRecord->mdiClient = mdi;
  return mdi;
}

HWND CreateHostChild(HWND mdiClient, const std::string& caption) {
  const Place place = HostChildPlace(caption);
  const std::string className(cls::kChild);
  MDICREATESTRUCTA create{};
  create.szClass = className.c_str();
  create.szTitle = caption.c_str();
  create.hOwner = Module();
  create.x = place.x;
  create.y = place.y;
  create.cx = place.width;
  create.cy = place.height;
  create.style = WS_CLIPCHILDREN;
  return reinterpret_cast<HWND>(
      ::SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

// The first rich-text box of a window holds many lines (the transcript, an instant
// message); a later one is the single-line chat input, where Enter must not add a line.
DWORD ControlStyle(HWND parent, const ControlKind& kind) {
  DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
  const bool firstRichText =
      kind.hostClass == cls::kRichText &&
      !::FindWindowExA(parent, nullptr, std::string(cls::kRichText).c_str(), nullptr);
  if (firstRichText)
    style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
  return style;
}

HWND CreateControl(HWND parent, const ControlKind& kind, const std::string& caption,
                   const RecordPtr& record, int id) {
  const std::string className =
      kind.hostClass == cls::kEdit ? kind.systemClass : std::string(kind.hostClass);
  HWND control = ::CreateWindowExA(
      0, className.c_str(), caption.c_str(), ControlStyle(parent, kind), 0, 0, 0, 0, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(), nullptr);
  if (!control)
    return nullptr;
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  Attach(control, record);
  record->controlProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
  return control;
}

HWND CreatePanel(HWND parent, std::string_view className, const std::string& caption, int id) {
  RegisterOwnClass(className, PanelProc, COLOR_BTNFACE);
  const DWORD style = WS_VISIBLE | WS_CLIPCHILDREN | (parent ? WS_CHILD : WS_OVERLAPPEDWINDOW);
  // A top-level one (the host's dialogs) opens where a person sees it.
  const Place place = parent ? Place{} : TopLevelPlace();
  return ::CreateWindowExA(0, std::string(className).c_str(), caption.c_str(), style, place.x,
                           place.y, place.width, place.height, parent,
                           parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr,
                           Module(), nullptr);
}

}  // namespace

void RegisterHostClasses() {
  for (const ControlKind& kind : kControls) {
    if (kind.hostClass != cls::kEdit)
      RegisterSuperclass(kind);
  }
  RegisterOwnClass(cls::kFrame, FrameProc, COLOR_APPWORKSPACE);
  RegisterOwnClass(cls::kChild, HostChildProc, COLOR_BTNFACE);
  RegisterOwnClass(cls::kToolbar, PanelProc, COLOR_BTNFACE);
  RegisterOwnClass(cls::kInnerToolbar, PanelProc, COLOR_BTNFACE);
  RegisterOwnClass(cls::kComboBox, PanelProc, COLOR_WINDOW);
}

HWND CreateHostWindow(HWND parent, std::string_view className, const std::string& captionBytes,
                      Reaction reaction, int controlId) {
  auto record = std::make_shared<WindowRecord>();
  record->reaction = std::move(reaction);
  if (const ControlKind* control = ControlKindOf(className)) {
    return CreateControl(parent, *control, captionBytes, record, controlId);
  }
  if (className == cls::kMdiClient) {
    return CreateMdiClient(parent);  // the system's own window: nothing of ours to react
  }
  HWND window = nullptr;
  if (className == cls::kFrame) {
    window = CreateFrame(captionBytes);
  } else if (className == cls::kChild && IsMdiClient(parent)) {
    window = CreateHostChild(parent, captionBytes);
  } else {
    window = CreatePanel(parent, className, captionBytes, controlId);
  }
  // Our own procedures work without the record until it is here.
  if (window)
    Attach(window, std::move(record));
  return window;
}

void KeepListBytes(HWND list, std::vector<std::string> itemBytes) {
  const RecordPtr record = RecordOf(list);
  if (!record)
    return;
  record->itemBytes = std::move(itemBytes);
  record->answersFromBytes = true;
}

void WatchCheckBox(HWND box, std::function<void(bool checked)> changed) {
  const RecordPtr record = RecordOf(box);
  if (!record)
    return;
  record->checked = ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
  record->checkChanged = std::move(changed);
}

bool IsMdiClient(HWND window) {
  char name[32] = {};
  ::GetClassNameA(window, name, sizeof name);
  return ::lstrcmpiA(name, std::string(cls::kMdiClient).c_str()) == 0;
}

void SetHostAnswerDelay(unsigned milliseconds) {
  answerDelayMilliseconds = milliseconds;
}

}  // namespace velto::standin
