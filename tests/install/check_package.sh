#!/bin/sh
# Builds the Debian package and checks it as a lecturer's machine takes it:
# its files and dependencies, lintian's verdict where lintian is installed,
# and the program unpacked into a throw-away root answering --version with
# no display. With --install (as root) the package is also installed with
# dpkg, the installed program run and the package removed again.
# Too slow for the test suite, which checks the installed tree instead.
#
# Usage: tests/install/check_package.sh [BUILD_DIR] [--install]
set -eu

build=build
install=
for argument in "$@"; do
  case $argument in
    --install) install=yes ;;
    *) build=$argument ;;
  esac
done
app_id=io.github.tarelin.Tarelin7
fail() { echo "check_package: $*" >&2; exit 1; }

rm -f "$build"/tarelin_*.deb
cmake --build "$build" --target package
deb=$(ls "$build"/tarelin_*.deb)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for file in usr/bin/tarelin usr/share/applications/$app_id.desktop \
            usr/share/icons/hicolor/scalable/apps/$app_id.svg usr/share/metainfo/$app_id.metainfo.xml \
            usr/share/mime/packages/tarelin-problem.xml usr/share/man/man1/tarelin.1.gz \
            usr/share/tarelin/end_g.bmp usr/share/doc/tarelin/copyright usr/share/doc/tarelin/changelog.gz; do
  [ -e "$root/$file" ] || fail "the package has no /$file"
done
# Nothing of the desktop's own databases is in the package.
[ ! -e "$root/usr/share/mime/mime.cache" ] || fail "the package holds the MIME cache"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6svg6 libqt6printsupport6 fonts-dejavu-core fonts-liberation \
               qt6-translations-l10n; do
  echo "$depends" | grep -q "$package" || fail "the package does not depend on $package: $depends"
done

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tarelin" --version | head -n 1)
case $version in
  "tarelin (Тарелин-7) "*) ;;
  *) fail "the unpacked program says: $version" ;;
esac

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb"
fi

if [ -n "$install" ]; then
  dpkg -i "$deb"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM tarelin --version
  [ "$(command -v tarelin)" = /usr/bin/tarelin ] || fail "tarelin is not /usr/bin/tarelin"
  dpkg -r tarelin
  [ ! -e /usr/bin/tarelin ] && [ ! -e /usr/share/tarelin ] || fail "the package left files behind"
fi
echo "check_package: $deb is fine"
