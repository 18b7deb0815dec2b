#!/usr/bin/env bash
# The Python module as a user installs it: `pip install examples/dll/python` into a fresh
# virtual environment, then its tests run there, on the installed module alone.
#   velto_py_package_test.sh <python> <repo> <libvelto.so>
set -euo pipefail
python=$1 repo=$2 library=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The machines that run the tests reach no package index, so pip builds with the
# setuptools and wheel the system has (Debian's python3-setuptools and python3-wheel),
# seen from the environment, instead of fetching them.
for candidate in "$python" /usr/bin/python3; do
  if "$candidate" -c 'import setuptools, wheel' 2>/dev/null; then
    python=$candidate
    break
  fi
done
"$python" -m venv --system-site-packages "$work/venv"
# From a copy, as setuptools leaves its build folders beside the sources.
cp -r "$repo/examples/dll/python" "$work/source"
"$work/venv/bin/pip" install --quiet --no-index --no-build-isolation "$work/source"
cd "$work"
"$work/venv/bin/python" -c 'import velto, sys; sys.exit(0 if "venv" in velto.__file__ else 1)' ||
  { echo "FAIL: velto was not imported from the virtual environment"; exit 1; }
VELTO_LIBRARY=$library "$work/venv/bin/python" "$repo/tests/dll/velto_py_test.py"
