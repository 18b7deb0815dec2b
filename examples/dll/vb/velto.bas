Attribute VB_Name = "Velto"
' velto.dll for classic Visual Basic (VB5, VB6, 32-bit VBA): put the 32-bit velto.dll beside
' the program. (64-bit VBA takes the 64-bit DLL: write Declare PtrSafe, and LongPtr for every
' handle and pointer.)
' Texts go as StrPtr of a String (UTF-16, as velto.h takes them); a result goes into a
' String you size: ask with 0, then make it that long plus one, and ask again.
'
'   Dim n As Long, s As String
'   n = velto_GetScreenName(0, 0)
'   s = String$(n + 1, vbNullChar)
'   n = velto_GetScreenName(StrPtr(s), n + 1)
'   s = Left$(s, n)
Option Explicit

Public Const VELTO_TRUE As Long = -1
Public Const VELTO_BAD_ARGUMENT As Long = -2

' How the last call ended: If velto_LastOutcome() = VELTO_OUTCOME_HOST_DID_NOT_ANSWER Then ...
Public Const VELTO_OUTCOME_DONE As Long = 0
Public Const VELTO_OUTCOME_NOTHING_TO_ACT_ON As Long = 1
Public Const VELTO_OUTCOME_HOST_DID_NOT_ANSWER As Long = 2
Public Const VELTO_OUTCOME_TIMED_OUT As Long = 3
Public Const VELTO_OUTCOME_QUIT_REQUESTED As Long = 4
Public Const VELTO_OUTCOME_BAD_ARGUMENT As Long = 5
Public Const VELTO_OUTCOME_FAILED As Long = 6
Public Declare Function velto_LastOutcome Lib "velto.dll" () As Long

Public Declare Function velto_FindChatRoom Lib "velto.dll" () As Long
Public Declare Function velto_SendChatLine Lib "velto.dll" (ByVal text As Long) As Long
Public Declare Function velto_OpenKeyword Lib "velto.dll" (ByVal keyword As Long) As Long
Public Declare Function velto_SendInstantMessage Lib "velto.dll" (ByVal recipient As Long, ByVal message As Long) As Long
Public Declare Function velto_GetScreenName Lib "velto.dll" (ByVal result As Long, ByVal resultSize As Long) As Long
Public Declare Function velto_GetWindowCaption Lib "velto.dll" (ByVal window As Long, ByVal result As Long, ByVal resultSize As Long) As Long
Public Declare Function velto_ReplaceText Lib "velto.dll" (ByVal text As Long, ByVal textSize As Long, ByVal find As Long, ByVal replacement As Long, ByVal result As Long, ByVal resultSize As Long) As Long
Public Declare Function velto_ReverseText Lib "velto.dll" (ByVal text As Long, ByVal result As Long, ByVal resultSize As Long) As Long
Public Declare Function velto_CountLines Lib "velto.dll" (ByVal text As Long) As Long
Public Declare Function velto_ArtStyle01 Lib "velto.dll" (ByVal text As Long, ByVal textSize As Long, ByVal result As Long, ByVal resultSize As Long) As Long
Public Declare Function velto_ListChatPeople Lib "velto.dll" (ByVal list As Long, ByVal includeSelf As Long) As Long
Public Declare Function velto_CountChatPeople Lib "velto.dll" () As Long
Public Declare Function velto_HideWindow Lib "velto.dll" (ByVal window As Long) As Long
Public Declare Function velto_SlideFormDown Lib "velto.dll" (ByVal form As Long) As Long
Public Declare Function velto_SendMail Lib "velto.dll" (ByVal recipients As Long, ByVal subject As Long, ByVal message As Long) As Long
Public Declare Function velto_WriteIniValue Lib "velto.dll" (ByVal section As Long, ByVal key As Long, ByVal value As Long, ByVal file As Long) As Long

' The screen name, or "" when the host shows none.
Public Function ScreenName() As String
    Dim n As Long, s As String
    n = velto_GetScreenName(0, 0)
    s = String$(n + 1, vbNullChar)
    n = velto_GetScreenName(StrPtr(s), n + 1)
    ScreenName = Left$(s, n)
End Function
