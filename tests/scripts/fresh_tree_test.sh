#!/bin/bash
# scripts/lib/fresh-tree: a build tree configured for another checkout loses
# its cache; one configured for this checkout keeps it.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

tree() { # tree NAME SOURCE_DIR: a build tree whose cache names SOURCE_DIR
  mkdir -p "$scratch/$1/CMakeFiles"
  echo "CMAKE_HOME_DIRECTORY:INTERNAL=$2" >"$scratch/$1/CMakeCache.txt"
}
tree copied "$scratch/old-checkout"
tree own "$repo"
mkdir -p "$scratch/old-checkout"

"$repo/scripts/lib/fresh-tree" "$scratch/copied" "$scratch/own" "$scratch/none" 2>/dev/null
fail=0
[ ! -e "$scratch/copied/CMakeCache.txt" ] && [ ! -e "$scratch/copied/CMakeFiles" ] ||
  { echo "FAIL: the copied tree kept its cache"; fail=1; }
[ -e "$scratch/own/CMakeCache.txt" ] || { echo "FAIL: the tree of this checkout lost its cache"; fail=1; }
exit $fail
