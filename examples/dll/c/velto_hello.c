/* velto-hello.exe: velto.dll from C, linked through its import library (Velto::dll, or
 * velto.lib with Visual C++). Sends a line to the chat room and prints the screen name.
 *   velto-hello "text of the line" */
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include "velto.h"

int main(void) {
  VELTO_CHAR* name;
  int length = velto_GetScreenName(NULL, 0); /* ask ... */
  if (length < 0)
    return 1;
  name = (VELTO_CHAR*)malloc((size_t)(length + 1) * sizeof *name); /* ... allocate ... */
  if (!name)
    return 1;
  velto_GetScreenName(name, length + 1); /* ... and ask again */
  wprintf(L"screen name: %ls\n", name);
  if (!velto_FindChatRoom()) {
    wprintf(L"no chat room is open\n");
  } else if (velto_SendChatLine(L"\x2039 hello from C \x203A") != VELTO_TRUE) {
    wprintf(L"the host did not take the line\n");
  }
  free(name);
  return 0;
}
