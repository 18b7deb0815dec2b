#pragma once

#include <windows.h>

#include <string>

namespace velto::standin {

struct Place {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where the host's frame opens: at the right of the screen, clear of the idler's own
// windows, which sit at the left.
Place FramePlace();

// Where a host child window opens inside the MDI client, by the kind its caption names.
Place HostChildPlace(const std::string& captionBytes);

// Where one of the host's own top-level windows (its dialogs) opens: over the frame.
Place TopLevelPlace();

// A host child window with a check box is a person window, smaller than a chat room. Its
// caption (the person's name) does not tell it from a room when it opens, so it is put
// in its place once the box is made.
void PlaceWindowWithCheckBox(HWND hostChild);

// Puts the children of one of the host's windows in place for its current size: the
// toolbar chain and the MDI client in the frame, the keyword box and the icons in the
// inner toolbar, the controls of a chat room, of an instant-message window or of a
// person window, the mailbox's tab pages side by side, and the controls of any other
// host window or dialog as a form: one row each, the big ones sharing what is left, the
// icons in rows at the bottom.
void LayOutHostWindow(HWND window);

// Paints the host's own windows that are not controls: the toolbars, the keyword box's
// frame, a person window's picture, and the caption of a host child window that has no
// controls (the welcome window).
void PaintHostWindow(HWND window);

}  // namespace velto::standin
