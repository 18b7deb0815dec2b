/* velto.h: the Velto library as plain C functions in velto.dll, for every language that can
 * call a DLL (C, C++, classic VB, AutoHotkey, Python ctypes ...). Compiles as C89 and C++.
 *
 * Conventions (the same for every function):
 *  - Text is UTF-16 (VELTO_CHAR: WCHAR on Windows), NUL-terminated. The library works in
 *    UTF-8 and the host receives Windows-1252, so marks such as ‹ ¬ · › • arrive as the
 *    host's single bytes; a character the host's code page lacks arrives as '?'. A
 *    surrogate pair is one character to the routines that count characters; an unpaired
 *    surrogate reads as U+FFFD.
 *  - A text result goes into the caller's buffer `result` of `resultSize` VELTO_CHARs. The
 *    function returns the length the result needs, without its NUL. When resultSize is
 *    greater than that length, the whole result is written, NUL-terminated. Otherwise
 *    nothing of it is written: the buffer holds an empty string (when resultSize >= 1), so
 *    a result is never cut. Ask with (NULL, 0), allocate length + 1, and ask again.
 *  - A routine that changes its text argument takes it as an in/out buffer: the text is
 *    read up to its NUL (which must lie within its size) and the changed text is written
 *    back into it. The function returns the larger of the two lengths needed (the changed
 *    text's and the result's); when either does not fit, neither buffer is written: the
 *    text stays as it was and the result is empty. The two buffers must not overlap.
 *  - Flags are VELTO_TRUE (-1) and VELTO_FALSE (0), as in the library; counts are >= 0;
 *    a routine without a result returns VELTO_DONE (0). A flag is never true for a call
 *    that went wrong: a bad argument or a failure answers VELTO_FALSE.
 *  - Window handles are pointer-sized integers (VELTO_WINDOW, as INT_PTR / HWND); a
 *    function that finds a window returns 0 when there is none. The caller's own list
 *    boxes, combo boxes, text boxes and forms are passed as the handles of a LISTBOX, a
 *    COMBOBOX, an EDIT or a top-level window.
 *  - A bad argument (a NULL text, a NULL result buffer with a size above 0, a negative
 *    size, an in/out text without its NUL, a handle that names no window, or a window of
 *    the wrong class) returns VELTO_BAD_ARGUMENT (-2), or VELTO_FALSE from a flag, or 0
 *    from a finder, and nothing is sent to the host. An unexpected failure inside the
 *    library returns VELTO_FAILED (-3), VELTO_FALSE or 0 the same way. No C++ exception
 *    leaves the DLL.
 *  - Every call ends with an outcome, which velto_LastOutcome() answers right after it,
 *    on the same thread (each thread has its own), like GetLastError:
 *      VELTO_OUTCOME_DONE                 the routine did its work, whatever it returned
 *      VELTO_OUTCOME_NOTHING_TO_ACT_ON    no host, or no window of the kind it needs
 *      VELTO_OUTCOME_HOST_DID_NOT_ANSWER  a message failed: its window went, or the host
 *                                         hung past the 5 s bound
 *      VELTO_OUTCOME_TIMED_OUT            a wait reached its bound
 *      VELTO_OUTCOME_QUIT_REQUESTED       the program was asked to quit
 *      VELTO_OUTCOME_BAD_ARGUMENT         as above
 *      VELTO_OUTCOME_FAILED               an unexpected failure, or a file that could not
 *                                         be read or written
 *    A routine stops at the step that went wrong, and the outcome names that step. The
 *    result is the routine's answer all the same: a wait that timed out still returns
 *    its empty result (SendInstantMessage's VELTO_IM_TIMED_OUT, a flag VELTO_FALSE).
 *    velto_OutcomeName(code) gives an outcome's name as static text ("done", "timed
 *    out", ...), NULL for a code that is none.
 *  - Each call stands alone: it makes its own Win32 platform and file services and keeps
 *    nothing between calls (but its outcome), so a host routine asked twice may answer
 *    differently.
 *  - On 32-bit Windows every function is __stdcall (VB's Declare, AutoHotkey's DllCall
 *    default); exported names are undecorated: velto_<routine>.
 */
