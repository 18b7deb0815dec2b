"""velto: the text routines and the host routines of velto.dll for Python (ctypes).

    import velto
    lib = velto.Velto()                  # velto.dll beside you, or $VELTO_LIBRARY
    lib.ReverseText("héllo")             # 'olléh'
    lib.SendChatLine("‹ hello ›")        # True when the host took it

Text crosses as UTF-16 (velto.h's VELTO_CHAR), so the same module runs on Windows and
against the native libvelto.so of the text families. Results come back whole: each call
asks for the length first, as velto.h describes. A bad argument raises ValueError.
"""
import ctypes
import os
import sys

TEXT, INT, WINDOW, INOUT, OUT = "text", "int", "window", "inout", "out"

VELTO_TRUE = -1
VELTO_BAD_ARGUMENT = -2
VELTO_FAILED = -3
INSTANT_MESSAGE_OUTCOMES = {0: "taken", 1: "refused", 2: "timed out", 3: "not sent"}

# Each routine's parameters as velto.h declares them (an INOUT or an OUT is a buffer and
# its size) and its result: int, window, or the text of its result buffer.
ROUTINES = {
    # the host routines
    "FindChatRoom": ((), WINDOW),
    "SendChatLine": ((TEXT,), "flag"),
    "OpenKeyword": ((TEXT,), "flag"),
    "SendInstantMessage": ((TEXT, TEXT), "outcome"),
    "GetWindowCaption": ((WINDOW, OUT), "text"),
    "GetScreenName": ((OUT,), "text"),
    "DragForm": ((WINDOW,), "int"),
    # text tools
    "ReplaceText": ((INOUT, TEXT, TEXT, OUT), "text"),
    "SwapText": ((INOUT, TEXT, TEXT, OUT), "text"),
    "ReverseText": ((TEXT, OUT), "text"),
    "CharAt": ((TEXT, INT, OUT), "text"),
    "DoubleLetters": ((TEXT, OUT), "text"),
    "CountLines": ((TEXT,), "int"),
    "GetLine": ((TEXT, INT, OUT), "text"),
    "RemoveSpaces": ((INOUT, OUT), "text"),
    "ListItemsToText": ((WINDOW, OUT), "text"),
    "DoubleLettersLines": ((TEXT, OUT), "text"),
    "IndentLines": ((INOUT, OUT), "text"),
    "UnindentLines": ((INOUT, OUT), "text"),
    # text art
    **{"ArtStyle%02d" % n: ((INOUT, OUT), "text") for n in range(1, 29)},
    "MirrorArt": ((TEXT, OUT), "text"),
    "FlipArt": ((INOUT, OUT), "text"),
    # chat lines as the host shows them
    "ChatLineSender": ((TEXT, OUT), "text"),
    "ChatLineMessage": ((TEXT, OUT), "text"),
}

_CHAR = ctypes.c_uint16
_WINDOWS = sys.platform == "win32"


def _units(text):
    encoded = text.encode("utf-16-le", "surrogatepass")
    return (_CHAR * (len(encoded) // 2 + 1)).from_buffer_copy(encoded + b"\0\0")


def _text_of(buffer):
    units = bytes(buffer)
    end = next((i for i in range(0, len(units), 2) if units[i:i + 2] == b"\0\0"), len(units))
    return units[:end].decode("utf-16-le", "replace")


def _checked(result):
    if result == VELTO_BAD_ARGUMENT:
        raise ValueError("velto: bad argument")
    if result == VELTO_FAILED:
        raise RuntimeError("velto: the library failed")
    return result


class Velto:
    def __init__(self, path=None):
        path = path or os.environ.get("VELTO_LIBRARY") or ("velto.dll" if _WINDOWS else "libvelto.so")
        self._library = (ctypes.WinDLL if _WINDOWS else ctypes.CDLL)(path)

    def __getattr__(self, name):
        if name not in ROUTINES:
            raise AttributeError(name)
        function = getattr(self._library, "velto_" + name)
        parameters, result = ROUTINES[name]
        argtypes = []
        for kind in parameters:
            if kind == WINDOW:
                argtypes.append(ctypes.c_ssize_t)
            elif kind == INT:
                argtypes.append(ctypes.c_int)
            elif kind == TEXT:
                argtypes.append(ctypes.POINTER(_CHAR))
            else:
                argtypes += [ctypes.POINTER(_CHAR), ctypes.c_int]
        function.argtypes = argtypes
        function.restype = ctypes.c_ssize_t if result == WINDOW else ctypes.c_int
        return lambda *arguments: self._call(function, parameters, result, arguments)

    def _call(self, function, parameters, result, arguments):
        size = 0
        while True:
            output = (_CHAR * max(size, 1))()
            values, edited, given = [], None, iter(arguments)
            for kind in parameters:
                if kind == OUT:
                    values += [output, size]
                elif kind == INOUT:
                    text = next(given)
                    edited = _units(text)
                    grown = (_CHAR * max(size, len(edited)))()
                    ctypes.memmove(grown, edited, ctypes.sizeof(edited))
                    values += [grown, len(grown)]
                elif kind == TEXT:
                    values.append(_units(next(given)))
                else:
                    values.append(next(given))
            answer = function(*values)
            if result == WINDOW:
                return answer
            _checked(answer)
            if result == "flag":
                return answer == VELTO_TRUE
            if result == "outcome":
                return INSTANT_MESSAGE_OUTCOMES[answer]
            if result != "text":
                return answer
            if answer < size:
                return _text_of(output)
            size = answer + 1
