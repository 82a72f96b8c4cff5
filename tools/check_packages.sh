#!/usr/bin/env bash
# Builds the release package of a build tree and checks what a user would get from it.
#   tools/check_packages.sh deb build/default        Debian package: files, then installed and run
#   tools/check_packages.sh zip build/windows-cross  Windows ZIP: files, DLLs, then run under Wine
set -euo pipefail
kind=$1
build=$(cd "$2" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "check_packages: $*" >&2
    exit 1
}

expect_files() { # listing, expected paths...
    local listing=$1
    shift
    for path in "$@"; do
        grep -qE "(^|[ /])${path}\$" <<<"$listing" || fail "package lacks $path"
    done
}

# Runs an installed program on a short session and checks that it ended by its farewell.
expect_session() { # runner...
    printf '2\n3\n2\n1\n' | "$@" >"$scratch/session.out" || fail "the installed program failed"
    iconv -f "$charset" -t UTF-8 "$scratch/session.out" | tr -d '\r' | tail -n 1 |
        grep -q '종료하였습니다$' || fail "the installed program did not end with its farewell"
}

(cd "$build" && cpack >/dev/null)

case $kind in
deb)
    package=$(ls "$build"/lotto_*_*.deb)
    listing=$(dpkg-deb -c "$package")
    expect_files "$listing" usr/bin/lotto usr/bin/lotto-stats usr/share/doc/lotto/README.md
    dpkg-deb -x "$package" "$scratch/root"
    charset=UTF-8
    expect_session "$scratch/root/usr/bin/lotto"
    "$scratch/root/usr/bin/lotto-stats" --help >/dev/null || fail "lotto-stats --help failed"
    ;;
zip)
    package=$(ls "$build"/lotto-*-win64.zip)
    listing=$(cmake -E tar tf "$package")
    expect_files "$listing" lotto.exe lotto-stats.exe README.md
    (cd "$scratch" && cmake -E tar xf "$package")
    exe=$(find "$scratch" -name lotto.exe)
    # Static: only DLLs that every Windows has.
    for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name/ {print tolower($3)}'); do
        case $dll in
        kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll | ws2_32.dll) ;;
        *) fail "lotto.exe needs $dll" ;;
        esac
    done
    charset=CP949
    expect_session "$root/cmake/wine-run.sh" "$exe"
    ;;
*)
    fail "unknown package kind '$kind'"
    ;;
esac
echo "check_packages: $(basename "$package") is complete and runs"
