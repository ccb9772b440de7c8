#!/usr/bin/env bash
# Builds the Debian packages with CPack and runs Debian's package checker on each; fails on any
# error or warning. Tags the package overrides (usr/share/lintian/overrides/nimbaro, each with
# its reason) do not count.
#
# lint_package.sh <lintian> <build dir>
set -euo pipefail

lintian=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null
debs=("$work"/*.deb)
[[ -f ${debs[0]} ]] || { echo "FAIL: no .deb built" >&2; exit 1; }
for deb in "${debs[@]}"; do
    "$lintian" --fail-on error,warning "$deb"
    echo "lintian: no error or warning in $(basename "$deb")"
done
