#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree, unpacks it into
# a scratch root and checks what a user gets: the programs, the menu entry,
# the icon and the declared dependencies.
set -euo pipefail
build=$1
cpack=${2:-cpack}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "package_test: $*" >&2; exit 1; }

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/quorvel_*.deb)
[ -f "${debs[0]}" ] || fail "no quorvel_*.deb was made"
deb=${debs[0]}

root=$work/root
dpkg -x "$deb" "$root"
for f in usr/bin/quorvel usr/bin/quorvel-console; do
  [ -x "$root/$f" ] || fail "$f missing or not executable"
  file -b "$root/$f" | grep -q '^ELF' || fail "$f is not a program"
done
desktop=$root/usr/share/applications/quorvel.desktop
icon=$root/usr/share/icons/hicolor/scalable/apps/quorvel.svg
[ -f "$desktop" ] || fail "desktop entry missing"
[ -f "$icon" ] || fail "icon missing"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -qx 'Exec=quorvel' "$desktop" || fail "desktop entry does not start the window program"
grep -qx 'Icon=quorvel' "$desktop" || fail "desktop entry does not name the icon"
grep -qx 'Categories=Science;Education;' "$desktop" || fail "desktop entry categories"
grep -q '^Name=.*中心多边形' "$desktop" || fail "desktop entry has no Chinese name"
grep -q '^Comment=.*平差' "$desktop" || fail "desktop entry has no Chinese comment"
grep -q '<svg' "$icon" || fail "icon is not SVG"

depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6gui6 libqt6core6 fonts-noto-cjk; do
  echo "$depends" | grep -q "$d" || fail "Depends lacks $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = quorvel ] || fail "package name"

# Nothing outside /usr, and nothing left in the package but what is listed.
unexpected=$(cd "$root" && find . -type f | grep -v -e '^./usr/bin/quorvel$' -e '^./usr/bin/quorvel-console$' \
  -e '^./usr/share/applications/quorvel.desktop$' -e '^./usr/share/icons/hicolor/scalable/apps/quorvel.svg$' || true)
[ -z "$unexpected" ] || fail "unexpected files: $unexpected"

# The packaged terminal front end runs on its own.
printf '2\n' | "$root/usr/bin/quorvel-console" | grep -q '计 算' || fail "packaged quorvel-console does not run"
echo "package_test: $(basename "$deb") ok"
