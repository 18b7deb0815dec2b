#!/bin/sh
# Builds the text fuzzer with clang and libFuzzer, apart from the gcc build.
#   fuzz/build.sh                          -> build/fuzz/text_fuzz
#   build/fuzz/text_fuzz build/fuzz/text-corpus fuzz/corpus/text -max_total_time=180
# New inputs go to the first directory; fuzz/corpus/text holds the seeds we keep.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
mkdir -p "$out" "$out/text-corpus"
clang++ -std=c++17 -g -O1 -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I "$root/src" -I "$root/bench" \
  "$root/fuzz/text_fuzz.cpp" \
  "$root/src/host/utf8.cpp" "$root/src/host/host_text.cpp" "$root/src/host/substitute_desktop.cpp" \
  "$root"/src/library/text/art_turns.cpp "$root"/src/library/text/case_fold.cpp "$root"/src/library/text/text_art.cpp \
  "$root"/src/library/text/text_lines.cpp "$root"/src/library/text/text_search.cpp \
  "$root"/src/library/text/text_tools.cpp \
  -o "$out/text_fuzz"
echo "$out/text_fuzz"
