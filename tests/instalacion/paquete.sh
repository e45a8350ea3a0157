#!/usr/bin/env bash
# Makes the Debian package from the build folder and checks what it holds and
# what it asks for.
set -euo pipefail
construccion=$1
cpack=$2
id=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
(cd "$construccion" && "$cpack" -G DEB -B "$tmp" >"$tmp/cpack.txt") || {
    cat "$tmp/cpack.txt"
    exit 1
}
paquetes=("$tmp"/ondaris_*.deb)
deb=${paquetes[0]}
[ -f "$deb" ] || { echo "FAIL: no ondaris_*.deb"; exit 1; }

dpkg-deb --contents "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$tmp/contenido.txt"
faltan=()
esperados=(/usr/bin/ondaris /usr/share/applications/$id.desktop
    /usr/share/metainfo/$id.metainfo.xml /usr/share/mime/packages/$id.xml /usr/share/icons/hicolor/scalable/apps/$id.svg)
for f in inic.dat trazo.txt Modelo2.txt espectro.bmp lab.bmp pantalla.bmp \
    LupaOuSi.bmp LupaOuNo.bmp LupaInSi.bmp LupaInNo.bmp; do
    esperados+=(/usr/share/ondaris/$f)
done
for lado in 16 32 48 64 128 256; do
    esperados+=(/usr/share/icons/hicolor/${lado}x$lado/apps/$id.png)
done
for f in "${esperados[@]}"; do
    grep -qxF "$f" "$tmp/contenido.txt" || faltan+=("$f")
done
[ ${#faltan[@]} -eq 0 ] || { echo "FAIL: the package lacks ${faltan[*]}"; exit 1; }

depende=$(dpkg-deb --field "$deb" Depends)
recomienda=$(dpkg-deb --field "$deb" Recommends)
for p in libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ $depende == *"$p"* ]] || { echo "FAIL: Depends lacks $p: $depende"; exit 1; }
done
[[ $recomienda == *qt6-translations-l10n* ]] ||
    { echo "FAIL: Recommends lacks qt6-translations-l10n: $recomienda"; exit 1; }
echo "$(basename "$deb"): ${#esperados[@]} files checked; Depends: $depende"