#ifndef VELTO_H
#define VELTO_H

#include <stddef.h>

#if defined(_WIN32)
typedef wchar_t VELTO_CHAR;
#define VELTO_CALL __stdcall
#else
/* UTF-16 code units elsewhere too, so one header serves the native build. */
typedef unsigned short VELTO_CHAR;
#define VELTO_CALL
#endif

/* A window handle as an integer of pointer size (INT_PTR). */
typedef ptrdiff_t VELTO_WINDOW;

#ifdef __cplusplus
#define VELTO_API extern "C"
#else
#define VELTO_API extern
#endif

#define VELTO_TRUE (-1)
#define VELTO_FALSE 0
#define VELTO_DONE 0
#define VELTO_BAD_ARGUMENT (-2)
#define VELTO_FAILED (-3)

/* The outcomes of a call (velto_LastOutcome). */
#define VELTO_OUTCOME_DONE 0
#define VELTO_OUTCOME_NOTHING_TO_ACT_ON 1
#define VELTO_OUTCOME_HOST_DID_NOT_ANSWER 2
#define VELTO_OUTCOME_TIMED_OUT 3
#define VELTO_OUTCOME_QUIT_REQUESTED 4
#define VELTO_OUTCOME_BAD_ARGUMENT 5
#define VELTO_OUTCOME_FAILED 6

/* velto_SendInstantMessage's outcomes. */
#define VELTO_IM_TAKEN 0     /* the instant-message window closed by itself */
#define VELTO_IM_REFUSED 1   /* the host answered with its message box, confirmed */
#define VELTO_IM_TIMED_OUT 2 /* the window never opened, or the host never answered */
#define VELTO_IM_NOT_SENT 3  /* no host, or a message to it failed */

/* Each function is the library routine of the same name (docs/library.md); the host
 * routines first, then the families. */
/* ---- outcomes ---- */
VELTO_API int VELTO_CALL velto_LastOutcome(void);
VELTO_API const VELTO_CHAR* VELTO_CALL velto_OutcomeName(int code);
/* ---- host ---- */
VELTO_API VELTO_WINDOW VELTO_CALL velto_FindChatRoom(void);
VELTO_API int VELTO_CALL velto_SendChatLine(const VELTO_CHAR* text);
VELTO_API int VELTO_CALL velto_OpenKeyword(const VELTO_CHAR* keyword);
VELTO_API int VELTO_CALL velto_SendInstantMessage(const VELTO_CHAR* recipient,
                                                  const VELTO_CHAR* message);
VELTO_API int VELTO_CALL velto_GetWindowCaption(VELTO_WINDOW window, VELTO_CHAR* result,
                                                int resultSize);
