#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks what it holds: the
# unpacked command-line tool answers --version and reads the packaged demo
# record, the desktop program answers --version, and the desktop entry,
# software-centre description, file type, icons, manual pages and shell
# completion are there and valid. Run by CTest as "debian_package".
#
#   scripts/check-package.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
deb="$build/scorvane_${version}_amd64.deb"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() {
  echo "check-package: $*" >&2
  exit 1
}

(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack could not make the package"
[ -f "$deb" ] || fail "no $deb"
control=$(dpkg-deb --field "$deb" Depends)
[[ "$control" == *libqt6widgets6* ]] || fail "the package depends on no Qt"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"

for file in bin/scorvane bin/scorvane-cli share/scorvane/Demo.ten \
  share/scorvane/tips_eng.txt share/scorvane/tips_fr.txt share/scorvane/Photos/racket.svg \
  share/applications/scorvane.desktop share/mime/packages/scorvane.xml \
  share/metainfo/com.zezovu.Scorvane.metainfo.xml \
  share/icons/hicolor/scalable/apps/scorvane.svg \
  share/icons/hicolor/scalable/mimetypes/application-x-scorvane-document.svg \
  share/man/man1/scorvane.1.gz share/man/man1/scorvane-cli.1.gz \
  share/bash-completion/completions/scorvane-cli; do
  [ -s "$usr/$file" ] || fail "missing $file"
done
for size in 16 22 24 32 48 64 128 256; do
  for icon in apps/scorvane.png mimetypes/application-x-scorvane-document.png; do
    png="$usr/share/icons/hicolor/${size}x${size}/$icon"
    [[ "$(file -b "$png")" == "PNG image data, $size x $size"* ]] || fail "$png is not a $size pixel PNG"
  done
done

[ "$("$usr/bin/scorvane-cli" --version)" = "scorvane-cli $version" ] ||
  fail "scorvane-cli --version does not say $version"
info=$("$usr/bin/scorvane-cli" info "$usr/share/scorvane/Demo.ten") ||
  fail "scorvane-cli info cannot read the packaged demo"
[[ "$info" == *"Matches: 64"* ]] || fail "the packaged demo holds: $info"
[ "$(QT_QPA_PLATFORM=offscreen "$usr/bin/scorvane" --version 2>/dev/null)" = "Scorvane $version" ] ||
  fail "scorvane --version does not say $version"

desktop-file-validate "$usr/share/applications/scorvane.desktop" || fail "bad desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/com.zezovu.Scorvane.metainfo.xml" >/dev/null ||
  fail "bad software-centre description"
xmllint --noout "$usr/share/mime/packages/scorvane.xml" || fail "bad file type"
for page in scorvane scorvane-cli; do
  warnings=$(zcat "$usr/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "$page(1): $warnings"
  [[ "$(zcat "$usr/share/man/man1/$page.1.gz")" == *"Scorvane $version"* ]] || fail "$page(1) has no version"
done
# Every command of scorvane-cli's help has its place in the manual page.
manual=$(zcat "$usr/share/man/man1/scorvane-cli.1.gz")
for command in $("$usr/bin/scorvane-cli" help | sed -n 's/^  \([a-z]\+\) .*/\1/p'); do
  grep -q "^\.B[IR]\? $command\b" <<<"$manual" || fail "scorvane-cli $command is not in the manual page"
done
bash -n "$usr/share/bash-completion/completions/scorvane-cli" || fail "bad completion script"
echo "check-package: $(basename "$deb") holds $(dpkg-deb -c "$deb" | wc -l) entries, all checked"
