#include "standin/win32/win32_transcript_view.h"

#include <algorithm>

namespace velto::standin {
namespace {

constexpr char kTranscriptProperty[] = "VeltoTranscript";
constexpr std::size_t kKeptLines = 500;
constexpr int kFontHeight = 13;
constexpr int kLineGap = 2;
constexpr int kTextMargin = 4;
constexpr int kWrapIndent = 16;
constexpr UINT kHostCodePage = 1252;  // the host's text is Windows-1252, whatever ours is

struct Transcript {
  WNDPROC editProc = nullptr;
  std::vector<TranscriptLine> lines;
};

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::wstring Widened(const std::string& hostBytes) {
  if (hostBytes.empty())
    return {};
  const int size = static_cast<int>(hostBytes.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  const int length =
      ::MultiByteToWideChar(kHostCodePage, 0, hostBytes.data(), size, wide.data(), size);
  wide.resize(static_cast<std::size_t>(std::max(length, 0)));
  return wide;
}

class Fonts {
 public:
  Fonts() : plain_(Make(FW_NORMAL)), bold_(Make(FW_BOLD)) {}
  ~Fonts() {
    ::DeleteObject(plain_);
    ::DeleteObject(bold_);
  }
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;
  HFONT Get(bool bold) const { return bold ? bold_ : plain_; }

 private:
  static HFONT Make(int weight) {
    return ::CreateFontW(-kFontHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                         L"Tahoma");
  }
  HFONT plain_;
  HFONT bold_;
};

// A word (with the blanks after it) in one style, placed on a row.
struct Placed {
  int x = 0;
  std::wstring text;
  COLORREF colour = 0;
  bool bold = false;
};
using Row = std::vector<Placed>;

// Lays one line out in rows no wider than `width`, breaking after blanks.
class Wrapper {
 public:
  Wrapper(HDC dc, const Fonts& fonts, int width) : dc_(dc), fonts_(fonts), width_(width) {}

  std::vector<Row> Lay(const TranscriptLine& line) {
    rows_.assign(1, Row{});
    x_ = 0;
    Add(Widened(line.speakerBytes + ":  "), ToColorRef(kPlainTextColour), true);
    for (const MarkupRun& run : line.runs)
      Add(Widened(run.bytes), ToColorRef(run.colour), run.bold);
    return std::move(rows_);
  }

 private:
  void Add(const std::wstring& text, COLORREF colour, bool bold) {
    std::size_t at = 0;
    while (at < text.size()) {
      std::size_t end = text.find(L' ', at);
      end = end == std::wstring::npos ? text.size() : text.find_first_not_of(L' ', end);
      if (end == std::wstring::npos)
        end = text.size();
      Place(text.substr(at, end - at), colour, bold);
      at = end;
    }
  }
  void Place(const std::wstring& word, COLORREF colour, bool bold) {
    ::SelectObject(dc_, fonts_.Get(bold));
    SIZE size{};
    ::GetTextExtentPoint32W(dc_, word.c_str(), static_cast<int>(word.size()), &size);
    if (x_ > kWrapIndent && x_ + size.cx > width_) {
      rows_.emplace_back();
      x_ = kWrapIndent;
    }
    rows_.back().push_back(Placed{x_, word, colour, bold});
    x_ += size.cx;
  }

  HDC dc_;
  const Fonts& fonts_;
  int width_;
  std::vector<Row> rows_;
  int x_ = 0;
};

Transcript* TranscriptOf(HWND window) {
  return static_cast<Transcript*>(::GetPropA(window, kTranscriptProperty));
}

void PaintBuffered(HWND window, const Transcript& transcript) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  RECT client{};
  ::GetClientRect(window, &client);
  // Drawn off screen first, so that a new line does not flicker the whole view.
  HDC buffer = ::CreateCompatibleDC(dc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = ::SelectObject(buffer, bitmap);
  PaintTranscript(buffer, client, transcript.lines);
  ::BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  ::SelectObject(buffer, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(buffer);
  ::EndPaint(window, &paint);
}

LRESULT CALLBACK TranscriptProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Transcript* transcript = TranscriptOf(window);
  if (!transcript)
    return ::DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC editProc = transcript->editProc;
  if (message == WM_PAINT) {
    PaintBuffered(window, *transcript);
    return 0;
  }
  if (message == WM_ERASEBKGND)
    return 1;  // the paint covers every pixel
  if (message == WM_NCDESTROY) {
    ::RemovePropA(window, kTranscriptProperty);
    delete transcript;
  }
  return ::CallWindowProcA(editProc, window, message, wParam, lParam);
}

Transcript& AttachTranscript(HWND window) {
  if (Transcript* existing = TranscriptOf(window))
    return *existing;
  auto* transcript = new Transcript;
  ::SetPropA(window, kTranscriptProperty, transcript);
  transcript->editProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TranscriptProc)));
  // Only a view: no caret, no typing, no scroll bar of the edit control's own.
  ::ShowScrollBar(window, SB_VERT, FALSE);
  ::EnableWindow(window, FALSE);
  return *transcript;
}

}  // namespace

void ShowChatLine(HWND transcript, const std::string& speakerBytes, const std::string& lineBytes) {
  if (!::IsWindow(transcript))
    return;
  Transcript& view = AttachTranscript(transcript);
  view.lines.push_back(TranscriptLine{speakerBytes, ParseChatMarkup(lineBytes)});
  if (view.lines.size() > kKeptLines)
    view.lines.erase(view.lines.begin());
  ::InvalidateRect(transcript, nullptr, FALSE);
}

void PaintTranscript(HDC dc, const RECT& area, const std::vector<TranscriptLine>& lines) {
  HBRUSH background = ::CreateSolidBrush(RGB(255, 255, 255));
  ::FillRect(dc, &area, background);
  ::DeleteObject(background);

  const Fonts fonts;
  HGDIOBJ oldFont = ::SelectObject(dc, fonts.Get(false));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  const int rowHeight = metrics.tmHeight + kLineGap;
  Wrapper wrapper(dc, fonts, area.right - area.left - 2 * kTextMargin);
  std::vector<Row> rows;
  for (const TranscriptLine& line : lines) {
    for (Row& row : wrapper.Lay(line)) rows.push_back(std::move(row));
  }
  // The newest row sits at the bottom; while the view is not full, the rows start at the top.
  const int height = static_cast<int>(rows.size()) * rowHeight;
  int y = std::min(area.top + kTextMargin, area.bottom - kTextMargin - height);

  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  ::SetBkMode(dc, TRANSPARENT);
  for (const Row& row : rows) {
    if (y + rowHeight > area.top) {
      for (const Placed& piece : row) {
        ::SelectObject(dc, fonts.Get(piece.bold));
        ::SetTextColor(dc, piece.colour);
        ::TextOutW(dc, area.left + kTextMargin + piece.x, y, piece.text.c_str(),
                   static_cast<int>(piece.text.size()));
      }
    }
    y += rowHeight;
  }
  ::RestoreDC(dc, saved);
  ::SelectObject(dc, oldFont);
}

}  // namespace velto::standin
