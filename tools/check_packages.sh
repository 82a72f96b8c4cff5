#!/usr/bin/env bash
# Builds the release package of a build tree, writes its SHA256SUMS beside it, and checks
# what a user would get from it.
#   tools/check_packages.sh deb build/default        Debian package: lintian, files, manual
#                                                    pages, run; as root also dpkg -i and -r
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

cmake --build "$build" >/dev/null
(cd "$build" && rm -f lotto_*.deb lotto-*.zip SHA256SUMS && cpack >/dev/null)

case $kind in
deb)
    package=$(ls "$build"/lotto_*_*.deb)
    # Debian's own checker: no error, no warning, no hardening tag.
    lintian -I --tag-display-limit 0 "$package" 2>/dev/null | tee "$scratch/lintian"
    if grep -qE '^[EW]: |hardening' "$scratch/lintian"; then
        fail "lintian finds fault with $(basename "$package")"
    fi
    listing=$(dpkg-deb -c "$package")
    expect_files "$listing" usr/bin/lotto usr/bin/lotto-stats usr/share/lotto/draws.csv usr/share/lotto/prizes.csv usr/share/doc/lotto/README.md \
        usr/share/doc/lotto/copyright usr/share/doc/lotto/changelog.gz \
        usr/share/doc/lotto/docs/images/prediction-screen.svg usr/share/doc/lotto/docs/week.md \
        usr/share/man/man1/lotto.1.gz usr/share/man/man1/lotto-stats.1.gz \
        usr/share/man/ko/man1/lotto.1.gz usr/share/man/ko/man1/lotto-stats.1.gz \
        usr/share/doc/lotto/README.ko.md
    dpkg-deb -x "$package" "$scratch/root"
    for page in man1/lotto man1/lotto-stats ko/man1/lotto ko/man1/lotto-stats; do
        man -l "$scratch/root/usr/share/man/$page.1.gz" 2>&1 >/dev/null | grep . &&
            fail "man finds fault with $page(1)"
        man -l "$scratch/root/usr/share/man/$page.1.gz" | grep -qE "^(NAME|이름)" ||
            fail "$page(1) does not render"
    done
    charset=UTF-8
    expect_session "$scratch/root/usr/bin/lotto"
    "$scratch/root/usr/bin/lotto-stats" --help >/dev/null || fail "lotto-stats --help failed"
    if [ "$(id -u)" = 0 ] && ! dpkg -s lotto >/dev/null 2>&1; then
        dpkg -i "$package" >/dev/null || fail "dpkg -i failed"
        [ "$(lotto --version)" = "lotto $(dpkg-deb -f "$package" Version)" ] ||
            fail "the installed lotto does not answer --version"
        dpkg -r lotto >/dev/null || fail "dpkg -r failed"
        [ ! -e /usr/bin/lotto ] && [ ! -e /usr/share/doc/lotto ] && [ ! -e /usr/share/man/man1/lotto.1.gz ] ||
            fail "dpkg -r left files behind"
    fi
    ;;
zip)
    package=$(ls "$build"/lotto-*-win64.zip)
    listing=$(cmake -E tar tf "$package")
    expect_files "$listing" lotto.exe lotto-stats.exe draws.csv prizes.csv README.md LICENSE CHANGELOG.md \
        docs/images/prediction-screen.svg docs/windows.md
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
(cd "$build" && sha256sum "$(basename "$package")" >SHA256SUMS)
echo "check_packages: $(basename "$package") is complete and runs; $build/SHA256SUMS"
