"""velto: the text routines and the host routines of velto.dll for Python (ctypes).

    import velto
    lib = velto.Velto()                  # velto.dll beside you, or $VELTO_LIBRARY
    lib.ReverseText("héllo")             # 'olléh'
    lib.SendChatLine("‹ hello ›")        # True when the host took it
    lib.FindChatRoom()                   # the room's handle, or None when there is none
    print(lib.describe_host_windows())   # the host's windows as the library reads them
    with lib.trace("trace.txt"):         # every message the calls send, to a file
        lib.SendChatLine("hi")

Text crosses as UTF-16 (velto.h's VELTO_CHAR), so the same module runs on Windows and
against the native libvelto.so of the text families. Results come back whole: each call
asks for the length first, as velto.h describes.

Every call ends with an outcome (velto_LastOutcome). Any outcome but "done" raises the
exception of its kind, all of them VeltoError: NothingToActOn (no host, or no window of
the kind the routine needs), HostNotAnswering (the host hung past its 5 s bound, or the
window went), TimedOut (a wait reached its bound), QuitRequested, BadArgument (also a
ValueError) and Failed. A finder that found nothing returns None instead.
"""
import contextlib
import ctypes
import os
import sys
from typing import Any, Callable, Dict, Iterator, Optional, Sequence, Tuple, Union

__all__ = ["Velto", "VeltoError", "NothingToActOn", "HostNotAnswering", "TimedOut",
           "QuitRequested", "BadArgument", "Failed"]

TEXT, INT, WINDOW, INOUT, OUT = "text", "int", "window", "inout", "out"

VELTO_TRUE = -1
INSTANT_MESSAGE_OUTCOMES = {0: "taken", 1: "refused", 2: "timed out", 3: "not sent"}


class VeltoError(Exception):
    """A call that did not end "done"; `outcome` is velto.h's VELTO_OUTCOME_* code."""

    outcome = -1

    def __init__(self, routine: str, name: str) -> None:
        super().__init__(f"velto: {routine}: {name}")
        self.routine = routine


class NothingToActOn(VeltoError):
    """No host, or no window of the kind the routine needs, or an index out of range."""
    outcome = 1


class HostNotAnswering(VeltoError):
    """A message failed: its window went, or the host hung past the 5 s bound."""
    outcome = 2


class TimedOut(VeltoError):
    """A wait reached its bound."""
    outcome = 3


class QuitRequested(VeltoError):
    """The program was asked to quit, so the routine stopped."""
    outcome = 4


class BadArgument(VeltoError, ValueError):
    """An argument the routine cannot take; nothing reached the host."""
    outcome = 5


class Failed(VeltoError, RuntimeError):
    """An unexpected failure, or a file that could not be read or written."""
    outcome = 6


_ERRORS: Dict[int, type] = {error.outcome: error for error in
                            (NothingToActOn, HostNotAnswering, TimedOut, QuitRequested,
                             BadArgument, Failed)}
_NOTHING_TO_ACT_ON = NothingToActOn.outcome

# Each routine's parameters as velto.h declares them (an INOUT or an OUT is a buffer and
# its size) and its result: int, window, or the text of its result buffer.
ROUTINES: Dict[str, Tuple[Tuple[str, ...], str]] = {
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
    # what the library sees
    "DescribeHostWindows": ((OUT,), "text"),
}

_CHAR = ctypes.c_uint16
_WINDOWS = sys.platform == "win32"


def _units(text: str) -> ctypes.Array:
    encoded = text.encode("utf-16-le", "surrogatepass")
    return (_CHAR * (len(encoded) // 2 + 1)).from_buffer_copy(encoded + b"\0\0")


def _text_of(buffer: ctypes.Array) -> str:
    units = bytes(buffer)
    end = next((i for i in range(0, len(units), 2) if units[i:i + 2] == b"\0\0"), len(units))
    return units[:end].decode("utf-16-le", "replace")


def _text_of_pointer(pointer: Any) -> str:
    units = []
    while pointer[len(units)]:
        units.append(pointer[len(units)])
    return "".join(map(chr, units))


Result = Union[str, int, bool, None]


class Velto:
    """velto.dll (or libvelto.so): each routine of ROUTINES as a method of the same name."""

    def __init__(self, path: Optional[str] = None) -> None:
        path = path or os.environ.get("VELTO_LIBRARY") or ("velto.dll" if _WINDOWS else "libvelto.so")
        self._library = (ctypes.WinDLL if _WINDOWS else ctypes.CDLL)(path)
        self._library.velto_LastOutcome.argtypes = []
        self._library.velto_LastOutcome.restype = ctypes.c_int
        self._library.velto_OutcomeName.argtypes = [ctypes.c_int]
        self._library.velto_OutcomeName.restype = ctypes.POINTER(_CHAR)

    def __getattr__(self, name: str) -> Callable[..., Result]:
        if name not in ROUTINES:
            raise AttributeError(name)
        function = getattr(self._library, "velto_" + name)
        parameters, result = ROUTINES[name]
        argtypes: list = []
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
        return lambda *arguments: self._call(name, function, parameters, result, arguments)

    def describe_host_windows(self) -> str:
        """The host's windows as the library reads them, a line each (velto-run --tree)."""
        return self.DescribeHostWindows()

    @contextlib.contextmanager
    def trace(self, path: str) -> Iterator[None]:
        """Within the block, every call of this thread writes its trace to the file."""
        function = self._library.velto_TraceTo
        function.argtypes = [ctypes.POINTER(_CHAR)]
        function.restype = ctypes.c_int
        if function(_units(path)) != 0:
            raise Failed("TraceTo", self.outcome_name(self._library.velto_LastOutcome()))
        try:
            yield
        finally:
            function(None)

    def outcome_name(self, code: int) -> str:
        """The name velto.dll gives an outcome code ("done", "timed out", ...)."""
        name = self._library.velto_OutcomeName(code)
        return _text_of_pointer(name) if name else f"outcome {code}"

    def _raise_unless_done(self, routine: str) -> None:
        outcome = self._library.velto_LastOutcome()
        if outcome != 0:
            raise _ERRORS.get(outcome, Failed)(routine, self.outcome_name(outcome))

    def _call(self, routine: str, function: Any, parameters: Sequence[str], result: str,
              arguments: Tuple[Any, ...]) -> Result:
        size = 0
        while True:
            output = (_CHAR * max(size, 1))()
            values: list = []
            given = iter(arguments)
            for kind in parameters:
                if kind == OUT:
                    values += [output, size]
                elif kind == INOUT:
                    edited = _units(next(given))
                    grown = (_CHAR * max(size, len(edited)))()
                    ctypes.memmove(grown, edited, ctypes.sizeof(edited))
                    values += [grown, len(grown)]
                elif kind == TEXT:
                    values.append(_units(next(given)))
                else:
                    values.append(next(given))
            answer = function(*values)
            if result == WINDOW and self._library.velto_LastOutcome() == _NOTHING_TO_ACT_ON:
                return None
            self._raise_unless_done(routine)
            if result == WINDOW:
                return answer or None
            if result == "flag":
                return answer == VELTO_TRUE
            if result == "outcome":
                return INSTANT_MESSAGE_OUTCOMES[answer]
            if result != "text":
                return answer
            if answer < size:
                return _text_of(output)
            size = answer + 1
