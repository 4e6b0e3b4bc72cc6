#!/bin/sh
# Builds the .deb with cpack, checks what it declares and holds, installs it
# on this machine with dpkg and runs the three installed programs, then
# removes it again. Skipped (77) where packages cannot be installed.
#   check_deb.sh BUILD_DIR SCRATCH_DIR
set -eu
build=$1
scratch=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$(id -u)" -eq 0 ]; then as_root=""
elif sudo -n true 2>/dev/null; then as_root="sudo -n"
else echo "skipped: installing a package needs root or sudo"; exit 77; fi
command -v dpkg-shlibdeps >/dev/null || { echo "skipped: dpkg-dev is not installed"; exit 77; }
if dpkg-query -W -f='${Status}' korvel 2>/dev/null | grep -q "install ok installed"; then
    echo "skipped: a korvel package is already installed here; not replacing it"; exit 77
fi

rm -rf "$scratch"
mkdir -p "$scratch"
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >cpack.log 2>&1) \
    || { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
deb=$(ls "$scratch"/korvel_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6network6 libqt6core6 libc6; do
    echo "$depends" | grep -q "$library" || fail "Depends does not name $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/korvel ./usr/bin/korvel-check ./usr/bin/korvel-lsp \
            ./usr/share/applications/korvel.desktop ./usr/share/mime/packages/korvel-mirc-script.xml \
            ./usr/share/icons/hicolor/scalable/apps/korvel.svg \
            ./usr/share/metainfo/io.github.korvel_editor.Korvel.metainfo.xml; do
    echo "$contents" | grep -q " $file\$" || fail "the package does not hold $file"
done

if command -v appstreamcli >/dev/null; then
    dpkg-deb -x "$deb" "$scratch/root"
    appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/io.github.korvel_editor.Korvel.metainfo.xml" \
        || fail "appstreamcli does not accept the metainfo file"
fi

$as_root dpkg -i "$deb" >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg -i"; }
trap '$as_root dpkg -r korvel >/dev/null 2>&1' EXIT

version=$(dpkg-deb -f "$deb" Version)
QT_QPA_PLATFORM=offscreen /usr/bin/korvel --version | grep -q "$version" || fail "korvel --version does not say $version"

printf 'alias greet {\n  echo -a $left(hello\n}\n' >"$scratch/faulty.mrc"
if /usr/bin/korvel-check "$scratch/faulty.mrc" >"$scratch/check.out" 2>&1; then
    fail "the installed korvel-check passed a faulty script"
fi
grep -q "faulty.mrc:2" "$scratch/check.out" || { cat "$scratch/check.out"; fail "korvel-check did not report line 2"; }

message() { printf 'Content-Length: %d\r\n\r\n%s' "$(printf %s "$1" | wc -c)" "$1"; }
{
    message '{"jsonrpc":"2.0","id":1,"method":"initialize","params":{"processId":null,"rootUri":null,"capabilities":{}}}'
    message '{"jsonrpc":"2.0","id":2,"method":"shutdown"}'
    message '{"jsonrpc":"2.0","method":"exit"}'
} | timeout 20 /usr/bin/korvel-lsp >"$scratch/lsp.out" || fail "korvel-lsp did not end cleanly after exit"
grep -q '"capabilities"' "$scratch/lsp.out" || { cat "$scratch/lsp.out"; fail "korvel-lsp did not answer initialize"; }
echo "installed $deb and ran korvel, korvel-check and korvel-lsp from it"
