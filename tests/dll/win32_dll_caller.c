/* dll-caller.exe: calls one function of velto.dll the way a script language does, with
 * LoadLibrary and GetProcAddress only and the arguments described by a signature:
 *
 *   dll-caller <dll> <routine> <signature> [arguments...]
 *
 * The signature's first letter is the result: I an int, W a window handle. Each further
 * letter takes one argument (t text, i int, w window handle as a decimal number) or none
 * (o a result buffer, b an in/out buffer holding the next argument's text). Every
 * argument crosses as one pointer-sized value, as DllCall passes them. Prints the result,
 * then each buffer's text on a line of its own, as UTF-8; and on standard error the
 * call's outcome, "outcome: <code> <name>", as velto_LastOutcome and velto_OutcomeName
 * give it.
 * Exit status: 0 when the function ran; 2 for a bad command line or a missing function. */
#include <windows.h>

#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>

#include "velto.h"

#define MAX_ARGUMENTS 8
#define BUFFER_SIZE 16384  /* room for the host's window tree */
#define MAX_BUFFERS 2
#define USAGE_STATUS 2

typedef int(VELTO_CALL* LastOutcomeCall)(void);
typedef const VELTO_CHAR*(VELTO_CALL* OutcomeNameCall)(int);
typedef INT_PTR(VELTO_CALL* Call0)(void);
typedef INT_PTR(VELTO_CALL* Call1)(INT_PTR);
typedef INT_PTR(VELTO_CALL* Call2)(INT_PTR, INT_PTR);
typedef INT_PTR(VELTO_CALL* Call3)(INT_PTR, INT_PTR, INT_PTR);
typedef INT_PTR(VELTO_CALL* Call4)(INT_PTR, INT_PTR, INT_PTR, INT_PTR);
typedef INT_PTR(VELTO_CALL* Call5)(INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR);
typedef INT_PTR(VELTO_CALL* Call6)(INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR, INT_PTR);

static wchar_t buffers[MAX_BUFFERS][BUFFER_SIZE];

static const char* Utf8(const wchar_t* text) {
  static char utf8[BUFFER_SIZE * 4];
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, (int)sizeof utf8, NULL, NULL);
  return utf8;
}

static void PrintOutcome(HMODULE dll) {
  /* Through void (*)(void), the one function type any other may be cast from. */
  LastOutcomeCall last = (LastOutcomeCall)(void (*)(void))GetProcAddress(dll, "velto_LastOutcome");
  OutcomeNameCall name = (OutcomeNameCall)(void (*)(void))GetProcAddress(dll, "velto_OutcomeName");
  int code;
  if (!last || !name)
    return;
  code = last();
  fprintf(stderr, "outcome: %d %s\n", code, name(code) ? Utf8(name(code)) : "(none)");
}

static INT_PTR Invoke(FARPROC function, int count, const INT_PTR* a) {
  switch (count) {
    case 0:
      return ((Call0)function)();
    case 1:
      return ((Call1)function)(a[0]);
    case 2:
      return ((Call2)function)(a[0], a[1]);
    case 3:
      return ((Call3)function)(a[0], a[1], a[2]);
    case 4:
      return ((Call4)function)(a[0], a[1], a[2], a[3]);
    case 5:
      return ((Call5)function)(a[0], a[1], a[2], a[3], a[4]);
    default:
      return ((Call6)function)(a[0], a[1], a[2], a[3], a[4], a[5]);
  }
}

int main(void) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  INT_PTR values[MAX_ARGUMENTS];
  int count = 0, next = 4, used = 0, i;
  const wchar_t* letter;
  char name[128];
  HMODULE dll;
  FARPROC function;
  INT_PTR result;
  if (argc < 4) {
    fprintf(stderr, "usage: dll-caller <dll> <routine> <signature> [arguments...]\n");
    return USAGE_STATUS;
  }
  dll = LoadLibraryW(argv[1]);
  WideCharToMultiByte(CP_UTF8, 0, argv[2], -1, name, (int)sizeof name, NULL, NULL);
  function = dll ? GetProcAddress(dll, name) : NULL;
  if (!function) {
    fprintf(stderr, "dll-caller: no function %s\n", name);
    return USAGE_STATUS;
  }
  for (letter = argv[3] + 1; *letter && count < MAX_ARGUMENTS - 1; ++letter) {
    if ((*letter == 'o' || *letter == 'b') && used == MAX_BUFFERS)
      return USAGE_STATUS;
    if (*letter != 'o' && next >= argc)
      return USAGE_STATUS;
    if (*letter == 't') {
      values[count++] = (INT_PTR)argv[next++];
    } else if (*letter == 'i' || *letter == 'w') {
      values[count++] = (INT_PTR)_wtoi64(argv[next++]);
    } else if (*letter == 'o' || *letter == 'b') {
      if (*letter == 'b')
        lstrcpynW(buffers[used], argv[next++], BUFFER_SIZE);
      values[count++] = (INT_PTR)buffers[used++];
      values[count++] = BUFFER_SIZE;
    }
  }
  result = Invoke(function, count, values);
  if (argv[3][0] == 'W')
    printf("%ld\n", (long)result);
  else
    printf("%d\n", (int)result);
  PrintOutcome(dll);
  for (i = 0; i < used; ++i) printf("%s\n", Utf8(buffers[i]));
  return 0;
}
