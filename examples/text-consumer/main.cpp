// Uses the text tools through the installed headers and checks what they give; exits
// non-zero, naming the routine, when one of them gives something else.
#include <velto/library/text_tools.h>

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void Expect(const char* routine, const std::string& actual, const std::string& expected) {
  if (actual == expected)
    return;
  std::printf("%s gave [%s], expected [%s]\n", routine, actual.c_str(), expected.c_str());
  ++failures;
}

}  // namespace

int main() {
  using namespace velto::library;
  std::string text = "Abc abc";
  Expect("ReplaceText", ReplaceText(text, "B", "X"), "AXc aXc");
  std::string swapped = "one two";
  Expect("SwapText", SwapText(swapped, "one", "two"), "two one");
  Expect("ReverseText", ReverseText("h\u00e9llo"), "oll\u00e9h");
  Expect("GetLine", GetLine("first\r\nsecond", 2), "second");
  Expect("CountLines", std::to_string(CountLines("a\rb\rc")), "3");
  if (failures == 0)
    std::printf("text tools of the installed package: all as expected\n");
  return failures == 0 ? 0 : 1;
}
