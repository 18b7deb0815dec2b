#!/bin/sh
# Builds the fuzzer of the profile-file rules and the delimited-input reader with clang
# and libFuzzer, apart from the gcc build.
#   fuzz/build-files-fuzz.sh               -> build/fuzz/profile_fuzz
#   build/fuzz/profile_fuzz build/fuzz/profile-corpus fuzz/corpus/profile fuzz/corpus/items \
#     -max_total_time=120
# New inputs go to the first directory; fuzz/corpus/profile and fuzz/corpus/items hold
# the seeds we keep.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build/fuzz"
mkdir -p "$out" "$out/profile-corpus"
clang++ -std=c++17 -g -O1 -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I "$root/src" \
  "$root/fuzz/profile_fuzz.cpp" \
  "$root/src/library/files/profile_text.cpp" "$root/src/library/files/sequential_text.cpp" \
  -o "$out/profile_fuzz"
echo "$out/profile_fuzz"
