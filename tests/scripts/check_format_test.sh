#!/usr/bin/env bash
# scripts/check-format on a small git repository with the project's
# .clang-format: formatted files pass; a difference in a tracked file of ours
# fails and names the file; untracked files and other folders are left alone.
#   check_format_test.sh SCRIPT CLANG_FORMAT_FILE
set -euo pipefail
script="$1"
style="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

repo="$work/repo"
mkdir -p "$repo"/{src/calc,tests/calc,resources}
cp "$style" "$repo/.clang-format"
cat >"$repo/src/calc/cpi.h" <<'CPP'
#pragma once

namespace cgt {

int Index(int quarter);

}  // namespace cgt
CPP
cat >"$repo/tests/calc/cpi_test.cpp" <<'CPP'
#include "calc/cpi.h"

int Twice(int x) {
    return 2 * x;
}
CPP
git -C "$repo" init -q
git -C "$repo" add .
# Formatted files already in the tree are what the other checks start from.
if ! clang-format --dry-run --Werror "$repo/src/calc/cpi.h" "$repo/tests/calc/cpi_test.cpp" 2>/dev/null; then
  fail "the fixture itself is not formatted"
fi

if ! out=$("$script" "$repo" 2>&1); then
  fail "formatted files were refused:"; echo "$out"
fi

# Differences outside the checked files do not count.
printf 'int  Untracked( ){return 1;}\n' >"$repo/src/calc/scratch.cpp"
printf 'int  Elsewhere( ){return 1;}\n' >"$repo/resources/gen.cpp"
git -C "$repo" add resources/gen.cpp
if ! out=$("$script" "$repo" 2>&1); then
  fail "an untracked file or a file outside the checked folders was checked:"; echo "$out"
fi

# expect_difference FILE: FILE (tracked, badly formatted) fails the check by name.
expect_difference() {
  local status=0 out
  out=$("$script" "$repo" 2>&1) || status=$?
  if [ "$status" -ne 1 ]; then
    fail "$1: exit status $status, expected 1"; echo "$out"
  elif ! grep -qF "$1: not formatted" <<<"$out"; then
    fail "$1 is not named:"; echo "$out"
  fi
}

cp "$repo/tests/calc/cpi_test.cpp" "$work/saved"
sed -i 's/return 2 \* x;/return 2*x;/' "$repo/tests/calc/cpi_test.cpp"
expect_difference tests/calc/cpi_test.cpp
cp "$work/saved" "$repo/tests/calc/cpi_test.cpp"

# An include out of order is a difference too.
printf '#pragma once\n#include <vector>\n#include <string>\n' >"$repo/src/calc/order.h"
git -C "$repo" add src/calc/order.h
expect_difference src/calc/order.h

[ "$failures" -eq 0 ] || exit 1
echo "check-format: every planted difference was found"
