#!/usr/bin/env bash
# Installs Nimbaro into a temporary folder whose path has blanks, either with `cmake --install`
# or from the Debian package that CPack builds, and checks that the program and its documents
# lie together, that the manual page and Debian's documentation files are there, that the
# desktop entry finds its program and icon, and that the installed program, started through
# its bin/ link, opens each of its four documents (in its own viewer when there is no document
# opener).
#
# check_installed_program.sh install|package <build dir> <probe plugin dir>
set -euo pipefail

mode=$1
build_dir=$2
plugin_dir=$3
app_id=org.example.nimbaro
documents=("Readme.txt" "How To.txt" "Licence.txt" "Acknowledgements.txt")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

case $mode in
install)
    prefix="$work/prefix with blanks"
    cmake --install "$build_dir" --prefix "$prefix" >/dev/null
    ;;
package)
    cpack --config "$build_dir/CPackConfig.cmake" -B "$work/package" >/dev/null
    debs=("$work"/package/*.deb)
    [[ -f ${debs[0]} ]] || fail "no .deb built"
    depends=$(dpkg-deb --field "${debs[0]}" Depends)
    for runtime in libqt6widgets6 libqt6gui6 libqt6core6; do
        [[ $depends == *"$runtime"* ]] || fail "Depends lacks $runtime: $depends"
    done
    dpkg-deb --extract "${debs[0]}" "$work/root with blanks"
    prefix="$work/root with blanks/usr"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac

program_dir="$prefix/lib/nimbaro"
[[ -x $program_dir/nimbaro ]] || fail "no program in $program_dir"
for document in "${documents[@]}"; do
    [[ -f $program_dir/$document ]] || fail "no $document beside the program"
done
[[ $(readlink "$prefix/bin/nimbaro") == ../lib/nimbaro/nimbaro ]] ||
    fail "bin/nimbaro is not a link to the program"
[[ $("$prefix/bin/nimbaro-calc" convert temperature 100 C --to F) == $'212.00000\tdegrees Fahrenheit' ]] ||
    fail "bin/nimbaro-calc does not convert"

for file in share/man/man1/nimbaro.1.gz share/man/man1/nimbaro-calc.1.gz \
    share/doc/nimbaro/copyright share/doc/nimbaro/changelog.gz; do
    [[ -f $prefix/$file ]] || fail "no $file"
done

entry="$prefix/share/applications/$app_id.desktop"
[[ -f $entry ]] || fail "no desktop entry"
[[ -f $prefix/share/metainfo/$app_id.metainfo.xml ]] || fail "no metainfo"
exec_name=$(sed -n 's/^Exec=//p' "$entry")
[[ -x $prefix/bin/$exec_name ]] || fail "desktop entry starts $exec_name, which is not in bin/"
icon=$(sed -n 's/^Icon=//p' "$entry")
[[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "no scalable icon $icon"
for size in 16 24 32 48 64 128 256; do
    [[ -f $prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png ]] ||
        fail "no ${size}px icon $icon"
done

# A stand-in for the desktop's document opener records the arguments it is given.
mkdir "$work/bin"
cat >"$work/bin/xdg-open" <<'EOF'
#!/bin/sh
printf '%s|%s\n' "$#" "$1" >>"$NIMBARO_CHECK_OPENED"
EOF
chmod +x "$work/bin/xdg-open"
export NIMBARO_CHECK_OPENED="$work/opened"
: >"$NIMBARO_CHECK_OPENED"

# Starts the installed program through its link, from another folder, with the probe plugin
# choosing the four documents: run_probe <PATH for the program> <output file>.
timeout=$(command -v timeout)
run_probe() {
    (cd / && PATH="$1" QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$plugin_dir" \
        QT_QPA_GENERIC_PLUGINS=nimbarohelpprobe "$timeout" 60 "$prefix/bin/nimbaro" >"$2") ||
        fail "the installed program did not run to its end: $(cat "$2")"
}

# Without a document opener the program shows every document in its own viewer.
mkdir "$work/no-opener"
run_probe "$work/no-opener" "$work/probe-no-opener"
shown=$(grep '^viewer: ' "$work/probe-no-opener" | sort)
[[ $shown == $(printf 'viewer: %s\n' "${documents[@]}" | sort) ]] ||
    fail "without an opener the documents were not shown: $(cat "$work/probe-no-opener")"
if grep '^message: ' "$work/probe-no-opener"; then
    fail "the program reported the lines above without an opener"
fi

run_probe "$work/bin:$PATH" "$work/probe"
grep -qx 'icon: set' "$work/probe" || fail "the windows have no icon: $(cat "$work/probe")"
if grep -v '^icon: ' "$work/probe"; then
    fail "the program reported the lines above"
fi

# The openers run detached; wait until all four have written, with a bound against a hang.
for _ in $(seq 300); do
    (($(wc -l <"$NIMBARO_CHECK_OPENED") >= ${#documents[@]})) && break
    sleep 0.1
done
real_program_dir=$(realpath "$program_dir")
expected=$(for document in "${documents[@]}"; do echo "1|$real_program_dir/$document"; done | sort)
opened=$(sort "$NIMBARO_CHECK_OPENED")
[[ $opened == "$expected" ]] || fail "opened:
$opened
expected:
$expected"
echo "$mode: program and documents in $program_dir; all four documents opened"
