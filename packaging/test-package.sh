#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what it holds: the files a
# desktop needs, the dictionaries, and the library dependencies that dpkg-shlibdeps
# found. As root in CI (CI set), it also installs the package with apt-get, starts
# the installed launcher on the offscreen platform, checks that the program stays up,
# and removes the package again if it was not installed before.
# Usage: test-package.sh BUILD_DIR VERSION [CPACK]
set -euo pipefail
build=$1
version=$2
cpack=${3:-cpack}
arch=$(dpkg --print-architecture)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" > "$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack did not build the package"; }
deb="$work/daolsae_${version}_${arch}.deb"
[ -f "$deb" ] || { ls "$work" >&2; fail "no $deb"; }

contents=$(dpkg-deb -c "$deb")
app=io.github.daolsae.Daolsae
for path in usr/bin/daolsae usr/bin/daolsae-launcher usr/bin/daolsae-script \
    usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$app.svg usr/share/icons/hicolor/48x48/apps/$app.png; do
  grep -q " \./$path\$" <<< "$contents" || fail "the package lacks /$path"
done
# Every dictionary, and the lexicons with records in them.
for dex in main gu change ekmain ekgu ekchange tosi; do
  line=$(grep " \./usr/share/daolsae/dictionaries/$dex\.dex\$" <<< "$contents") ||
    fail "the package lacks the dictionary $dex.dex"
  size=$(awk '{print $3}' <<< "$line")
  case $dex in main|ekmain|change|ekchange) [ "$size" -gt 0 ] || fail "$dex.dex is empty" ;; esac
done
# The programs are executable.
grep -E '^-rwxr-xr-x .* \./usr/bin/daolsae-launcher$' <<< "$contents" > /dev/null ||
  fail "the launcher is not executable"

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc\\+\\+6 fonts-nanum; do
  grep -Eq "(^|, )$dependency( |,|$)" <<< "$depends" || fail "Depends lacks $dependency: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = daolsae ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "wrong version"
echo "package $deb holds the program, launcher, menu entry, icons, metadata and dictionaries"
echo "Depends: $depends"

if [ "$(id -u)" -ne 0 ] || [ -z "${CI:-}" ]; then
  echo "not installed: installing is tested as root in CI only"
  exit 0
fi

installed_before=no
dpkg-query -W -f='${Status}' daolsae 2>/dev/null | grep -q 'install ok installed' && installed_before=yes
cleanup() {
  [ "$installed_before" = no ] && DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq daolsae > /dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" > "$work/apt.log" 2>&1 ||
  { cat "$work/apt.log" >&2; fail "apt-get could not install the package"; }
launcher=$(command -v daolsae-launcher) || fail "daolsae-launcher is not on the PATH"
[ "$(daolsae --version)" = "daolsae $version" ] || fail "the installed program's version"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate /usr/share/applications/$app.desktop || fail "the installed menu entry"
fi
exec_line=$(grep '^Exec=' /usr/share/applications/$app.desktop | cut -d= -f2)
[ "$(command -v "$exec_line")" = "$launcher" ] || fail "the menu entry starts $exec_line"

# Started as the menu starts it, from another folder: it must stay up.
mkdir -p "$work/state"
(cd / && QT_QPA_PLATFORM=offscreen XDG_STATE_HOME="$work/state" exec "$exec_line") > "$work/run.log" 2>&1 &
pid=$!
sleep 5
if ! kill -0 "$pid" 2> /dev/null; then
  wait "$pid" || true
  cat "$work/run.log" >&2
  fail "the installed program did not stay up"
fi
kill "$pid"
wait "$pid" 2> /dev/null || true
echo "installed with apt-get; the menu entry's launcher started the program, which stayed up"