VELTO_API int VELTO_CALL velto_GetScreenName(VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_DragForm(VELTO_WINDOW form);
/* ---- text ---- */
VELTO_API int VELTO_CALL velto_ReplaceText(VELTO_CHAR* text, int textSize, const VELTO_CHAR* find,
                                           const VELTO_CHAR* replacement, VELTO_CHAR* result,
                                           int resultSize);
VELTO_API int VELTO_CALL velto_SwapText(VELTO_CHAR* text, int textSize, const VELTO_CHAR* first,
                                        const VELTO_CHAR* second, VELTO_CHAR* result,
                                        int resultSize);
VELTO_API int VELTO_CALL velto_ReverseText(const VELTO_CHAR* text, VELTO_CHAR* result,
                                           int resultSize);
VELTO_API int VELTO_CALL velto_CharAt(const VELTO_CHAR* text, int position, VELTO_CHAR* result,
                                      int resultSize);
VELTO_API int VELTO_CALL velto_DoubleLetters(const VELTO_CHAR* text, VELTO_CHAR* result,
                                             int resultSize);
VELTO_API int VELTO_CALL velto_CountLines(const VELTO_CHAR* text);
VELTO_API int VELTO_CALL velto_GetLine(const VELTO_CHAR* text, int n, VELTO_CHAR* result,
                                       int resultSize);
VELTO_API int VELTO_CALL velto_RemoveSpaces(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                            int resultSize);
VELTO_API int VELTO_CALL velto_ListItemsToText(VELTO_WINDOW list, VELTO_CHAR* result,
                                               int resultSize);
VELTO_API int VELTO_CALL velto_DoubleLettersLines(const VELTO_CHAR* text, VELTO_CHAR* result,
                                                  int resultSize);
VELTO_API int VELTO_CALL velto_IndentLines(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                           int resultSize);
VELTO_API int VELTO_CALL velto_UnindentLines(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                             int resultSize);
/* ---- art ---- */
VELTO_API int VELTO_CALL velto_ArtStyle01(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle02(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle03(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle04(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle05(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle06(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle07(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle08(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle09(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle10(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle11(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle12(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle13(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle14(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle15(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle16(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle17(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle18(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle19(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle20(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle21(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle22(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle23(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle24(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle25(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle26(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle27(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_ArtStyle28(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                          int resultSize);
VELTO_API int VELTO_CALL velto_MirrorArt(const VELTO_CHAR* text, VELTO_CHAR* result,
                                         int resultSize);
VELTO_API int VELTO_CALL velto_FlipArt(VELTO_CHAR* text, int textSize, VELTO_CHAR* result,
                                       int resultSize);
/* ---- chat ---- */
VELTO_API int VELTO_CALL velto_EnterPrivateRoom(const VELTO_CHAR* room);
VELTO_API int VELTO_CALL velto_EnterRoomLink61(const VELTO_CHAR* room);
VELTO_API int VELTO_CALL velto_EnterRoomLink21(const VELTO_CHAR* room);
VELTO_API int VELTO_CALL velto_WaitForRoomEntry(VELTO_CHAR* room, int roomSize);
VELTO_API int VELTO_CALL velto_CountChatPeople(void);
VELTO_API int VELTO_CALL velto_ListChatPeople(VELTO_WINDOW list, int includeSelf);
VELTO_API int VELTO_CALL velto_ListChatPeopleToCombo(VELTO_WINDOW combo, int includeSelf);
VELTO_API int VELTO_CALL velto_IgnoreChatPerson(int index);
VELTO_API int VELTO_CALL velto_IgnoreChatPersonByName(const VELTO_CHAR* name);
VELTO_API VELTO_WINDOW VELTO_CALL velto_FindPersonWindow(void);
VELTO_API int VELTO_CALL velto_SendChatText(const VELTO_CHAR* text);
VELTO_API int VELTO_CALL velto_ChatLineSender(const VELTO_CHAR* line, VELTO_CHAR* result,
                                              int resultSize);
VELTO_API int VELTO_CALL velto_ChatLineMessage(const VELTO_CHAR* line, VELTO_CHAR* result,
                                               int resultSize);
VELTO_API int VELTO_CALL velto_InstantMessagesOn(void);
VELTO_API int VELTO_CALL velto_InstantMessagesOff(void);
VELTO_API int VELTO_CALL velto_InstantMessagesOnFor(const VELTO_CHAR* name);
VELTO_API int VELTO_CALL velto_InstantMessagesOffFor(const VELTO_CHAR* name);
VELTO_API VELTO_WINDOW VELTO_CALL velto_FindConversationWindow(void);
VELTO_API int VELTO_CALL velto_ConversationText(VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_ConversationSender(VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_LastConversationLine(VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_ReplyToConversation(const VELTO_CHAR* text);
VELTO_API int VELTO_CALL velto_IsMemberOnline(const VELTO_CHAR* screenName);
/* ---- windows ---- */
VELTO_API int VELTO_CALL velto_HideWindow(VELTO_WINDOW window);
VELTO_API int VELTO_CALL velto_UnhideWindow(VELTO_WINDOW window);
VELTO_API int VELTO_CALL velto_CloseHostWindow(VELTO_WINDOW window);
VELTO_API int VELTO_CALL velto_SetControlText(VELTO_WINDOW window, const VELTO_CHAR* text);
VELTO_API int VELTO_CALL velto_GetControlText(VELTO_WINDOW window, VELTO_CHAR* result,
                                              int resultSize);
VELTO_API int VELTO_CALL velto_GetListText(VELTO_WINDOW list, VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_PressSpace(VELTO_WINDOW window);
VELTO_API int VELTO_CALL velto_ClickControl(VELTO_WINDOW window);
VELTO_API int VELTO_CALL velto_MakeTopmost(VELTO_WINDOW form);
VELTO_API int VELTO_CALL velto_ClearTopmost(VELTO_WINDOW form);
VELTO_API int VELTO_CALL velto_SlideFormDown(VELTO_WINDOW form);
VELTO_API int VELTO_CALL velto_SlideFormUp(VELTO_WINDOW form);
VELTO_API int VELTO_CALL velto_SlideFormLeft(VELTO_WINDOW form);
VELTO_API int VELTO_CALL velto_SlideFormRight(VELTO_WINDOW form);
VELTO_API int VELTO_CALL velto_RunHostMenuItem(int menuPosition, int itemPosition);
VELTO_API int VELTO_CALL velto_RunHostMenuText(const VELTO_CHAR* text);
VELTO_API int VELTO_CALL velto_ToolbarMenuDown4(void);
VELTO_API int VELTO_CALL velto_ToolbarMenuDown5(void);
VELTO_API int VELTO_CALL velto_ToolbarMenuDown2(void);
VELTO_API int VELTO_CALL velto_ToolbarMenuUpRight(void);
/* ---- mail ---- */
VELTO_API int VELTO_CALL velto_CanSetParentalControls(void);
VELTO_API int VELTO_CALL velto_GetMemberProfile(const VELTO_CHAR* screenName, VELTO_CHAR* result,
                                                int resultSize);
VELTO_API int VELTO_CALL velto_ResetMailPreferences(void);
VELTO_API int VELTO_CALL velto_CountFiledMail(void);
VELTO_API int VELTO_CALL velto_OpenFiledMail(int index);
VELTO_API int VELTO_CALL velto_ListFiledMail(VELTO_WINDOW list);
VELTO_API int VELTO_CALL velto_FiledMailField2(int index, VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_FiledMailField3(int index, VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_DeleteFiledMail(int index);
VELTO_API int VELTO_CALL velto_DeleteDuplicateFiledMail(VELTO_WINDOW form, int showProgress);
VELTO_API VELTO_WINDOW VELTO_CALL velto_FindMailErrorWindow(void);
VELTO_API int VELTO_CALL velto_CountMailErrors(void);
VELTO_API int VELTO_CALL velto_MailErrorName(int n, VELTO_CHAR* result, int resultSize);
VELTO_API VELTO_WINDOW VELTO_CALL velto_FindComposeWindow(void);
VELTO_API VELTO_WINDOW VELTO_CALL velto_FindReadMailWindow(void);
VELTO_API int VELTO_CALL velto_CloseMailWindows(void);
VELTO_API int VELTO_CALL velto_SendMail(const VELTO_CHAR* recipients, const VELTO_CHAR* subject,
                                        const VELTO_CHAR* message);
VELTO_API int VELTO_CALL velto_ForwardMail(const VELTO_CHAR* recipients, const VELTO_CHAR* message,
                                           int stripPrefix);
VELTO_API int VELTO_CALL velto_ScreenNameExists(const VELTO_CHAR* screenName);
VELTO_API VELTO_WINDOW VELTO_CALL velto_FindMailboxWindow(void);
VELTO_API int VELTO_CALL velto_CountMailTab1(void);
VELTO_API int VELTO_CALL velto_CountMailTab2(void);
VELTO_API int VELTO_CALL velto_CountMailTab3(void);
VELTO_API int VELTO_CALL velto_OpenMailTab1(int index);
VELTO_API int VELTO_CALL velto_OpenMailTab2(int index);
VELTO_API int VELTO_CALL velto_OpenMailTab3(int index);
VELTO_API int VELTO_CALL velto_ListMailTab1(VELTO_WINDOW list);
VELTO_API int VELTO_CALL velto_ListMailTab2(VELTO_WINDOW list);
VELTO_API int VELTO_CALL velto_ListMailTab3(VELTO_WINDOW list);
VELTO_API int VELTO_CALL velto_MailTab1Field2(int index, VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_MailTab1Field3(int index, VELTO_CHAR* result, int resultSize);
VELTO_API int VELTO_CALL velto_DeleteMailTab1(int index);
VELTO_API int VELTO_CALL velto_DeleteMailTab1Matching(const VELTO_CHAR* text);
VELTO_API int VELTO_CALL velto_DeleteMailTab1Except(const VELTO_CHAR* text);
VELTO_API int VELTO_CALL velto_DeleteDuplicateMailTab1(VELTO_WINDOW form, int showProgress);
/* ---- files ---- */
VELTO_API int VELTO_CALL velto_FileExists(const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_ReadFileAttributes(const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_MakeFileNormal(const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_MakeFileReadOnly(const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_MakeFileHidden(const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_WriteIniValue(const VELTO_CHAR* section, const VELTO_CHAR* key,
                                             const VELTO_CHAR* value, const VELTO_CHAR* file);
VELTO_API int VELTO_CALL velto_ReadIniValue(const VELTO_CHAR* section, VELTO_CHAR* key, int keySize,
                                            const VELTO_CHAR* file, VELTO_CHAR* result,
                                            int resultSize);
VELTO_API int VELTO_CALL velto_SaveTextBox(VELTO_WINDOW textBox, const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_LoadTextBox(VELTO_WINDOW textBox, const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_SaveListBox(const VELTO_CHAR* path, VELTO_WINDOW listBox);
VELTO_API int VELTO_CALL velto_SaveComboBox(const VELTO_CHAR* path, VELTO_WINDOW comboBox);
VELTO_API int VELTO_CALL velto_LoadListBox(const VELTO_CHAR* path, VELTO_WINDOW listBox);
VELTO_API int VELTO_CALL velto_LoadComboBox(const VELTO_CHAR* path, VELTO_WINDOW comboBox);
VELTO_API int VELTO_CALL velto_SaveListPair(const VELTO_CHAR* path, VELTO_WINDOW first,
                                            VELTO_WINDOW second);
VELTO_API int VELTO_CALL velto_LoadListPair(const VELTO_CHAR* path, VELTO_WINDOW first,
                                            VELTO_WINDOW second);
VELTO_API int VELTO_CALL velto_PlayWave(const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_PlayMedia(const VELTO_CHAR* path);
VELTO_API int VELTO_CALL velto_StopMedia(const VELTO_CHAR* path);
/* ---- inspect ---- */
/* The host's windows as the library reads them, one a line, indented by depth, with what
 * each recognised window is and which finder says so (velto-run --tree prints the same). */
VELTO_API int VELTO_CALL velto_DescribeHostWindows(VELTO_CHAR* result, int resultSize);
/* Writes a trace of every later call of the calling thread to the file at `path`
 * (emptied first): a line for each operation that reaches the host, each wait, and the
 * call's outcome. NULL stops the trace. VELTO_FAILED when the file cannot be made. */
VELTO_API int VELTO_CALL velto_TraceTo(const VELTO_CHAR* path);

#endif /* VELTO_H */
