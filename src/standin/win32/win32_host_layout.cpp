#include "standin/win32/win32_host_layout.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "host/host_names.h"
#include "host/window_search.h"

namespace velto::standin {
namespace {

namespace cls = host::host_class;

// Narrow enough to stay clear of the screen's centre, where message boxes come up.
constexpr int kFrameWidth = 570;
constexpr int kFrameHeight = 500;
constexpr int kFrameTop = 40;
constexpr int kScreenEdgeGap = 16;
constexpr int kToolbarHeight = 36;
constexpr int kToolbarInset = 3;
constexpr int kKeywordLabelWidth = 72;
constexpr int kKeywordBoxWidth = 260;
constexpr int kKeywordBoxLeastWidth = 120;
constexpr int kKeywordBoxHeight = 22;
constexpr int kComboBorder = 2;
constexpr int kToolbarIconWidth = 40;
constexpr int kToolbarIconGap = 2;
constexpr int kGlyphSize = 48;
constexpr int kMargin = 6;
constexpr int kRowHeight = 24;
constexpr int kPeopleWidth = 140;
constexpr int kPeopleLabelHeight = 18;

// Inside the MDI client: the chat room over the welcome window's lower part, so that
// both captions show; an instant-message window over the room's transcript.
constexpr Place kWelcomePlace{6, 6, 320, 140};
constexpr Place kChatRoomPlace{6, 44, 532, 350};
constexpr Place kInstantMessagePlace{150, 90, 380, 250};
constexpr Place kPersonPlace{200, 70, 300, 170};
constexpr Place kMailboxPlace{10, 10, 530, 380};
constexpr Place kFiledMailPlace{40, 60, 480, 300};
constexpr Place kDialogSize{0, 0, 360, 300};
constexpr int kIconsPerRow = 8;
constexpr int kPageHeaderHeight = 20;

constexpr COLORREF kToolbarColour = RGB(0, 51, 102);
constexpr COLORREF kInnerToolbarColour = RGB(214, 223, 236);
constexpr COLORREF kTitleColour = RGB(0, 51, 102);
constexpr COLORREF kGlyphColour = RGB(255, 204, 0);

bool HasClass(HWND window, std::string_view className) {
  char name[64] = {};
  ::GetClassNameA(window, name, sizeof name);
  return ::lstrcmpiA(name, std::string(className).c_str()) == 0;
}

std::vector<HWND> ChildrenOfClass(HWND parent, std::string_view className) {
  const std::string name(className);
  std::vector<HWND> children;
  for (HWND child = ::FindWindowExA(parent, nullptr, name.c_str(), nullptr); child;
       child = ::FindWindowExA(parent, child, name.c_str(), nullptr)) {
    children.push_back(child);
  }
  return children;
}

HWND FirstChild(HWND parent, std::string_view className) {
  return ::FindWindowExA(parent, nullptr, std::string(className).c_str(), nullptr);
}

void Put(HWND window, int x, int y, int width, int height) {
  if (!window)
    return;
  ::SetWindowPos(window, nullptr, x, y, std::max(width, 0), std::max(height, 0),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

struct Extent {
  int cx = 0;
  int cy = 0;
};

Extent ClientSize(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return Extent{static_cast<int>(client.right), static_cast<int>(client.bottom)};
}

void LayOutFrame(HWND frame, Extent size) {
  Put(FirstChild(frame, cls::kToolbar), 0, 0, size.cx, kToolbarHeight);
  Put(FirstChild(frame, cls::kMdiClient), 0, kToolbarHeight, size.cx, size.cy - kToolbarHeight);
}

// The transcript and the chat input on the left; the people in the room, with their
// count above and a button below, on the right.
void LayOutChatRoom(HWND room, const std::vector<HWND>& richText, Extent size) {
  const int right = size.cx - kMargin - kPeopleWidth;
  const int bottomRow = size.cy - kMargin - kRowHeight;
  const int leftWidth = right - 2 * kMargin;
  Put(richText[0], kMargin, kMargin, leftWidth, bottomRow - 2 * kMargin);
  Put(richText[1], kMargin, bottomRow, leftWidth, kRowHeight);
  Put(FirstChild(room, cls::kStatic), right, kMargin, kPeopleWidth, kPeopleLabelHeight);
  const int listTop = kMargin + kPeopleLabelHeight + 2;
  Put(FirstChild(room, cls::kListBox), right, listTop, kPeopleWidth, bottomRow - kMargin - listTop);
  Put(FirstChild(room, cls::kIcon), right, bottomRow, kPeopleWidth, kRowHeight);
}

// The message on top, the window's buttons in one row below it.
void LayOutInstantMessage(HWND richText, const std::vector<HWND>& icons, Extent size) {
  const int bottomRow = size.cy - kMargin - kRowHeight;
  Put(richText, kMargin, kMargin, size.cx - 2 * kMargin, bottomRow - 2 * kMargin);
  if (icons.empty())
    return;
  const int count = static_cast<int>(icons.size());
  const int width = (size.cx - 2 * kMargin) / count;
  for (int i = 0; i < count; ++i) {
    Put(icons[static_cast<std::size_t>(i)], kMargin + i * width, bottomRow, width - 2, kRowHeight);
  }
}

// The keyword box after its label, then the icons in a row; the box gives up room to
// the icons down to its least width, and then the icons get narrower.
void LayOutInnerToolbar(HWND inner, Extent size) {
  const std::vector<HWND> icons = ChildrenOfClass(inner, cls::kIcon);
  const int count = static_cast<int>(icons.size());
  const int room = size.cx - kKeywordLabelWidth - 2 * kMargin;
  const int boxWidth = std::clamp(room - count * (kToolbarIconWidth + kToolbarIconGap),
                                  kKeywordBoxLeastWidth, kKeywordBoxWidth);
  const int iconRoom = room - boxWidth;
  const int iconWidth = count ? std::min(kToolbarIconWidth, iconRoom / count - kToolbarIconGap) : 0;
  const int iconHeight = size.cy - 2 * kToolbarInset;
  Put(FirstChild(inner, cls::kComboBox), kKeywordLabelWidth, (size.cy - kKeywordBoxHeight) / 2,
      boxWidth, kKeywordBoxHeight);
  int x = kKeywordLabelWidth + boxWidth + kMargin;
  for (HWND icon : icons) {
    Put(icon, x, kToolbarInset, iconWidth, iconHeight);
    x += iconWidth + kToolbarIconGap;
  }
}

// The person's picture and name at the top, the check box under them, the window's
// buttons in one row at the bottom.
void LayOutPersonWindow(HWND person, Extent size) {
  Put(FirstChild(person, host::host_class::kGlyph), kMargin, kMargin, kGlyphSize, kGlyphSize);
  const int right = kMargin + kGlyphSize + kMargin;
  Put(FirstChild(person, cls::kStatic), right, kMargin, size.cx - right - kMargin, kRowHeight);
  Put(FirstChild(person, host::host_class::kCheckBox), kMargin, 2 * kMargin + kGlyphSize,
      size.cx - 2 * kMargin, kRowHeight);
  const std::vector<HWND> icons = ChildrenOfClass(person, cls::kIcon);
  if (icons.empty())
    return;
  const int count = static_cast<int>(icons.size());
  const int width = (size.cx - 2 * kMargin) / count;
  const int bottomRow = size.cy - kMargin - kRowHeight;
  for (int i = 0; i < count; ++i) {
    Put(icons[static_cast<std::size_t>(i)], kMargin + i * width, bottomRow, width - 2, kRowHeight);
  }
}

// Controls that take the room a form has left, shared among them; the others get a row.
bool IsBig(HWND control) {
  return HasClass(control, cls::kRichText) || HasClass(control, host::host_class::kView) ||
         HasClass(control, host::host_class::kTabControl) ||
         HasClass(control, host::host_class::kTree);
}

std::vector<HWND> ChildrenInOrder(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

void LayOutForm(HWND form, Extent size) {
  std::vector<HWND> rows, icons;
  int big = 0;
  for (HWND child : ChildrenInOrder(form)) {
    if (HasClass(child, cls::kIcon)) {
      icons.push_back(child);
    } else {
      rows.push_back(child);
      big += IsBig(child) ? 1 : 0;
    }
  }
  const int count = static_cast<int>(icons.size());
  const int iconRows = (count + kIconsPerRow - 1) / kIconsPerRow;
  const int iconsTop = size.cy - iconRows * (kRowHeight + kMargin);
  const int small = static_cast<int>(rows.size()) - big;
  const int left = iconsTop - kMargin - small * (kRowHeight + kMargin);
  const int bigHeight = big ? std::max(kRowHeight, left / big - kMargin) : 0;
  int y = kMargin;
  for (HWND row : rows) {
    const int height = IsBig(row) ? bigHeight : kRowHeight;
    Put(row, kMargin, y, size.cx - 2 * kMargin, height);
    y += height + kMargin;
  }
  const int perRow = std::min(count, kIconsPerRow);
  const int width = perRow ? (size.cx - 2 * kMargin) / perRow : 0;
  for (int i = 0; i < count; ++i) {
    Put(icons[static_cast<std::size_t>(i)], kMargin + (i % kIconsPerRow) * width,
        iconsTop + (i / kIconsPerRow) * (kRowHeight + kMargin), width - 2, kRowHeight);
  }
}

// The mailbox's tab pages side by side, each its name above its list.
void LayOutTabControl(HWND tabs, Extent size) {
  const std::vector<HWND> pages = ChildrenOfClass(tabs, host::host_class::kTabPage);
  if (pages.empty())
    return;
  const int width = size.cx / static_cast<int>(pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i)
    Put(pages[i], static_cast<int>(i) * width, 0, width - 2, size.cy);
}

void LayOutHostChild(HWND child, Extent size) {
  const std::vector<HWND> richText = ChildrenOfClass(child, cls::kRichText);
  const bool hasEdits = FirstChild(child, host::host_class::kAolEdit) != nullptr;
  if (FirstChild(child, host::host_class::kCheckBox) &&
      FirstChild(child, host::host_class::kGlyph)) {
    LayOutPersonWindow(child, size);
  } else if (richText.size() >= 2 && FirstChild(child, cls::kListBox)) {
    LayOutChatRoom(child, richText, size);
  } else if (richText.size() == 1 && !hasEdits) {
    LayOutInstantMessage(richText[0], ChildrenOfClass(child, cls::kIcon), size);
  } else {
    LayOutForm(child, size);
  }
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  HBRUSH brush = ::CreateSolidBrush(colour);
  ::FillRect(dc, &area, brush);
  ::DeleteObject(brush);
}

void DrawLabel(HDC dc, RECT area, const std::string& textBytes, int height, int weight,
               COLORREF colour, UINT format) {
  HFONT font =
      ::CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Tahoma");
  HGDIOBJ old = ::SelectObject(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, colour);
  ::DrawTextA(dc, textBytes.c_str(), static_cast<int>(textBytes.size()), &area, format);
  ::SelectObject(dc, old);
  ::DeleteObject(font);
}

std::string CaptionBytes(HWND window) {
  std::string caption(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
  caption.resize(static_cast<std::size_t>(
      ::GetWindowTextA(window, caption.data(), static_cast<int>(caption.size()))));
  return caption;
}

void Paint(HWND window, HDC dc, const RECT& client) {
  if (HasClass(window, cls::kToolbar)) {
    Fill(dc, client, kToolbarColour);
  } else if (HasClass(window, cls::kInnerToolbar)) {
    Fill(dc, client, kInnerToolbarColour);
    RECT label{kMargin, 0, kKeywordLabelWidth, client.bottom};
    DrawLabel(dc, label, "Keyword:", 13, FW_BOLD, kTitleColour,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  } else if (HasClass(window, cls::kComboBox)) {
    Fill(dc, client, ::GetSysColor(COLOR_WINDOW));
    RECT edge = client;
    ::DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
  } else if (HasClass(window, host::host_class::kGlyph)) {
    Fill(dc, client, kGlyphColour);
  } else if (HasClass(window, host::host_class::kTabPage)) {
    Fill(dc, client, kInnerToolbarColour);
    RECT header{kMargin, 0, client.right, kPageHeaderHeight};
    DrawLabel(dc, header, CaptionBytes(window), 13, FW_BOLD, kTitleColour,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  } else if (HasClass(window, cls::kChild) && !::GetWindow(window, GW_CHILD)) {
    Fill(dc, client, ::GetSysColor(COLOR_WINDOW));
    DrawLabel(dc, client, CaptionBytes(window), 20, FW_BOLD, kTitleColour,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
}

}  // namespace

Place FramePlace() {
  const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  return {std::max(0, screenWidth - kFrameWidth - kScreenEdgeGap), kFrameTop, kFrameWidth,
          kFrameHeight};
}

Place HostChildPlace(const std::string& captionBytes) {
  if (captionBytes == host::host_caption::kInstantMessage)
    return kInstantMessagePlace;
  if (captionBytes.rfind("Welcome, ", 0) == 0)
    return kWelcomePlace;
  if (captionBytes == host::host_caption::kMailbox)
    return kMailboxPlace;
  if (captionBytes == host::host_caption::kFiledMail)
    return kFiledMailPlace;
  return kChatRoomPlace;
}

Place TopLevelPlace() {
  const Place frame = FramePlace();
  return {frame.x + (frame.width - kDialogSize.width) / 2,
          frame.y + (frame.height - kDialogSize.height) / 2, kDialogSize.width, kDialogSize.height};
}

void PlaceWindowWithCheckBox(HWND hostChild) {
  HWND parent = ::GetParent(hostChild);
  if (!parent || !HasClass(parent, cls::kMdiClient))
    return;
  ::SetWindowPos(hostChild, nullptr, kPersonPlace.x, kPersonPlace.y, kPersonPlace.width,
                 kPersonPlace.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void LayOutHostWindow(HWND window) {
  const Extent size = ClientSize(window);
  if (HasClass(window, cls::kFrame)) {
    LayOutFrame(window, size);
  } else if (HasClass(window, cls::kToolbar)) {
    Put(FirstChild(window, cls::kInnerToolbar), kToolbarInset, kToolbarInset,
        size.cx - 2 * kToolbarInset, size.cy - 2 * kToolbarInset);
  } else if (HasClass(window, cls::kInnerToolbar)) {
    LayOutInnerToolbar(window, size);
  } else if (HasClass(window, cls::kComboBox)) {
    Put(FirstChild(window, cls::kEdit), kComboBorder + 1, kComboBorder + 1,
        size.cx - 2 * (kComboBorder + 1), size.cy - 2 * (kComboBorder + 1));
  } else if (HasClass(window, cls::kChild)) {
    LayOutHostChild(window, size);
  } else if (HasClass(window, host::host_class::kTabControl)) {
    LayOutTabControl(window, size);
  } else if (HasClass(window, host::host_class::kTabPage)) {
    Put(FirstChild(window, host::host_class::kTree), 0, kPageHeaderHeight, size.cx,
        size.cy - kPageHeaderHeight);
  } else if (HasClass(window, host::host_class::kModal)) {
    LayOutForm(window, size);
  }
}

void PaintHostWindow(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  RECT client{};
  ::GetClientRect(window, &client);
  Paint(window, dc, client);
  ::EndPaint(window, &paint);
}

}  // namespace velto::standin
