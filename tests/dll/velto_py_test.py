"""The Python module of examples/dll against the library built for this machine: text
crosses whole, results of any length come back, and every outcome but done raises."""
import ctypes
import os
import pathlib
import unittest

import velto


class VeltoPython(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lib = velto.Velto()

    def test_text_beyond_windows_1252_and_the_host_marks(self):
        self.assertEqual(self.lib.ReverseText("‹¬·›• 日😀"), "😀日 •›·¬‹")
        self.assertEqual(self.lib.CharAt("a😀b", 2), "😀")

    def test_in_out_routines_return_their_result(self):
        self.assertEqual(self.lib.ReplaceText("a b a", "a", "xyz"), "xyz b xyz")
        self.assertEqual(self.lib.RemoveSpaces(" a b "), "ab")

    def test_results_longer_than_the_first_guess(self):
        long_text = "ab" * 5000
        self.assertEqual(self.lib.DoubleLetters(long_text), "aabb" * 5000)
        self.assertEqual(self.lib.ReplaceText(long_text, "a", "aaa"), "aaab" * 5000)

    def test_empty_texts_and_counts(self):
        self.assertEqual(self.lib.ReverseText(""), "")
        self.assertEqual(self.lib.CountLines("a\r\nb"), 2)
        self.assertEqual(self.lib.GetLine("one\r\ntwo", 2), "two")

    def test_art_gives_the_text_it_writes_back(self):
        self.assertTrue(self.lib.ArtStyle01("¯¯/\\__"))

    def test_unknown_routine(self):
        with self.assertRaises(AttributeError):
            self.lib.NoSuchRoutine

    def test_the_library_keeps_each_calls_outcome_and_names_it(self):
        library = self.lib._library
        library.velto_ReverseText.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int]
        library.velto_ReverseText(None, None, 0)
        self.assertEqual(library.velto_LastOutcome(), velto.BadArgument.outcome)
        self.assertEqual(self.lib.outcome_name(velto.BadArgument.outcome), "bad argument")
        self.lib.ReverseText("ab")
        self.assertEqual(library.velto_LastOutcome(), 0)
        self.assertEqual(self.lib.outcome_name(0), "done")
        self.assertEqual(self.lib.outcome_name(99), "outcome 99")


class _Routine:
    """A routine of a stand-in library: answers `answer` and leaves `outcome` behind."""

    def __init__(self, library, answer):
        self.library, self.answer = library, answer

    def __call__(self, *arguments):
        self.library.last = self.library.outcome
        return self.answer


class _StandInLibrary:
    """What velto.Velto reads of the DLL, ending every call with the outcome it is told."""

    NAMES = ["done", "nothing to act on", "the host did not answer", "timed out",
             "quit requested", "bad argument", "failed"]

    def __init__(self, outcome, answer=0):
        self.outcome, self.last, self.answer = outcome, 0, answer
        self.velto_LastOutcome = lambda: self.last
        self.velto_OutcomeName = lambda code: (ctypes.c_uint16 * 40)(*map(ord, self.NAMES[code]))

    def __getattr__(self, name):
        return _Routine(self, self.answer)


def _with_outcome(outcome, answer=0):
    lib = velto.Velto.__new__(velto.Velto)
    lib._library = _StandInLibrary(outcome, answer)
    return lib


class VeltoOutcomes(unittest.TestCase):
    def test_each_outcome_raises_its_exception_naming_the_routine(self):
        cases = {1: velto.NothingToActOn, 2: velto.HostNotAnswering, 3: velto.TimedOut,
                 4: velto.QuitRequested, 5: velto.BadArgument, 6: velto.Failed}
        for outcome, error in cases.items():
            with self.assertRaises(error) as raised:
                _with_outcome(outcome).SendChatLine("hi")
            self.assertIsInstance(raised.exception, velto.VeltoError)
            self.assertIn("SendChatLine", str(raised.exception))
            self.assertIn(_StandInLibrary.NAMES[outcome], str(raised.exception))
        self.assertTrue(issubclass(velto.BadArgument, ValueError), "as before: a ValueError")

    def test_done_answers_and_a_finder_that_found_nothing_gives_none(self):
        self.assertTrue(_with_outcome(0, answer=-1).SendChatLine("hi"))
        self.assertEqual(_with_outcome(0, answer=1234).FindChatRoom(), 1234)
        self.assertIsNone(_with_outcome(1).FindChatRoom())
        with self.assertRaises(velto.HostNotAnswering):
            _with_outcome(2).FindChatRoom()


class _TreeAndTraceLibrary(_StandInLibrary):
    """A stand-in library whose tree is `tree` and that notes each velto_TraceTo path."""

    def __init__(self, tree):
        super().__init__(0)
        self.traced_to = []

        def describe(result, size):
            if size > len(tree):
                ctypes.memmove(result, tree.encode("utf-16-le") + b"\0\0", 2 * len(tree) + 2)
            return len(tree)

        def trace_to(path):
            self.traced_to.append(velto._text_of(path) if path else None)
            return 0

        self.velto_DescribeHostWindows = describe
        self.velto_TraceTo = trace_to


class VeltoTreeAndTrace(unittest.TestCase):
    def _lib(self, tree=""):
        lib = velto.Velto.__new__(velto.Velto)
        lib._library = _TreeAndTraceLibrary(tree)
        return lib

    def test_the_tree_comes_back_whole_however_long(self):
        tree = '0x10058 "AOL Frame25" "America Online" visible\n' * 200
        self.assertEqual(self._lib(tree).describe_host_windows(), tree)

    def test_a_trace_covers_the_block_and_stops_even_when_it_raises(self):
        lib = self._lib()
        with self.assertRaises(RuntimeError):
            with lib.trace("C:\\trace.txt"):
                self.assertEqual(lib._library.traced_to, ["C:\\trace.txt"])
                raise RuntimeError("inside the block")
        self.assertEqual(lib._library.traced_to, ["C:\\trace.txt", None])


class VeltoPackage(unittest.TestCase):
    def test_the_package_has_the_programs_version(self):
        wanted = os.environ.get("VELTO_VERSION")
        if not wanted:
            self.skipTest("VELTO_VERSION not given")
        project = pathlib.Path(__file__).parents[2] / "examples/dll/python/pyproject.toml"
        self.assertIn(f'version = "{wanted}"', project.read_text())


if __name__ == "__main__":
    unittest.main()
