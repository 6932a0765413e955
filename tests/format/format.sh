#!/bin/sh
# Every C++ source of the tree, as clang-format would write it. Files are
# listed at test time, so a new file is checked without configuring again.
set -eu
clang_format=$1
cd "$2"
if [ -d .git ] || git rev-parse --git-dir >/dev/null 2>&1; then
  fichiers=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
else
  fichiers=$(find src tests bench -name '*.cpp' -o -name '*.h')
fi
# shellcheck disable=SC2086
"$clang_format" --dry-run --Werror $fichiers
