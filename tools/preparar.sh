# Shared by ./run and ./test: install what is missing (Debian 12, as root) and build.
# Usage: source tools/preparar.sh; preparar <build-folder> [cmake options...]

paquetes=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
    libbenchmark-dev libeigen3-dev
    fonts-dejavu-core fonts-liberation2
)
# ./test only: clang with its sanitizer and libFuzzer runtimes, the symbolizer
# that puts names and lines in their reports, the formatter the tree is checked
# with, the property-testing library of the stress story, and what checks the
# lesson type the package registers.
paquetes_prueba=(clang libclang-rt-14-dev llvm clang-format librapidcheck-dev xdg-utils shared-mime-info)

instalar_lo_que_falta() {
    local faltan=()
    for p in "${paquetes[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            faltan+=("$p")
    done
    if [ ${#faltan[@]} -gt 0 ]; then
        echo "Installing: ${faltan[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${faltan[@]}" >/dev/null
    fi
}

preparar() {
    local carpeta="$1"
    shift
    instalar_lo_que_falta
    cmake -S . -B "$carpeta" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$carpeta" --parallel
}
