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

# A user folder that cannot be used: said once, in Spanish, with where and
# why; documentation stays off and nothing is written where it was started.
sin_carpeta() { # <what the message says> <env arguments...>
    local dice=$1
    shift
    local aqui=$tmp/aqui
    rm -rf "$aqui" && mkdir -p "$aqui"
    (cd "$aqui" && env "$@" "$raiz/usr/bin/ondaris" --comprobar >"$tmp/sin.txt" 2>&1) &&
        falla "$*: no message"
    grep -c '^message: ' "$tmp/sin.txt" | grep -qx 1 || falla "$*: not one message: $(cat "$tmp/sin.txt")"
    grep -q "^message: Los documentos de sesión iban a guardarse en \".*$dice" "$tmp/sin.txt" ||
        falla "$*: said $(cat "$tmp/sin.txt")"
    [ -z "$(ls -A "$aqui")" ] || falla "$*: wrote into the folder it was started from"
}
sin_carpeta "la variable HOME" -u HOME -u XDG_DATA_HOME
touch "$tmp/archivo"
sin_carpeta "es un archivo, no una carpeta" XDG_DATA_HOME="$tmp/archivo"
if [ "$(id -u)" != 0 ]; then
    mkdir -p "$tmp/solo_lectura" && chmod 555 "$tmp/solo_lectura"
    sin_carpeta "sin permiso de escritura" HOME="$tmp/solo_lectura"
else
    echo "skipped: a read-only home, since root may write into any folder"
fi

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
# A lesson opens by double-click: the desktop entry takes its type, which the
# installed shared-mime-info file gives to the name "*.ondaris".
tipo=application/x-ondaris-leccion
grep -qx "MimeType=$tipo;" "$escritorio" || falla "the desktop entry does not open $tipo"
if command -v xdg-mime >/dev/null && command -v update-mime-database >/dev/null; then
    XDG_DATA_DIRS=$raiz/usr/share update-mime-database "$raiz/usr/share/mime" 2>"$tmp/mime.txt" || falla "mime: $(cat "$tmp/mime.txt")"
    [ ! -s "$tmp/mime.txt" ] || falla "mime: $(cat "$tmp/mime.txt")"
    printf '{"formato": "ondaris-leccion"}' >"$tmp/clase.ondaris"
    visto=$(XDG_DATA_DIRS=$raiz/usr/share XDG_DATA_HOME=$tmp/vacio xdg-mime query filetype "$tmp/clase.ondaris")
    [ "$visto" = "$tipo" ] || falla "a lesson is taken for $visto"
else
    echo "skipped: the lesson type (xdg-mime or update-mime-database not installed: xdg-utils, shared-mime-info)"
fi
echo "installed program: found its files, seeded $usuario once, documented there"
