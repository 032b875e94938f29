#!/usr/bin/env bash
# Builds the Debian package from an already built build folder (CPack only
# installs what is built: nothing is compiled again) and checks it as a
# workstation would get it: the files it holds, the packages it depends on,
# and that its programs start from the unpacked tree. It never installs on
# this machine: dpkg -x unpacks into a scratch root.
#
#   check-package.sh BUILD_DIR VERSION [CPACK]
set -euo pipefail

build=$1
version=$2
cpack=${3:-cpack}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack could not build the package"
fi
deb=$(ls "$work"/out/*.deb)
[ "$(basename "$deb")" = "orstation_${version}_amd64.deb" ] || fail "unexpected package name $(basename "$deb")"

# The files, as dpkg-deb lists them ("./usr/bin/orsql").
dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' >"$work/files"
expect_file() { grep -qxF "./$1" "$work/files" || fail "the package lacks /$1"; }
for program in orstation orsql orreport; do expect_file "usr/bin/$program"; done
expect_file "usr/share/orstation/Main Menu1.jpg"
expect_file "usr/share/orstation/merlin.acs"
for report in Reports/*; do expect_file "usr/share/orstation/Reports/$(basename "$report")"; done
expect_file "usr/share/applications/orstation.desktop"
for size in 16 32 48 64 128 256; do expect_file "usr/share/icons/hicolor/${size}x${size}/apps/orstation.png"; done
expect_file "usr/share/icons/hicolor/scalable/apps/orstation.svg"
expect_file "usr/share/man/man1/orsql.1.gz"
expect_file "usr/share/man/man1/orreport.1.gz"
# Nothing of the build or the tests slips in.
if grep -E 'test_|gtest|\.a$|\.h$|/include/|/lib/cmake' "$work/files"; then fail "the package holds build or test files"; fi
# The programs are executable and stripped.
dpkg-deb -c "$deb" | grep -E ' \./usr/bin/orstation$' | grep -q '^-rwxr-xr-x root/root' || fail "orstation is not root-owned 0755"

# The control fields; Depends from dpkg-shlibdeps plus the database driver Qt loads at run time.
dpkg-deb -I "$deb" >"$work/info"
[ "$(dpkg-deb -f "$deb" Package)" = orstation ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "wrong version"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "wrong architecture"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for wanted in libc6 'libstdc\+\+6' libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libqt6printsupport6 \
              libqt6pdf6 libqt6pdfwidgets6 libsqlite3-0 'libxlsxwriter[0-9]*' libqt6sql6-sqlite; do
  echo "$depends" | grep -Eq "(^|, )$wanted( \(|,|$)" || fail "Depends lacks $wanted"
done
dpkg-deb -f "$deb" Recommends | grep -q 'libqt6sql6-odbc' || fail "Recommends lacks the ODBC driver for SQL Server"
# shlibdeps gives the versions the build needs.
echo "$depends" | grep -Eq 'libqt6core6 \(>= 6\.' || fail "Depends gives no Qt version"

# Unpacked under a scratch root, the programs start and find their files there.
dpkg -x "$deb" "$work/root"
bin="$work/root/usr/bin"
[ "$(QT_QPA_PLATFORM=offscreen "$bin/orstation" --version)" = "orstation $version" ] || fail "orstation --version"
# No display at all: the version is answered before Qt looks for one.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/orstation" --version)" = "orstation $version" ] \
  || fail "orstation --version without a display"
[ "$("$bin/orsql" --version)" = "orsql $version" ] || fail "orsql --version"
[ "$(QT_QPA_PLATFORM=offscreen "$bin/orreport" --version)" = "orreport $version" ] || fail "orreport --version"

"$bin/orsql" --db "$work/station.db" -Q "SELECT COUNT(*) AS Users FROM PASSWORD..tbPasswordMaster" >"$work/query" \
  || fail "the installed orsql cannot create and read a database"
head -1 "$work/query" | grep -qx Users || fail "orsql printed $(cat "$work/query")"
"$bin/orsql" --db "$work/station.db" --check | grep -q "is sound" || fail "the installed orsql cannot check a database"
# The program's way of naming a report leads into the installed share folder.
QT_QPA_PLATFORM=offscreen "$bin/orreport" --report '\Reports\NurseLogs.RPT' --list >"$work/list" \
  || fail "orreport does not find its report files under the installed share folder"
grep -q "$work/root/usr/share/orstation/Reports/NurseLogs.RPT" "$work/list" || fail "orreport read $(head -1 "$work/list")"

# The desktop entry starts the program by name, with the installed icon.
desktop="$work/root/usr/share/applications/orstation.desktop"
grep -qx 'Exec=orstation' "$desktop" || fail "the desktop entry does not start orstation"
grep -qx 'Icon=orstation' "$desktop" || fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
# The manual pages are compressed troff with their title.
zcat "$work/root/usr/share/man/man1/orsql.1.gz" | grep -q "^\.TH ORSQL 1 .*\"orstation $version\"" || fail "orsql.1"
zcat "$work/root/usr/share/man/man1/orreport.1.gz" | grep -q "^\.TH ORREPORT 1 .*\"orstation $version\"" || fail "orreport.1"

echo "package $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB) holds:"
sed 's/^\.//' "$work/files" | grep -v '/$'
