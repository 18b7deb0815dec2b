"""The Python module of examples/dll against the library built for this machine: text
crosses whole, results of any length come back, and bad arguments raise."""
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


if __name__ == "__main__":
    unittest.main()
