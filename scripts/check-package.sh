#!/usr/bin/env bash
# Checks the Debian packages that scripts/package.sh built:
#   check-package.sh zort_VERSION_ARCH.deb zort-tools_VERSION_ARCH.deb
# (ZORT_HELP_DIR names the help pages packaged when they are not the sources' help/)
# the dependencies (computed ones and those no library scan finds, no build-only
# package), the files (programs, launcher, menu entry, icons, every help page and
# reference list of the sources), the menu entry (desktop-file-validate) and
# lintian (no error; its warnings are listed).
set -euo pipefail
cd "$(dirname "$0")/.."
main=${1:?the zort package}
tools=${2:?the zort-tools package}
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

info=$(dpkg-deb --info "$main")
depends=$(dpkg-deb --field "$main" Depends)
echo "Depends: $depends"
for dep in firebird3.0-server-core libqt6sql6-ibase qt6-qpa-plugins qt6-translations-l10n xdg-utils \
           libfbclient2 libqt6widgets6 libqt6sql6 libc6; do
  grep -Eq "(^|[ ,|])$dep( |,|$)" <<<"$depends" || fail "zort does not depend on $dep"
done
if grep -Eq -- '-dev([ ,]|$)|cmake|ninja|googletest|ccache|lintian' <<<"$depends"; then
  fail "zort depends on a build-only package: $depends"
fi
grep -q '^ Package: zort$' <<<"$info" || fail "the package is not named zort"
grep -Eq "zort \(= " <<<"$(dpkg-deb --field "$tools" Depends)" || fail "zort-tools does not depend on zort"

contents=$(dpkg-deb --contents "$main" | awk '{print $6}')
tool_contents=$(dpkg-deb --contents "$tools" | awk '{print $6}')
need() { grep -qx "./$2" <<<"$1" || fail "missing in the package: /$2"; }
for f in usr/bin/zortwyp usr/bin/zortdb usr/bin/zort-wypadki usr/share/applications/zort-wypadki.desktop \
         usr/share/icons/hicolor/scalable/apps/zort-wypadki.svg usr/share/doc/zort/copyright \
         usr/share/doc/zort/README.md; do
  need "$contents" "$f"
done
for size in 16 24 32 48 64 128 256; do
  need "$contents" "usr/share/icons/hicolor/${size}x${size}/apps/zort-wypadki.png"
done
need "$tool_contents" usr/bin/zortbench
help=${ZORT_HELP_DIR:-help}
if [ -f "$help/index.html" ]; then
  pages=0
  while IFS= read -r page; do
    need "$contents" "usr/share/zort/help/${page#"$help"/}"
    pages=$((pages + 1))
  done < <(find "$help" -type f \( -name '*.html' -o -name '*.css' \) | sort)
  echo "help pages in the package: $pages"
else
  fail "no help pages ($help/index.html)"
fi
while IFS= read -r list; do
  need "$contents" "usr/share/zort/reference/${list#data/reference/}"
done < <(find data/reference -type f | sort)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb --extract "$main" "$work"
if desktop-file-validate "$work/usr/share/applications/zort-wypadki.desktop"; then
  echo "desktop-file-validate: the menu entry is valid"
else
  fail "desktop-file-validate refuses the menu entry"
fi
grep -q '^Name=Rejestr wypadków$' "$work/usr/share/applications/zort-wypadki.desktop" || fail "menu entry name"

lintian_opts=(--tag-display-limit 0)
[ "$(id -u)" -ne 0 ] || lintian_opts+=(--allow-root)
report=$(lintian "${lintian_opts[@]}" "$main" "$tools" 2>&1 || true)
echo "lintian:"
echo "${report:-  (nothing reported)}"
if grep -q '^E: ' <<<"$report"; then
  fail "lintian reports errors"
fi

if [ "$failed" -ne 0 ]; then
  echo "package check failed" >&2
  exit 1
fi
echo "package check passed: $(basename "$main") $(basename "$tools")"
