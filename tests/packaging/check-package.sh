#!/usr/bin/env bash
# check-package.sh BUILD_FOLDER
#
# Builds the Debian package of a build folder, checks that its Depends cover every shared
# library the programs link and every package they load at run time, unpacks it and starts
# the unpacked program offscreen, as a fresh user, far enough to open its main window on a
# new database. The program must write only into that user's folders.
set -euo pipefail

build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "check-package: $*" >&2
  exit 1
}

for tool in cpack dpkg-deb dpkg objdump desktop-file-validate python3; do
  command -v "$tool" >/dev/null || fail "$tool is missing; run tools/setup-debian.sh"
done

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb="${debs[0]}"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"

# The package names of Depends, one a line, versions and alternatives set apart.
depended="$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')"
declares() {
  grep -Fxq "$1" <<<"$depended"
}

for p in libqt6sql6-sqlite qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n xdg-utils ca-certificates; do
  declares "$p" || fail "Depends lacks $p"
done

dpkg -x "$deb" "$work/root"
root="$work/root/usr"

# Each library a program links directly must come from a package named in Depends.
for program in "$root/bin/thermbook" "$root/bin/runat"; do
  [ -x "$program" ] || fail "${program#"$work/root"} is missing"
  resolved="$(ldd "$program")"
  for soname in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
    path="$(awk -v s="$soname" '$1 == s && $2 == "=>" { print $3 }' <<<"$resolved")"
    [ -n "$path" ] || fail "$soname of ${program##*/} is not found"
    owner=""
    for candidate in "$path" "$(realpath "$path")" "/usr$path" "${path#/usr}"; do
      owner="$(dpkg -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1)" && [ -n "$owner" ] && break
    done
    [ -n "$owner" ] || fail "no package owns $path"
    declares "$owner" || fail "Depends lacks $owner, which holds $soname of ${program##*/}"
  done
done

[ -f "$root/share/thermbook/测温数据输出模板.xlsx_" ] || fail "the report template is not in share/thermbook"
desktop-file-validate "$root/share/applications/thermbook.desktop" || fail "the desktop entry is not valid"
for size in 16 22 24 32 48 64 128 256; do
  icon="$root/share/icons/hicolor/${size}x${size}/apps/thermbook.png"
  python3 - "$icon" "$size" <<'PY' || fail "icon ${size}x${size} is missing or of another size"
import struct, sys
with open(sys.argv[1], "rb") as f:
    head = f.read(24)
size = int(sys.argv[2])
sys.exit(0 if head[:8] == b"\x89PNG\r\n\x1a\n" and struct.unpack(">II", head[16:24]) == (size, size) else 1)
PY
done

# A fresh user with every folder of its own, so nothing of the machine's user is touched.
user="$work/user"
mkdir -p "$user/home" "$user/tmp"
chmod 700 "$user/tmp"
before="$(cd "$work/root" && find . | sort)"
status=0
out="$(env HOME="$user/home" XDG_DATA_HOME="$user/data" XDG_CONFIG_HOME="$user/config" \
  XDG_CACHE_HOME="$user/cache" XDG_RUNTIME_DIR="$user/tmp" TMPDIR="$user/tmp" \
  QT_QPA_PLATFORM=offscreen THERMBOOK_CHECK_START=1 \
  timeout 120 "$root/bin/thermbook" 2>"$work/stderr")" || status=$?
cat "$work/stderr" >&2
[ "$status" -eq 0 ] || fail "the unpacked program ended with $status: $out"
database="$user/data/thermbook/数据库.mdb"
[ "$out" = "thermbook: main window open on $database" ] || fail "unexpected report: $out"
[ -s "$database" ] || fail "no database was made at $database"
[ "$before" = "$(cd "$work/root" && find . | sort)" ] || fail "the program wrote beside itself"
echo "check-package: ${deb##*/} is complete and starts"
