#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "standin/chat_markup.h"

namespace velto::standin {

// One line of the chat room's transcript: who said it, and what, as mark-up runs.
struct TranscriptLine {
  std::string speakerBytes;
  std::vector<MarkupRun> runs;
};

// Adds a line to a chat room's transcript window (the room's first "RICHCNTL") and shows
// it as a person sees it: the speaker, then the line with its colours and bold applied
// and its marks drawn as characters. The first line turns the window into a painted,
// read-only view; the newest lines stay in sight at the bottom.
void ShowChatLine(HWND transcript, const std::string& speakerBytes, const std::string& lineBytes);

// Draws the lines into the area of any device context, wrapped at words, the last line
// at the bottom.
void PaintTranscript(HDC dc, const RECT& area, const std::vector<TranscriptLine>& lines);

}  // namespace velto::standin
