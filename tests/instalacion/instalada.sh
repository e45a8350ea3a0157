#!/usr/bin/env bash
# Installs the build into a temporary root and starts the installed program
# twice (--comprobar: load, plot the start-up case, end) as a user with a fresh
# home: it finds the shipped files, seeds its folder once, keeps the user's
# edits and writes its session file there. Then the desktop entry and the
# metadata go through the desktop's own validators, where they are installed.
set -euo pipefail
construccion=$1
id=$2

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
raiz=$tmp/raiz
DESTDIR=$raiz cmake --install "$construccion" --prefix /usr >/dev/null

export HOME=$tmp/casa QT_QPA_PLATFORM=offscreen
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
usuario=$HOME/.local/share/Ondaris
compartida=$raiz/usr/share/ondaris
falla() {
    echo "FAIL: $*" >&2
    exit 1
}

"$raiz/usr/bin/ondaris" --comprobar >"$tmp/primera.txt" 2>"$tmp/errores.txt" ||
    falla "first start: $(cat "$tmp/primera.txt" "$tmp/errores.txt")"
esperado="working folder: $usuario
inic.dat: $usuario/inic.dat
Modelo2.txt: $compartida/Modelo2.txt"
for imagen in espectro.bmp lab.bmp pantalla.bmp LupaOuSi.bmp LupaOuNo.bmp LupaInSi.bmp LupaInNo.bmp; do
    esperado+=$'\n'"$imagen: $compartida/$imagen"
done
esperado+=$'\n'"icon: 16 32 48 64 128 256"
[ "$(cat "$tmp/primera.txt")" = "$esperado" ] ||
    falla "first start said:"$'\n'"$(cat "$tmp/primera.txt")"$'\n'"expected:"$'\n'"$esperado"
cmp "$usuario/inic.dat" "$compartida/inic.dat" || falla "inic.dat not seeded"
cmp "$usuario/trazo.txt" "$compartida/trazo.txt" || falla "trazo.txt not seeded"
[ -z "$(find "$raiz" "$usuario" -name '*.log')" ] || falla "a session file with documentation off"

# The user edits the start-up values (7 slits) and turns documentation on.
sed -i '3s/^5,/7,/' "$usuario/inic.dat"
cp "$usuario/inic.dat" "$tmp/editado.dat"
printf ' 1 \r\n' >"$usuario/trazo.txt"
"$raiz/usr/bin/ondaris" --comprobar >"$tmp/segunda.txt" 2>>"$tmp/errores.txt" ||
    falla "second start: $(cat "$tmp/segunda.txt")"
cmp "$usuario/inic.dat" "$tmp/editado.dat" || falla "the edited inic.dat was replaced"
registros=("$usuario"/*.log)
[ -f "${registros[0]}" ] || falla "no session file in $usuario"
[ -z "$(find "$raiz" -name '*.log')" ] || falla "a session file outside the user's folder"
ranuras=$(tail -n 1 "${registros[0]}" | awk '{print $3}')
[ "$ranuras" = 7 ] || falla "the plotted case documented N=$ranuras, not the edited 7"

escritorio=$raiz/usr/share/applications/$id.desktop
metadatos=$raiz/usr/share/metainfo/$id.metainfo.xml
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$escritorio" || falla "desktop entry"
else
    echo "skipped: desktop-file-validate not installed (desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metadatos" || falla "metadata"
else
    echo "skipped: appstreamcli not installed (appstream)"
fi
echo "installed program: found its files, seeded $usuario once, documented there"
