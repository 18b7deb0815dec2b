; velto.dll from AutoHotkey (v1.1 Unicode, 32- or 64-bit to match the DLL): DllCall's
; default convention is __stdcall, as velto.dll's 32-bit exports are. "Str" passes a
; UTF-16 text; a result goes into a buffer made with VarSetCapacity (sizes in WCHARs).
#NoEnv
velto := DllCall("LoadLibrary", "Str", A_ScriptDir "\velto.dll", "Ptr")

; Asks for a text result's length, then fetches it.
TextResult(function, args*) {
    needed := DllCall("velto.dll\" function, args*, "Ptr", 0, "Int", 0, "Int")
    VarSetCapacity(buffer, (needed + 1) * 2, 0)
    DllCall("velto.dll\" function, args*, "Ptr", &buffer, "Int", needed + 1, "Int")
    return StrGet(&buffer, "UTF-16")
}

room := DllCall("velto.dll\velto_FindChatRoom", "Ptr")
if (!room) {
    MsgBox, No chat room is open.
    ExitApp
}
if !DllCall("velto.dll\velto_SendChatLine", "Str", "‹ back in a minute ›", "Int")
    MsgBox % "Not sent: " . StrGet(DllCall("velto.dll\velto_OutcomeName", "Int", DllCall("velto.dll\velto_LastOutcome", "Int"), "Ptr"), "UTF-16")
name := TextResult("velto_GetScreenName")
caption := TextResult("velto_GetWindowCaption", "Ptr", room)
reversed := TextResult("velto_ReverseText", "Str", name)
people := DllCall("velto.dll\velto_CountChatPeople", "Int")
DllCall("velto.dll\velto_OpenKeyword", "Str", "news", "Int")
outcome := DllCall("velto.dll\velto_SendInstantMessage", "Str", "Alice", "Str", "hi", "Int")
VarSetCapacity(key, 64 * 2, 0)
StrPut("REASON", &key, "UTF-16")
reason := TextResult("velto_ReadIniValue", "Str", "Idler", "Ptr", &key, "Int", 64, "Str", A_ScriptDir "\idler.ini")
DllCall("velto.dll\velto_WriteIniValue", "Str", "Idler", "Str", "reason", "Str", "lunch", "Str", A_ScriptDir "\idler.ini", "Int")
MsgBox, % name " in " caption " with " people " people (" reversed "); instant message: " outcome "; reason: " reason
DllCall("FreeLibrary", "Ptr", velto)
