#!/usr/bin/env bash
# usage: install_test.sh BUILD_DIR PYTHON3 GUI(ON|OFF)
# `cmake --install` into a temporary prefix, then runs what was installed: varnexa-cli, the Python
# module with python3 (no VARNEXA_LIBRARY), the window offscreen, the bash completion, and the
# validators of the desktop entry and the metadata when they are installed.
set -euo pipefail
build=$1 python3=$2 gui=$3
. "$(dirname "$0")/common.sh"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > "$prefix/install.log" ||
    { cat "$prefix/install.log"; fail "cmake --install"; }
libdir=$(dirname "$(find "$prefix" -name libvarnexa.so.0)")
for f in include/varnexa.h "${libdir#"$prefix"/}/pkgconfig/varnexa.pc" \
         "${libdir#"$prefix"/}/cmake/varnexa/varnexaConfig.cmake"; do
    [[ -s $prefix/$f ]] || fail "missing $prefix/$f"
done

check_cli "$prefix/bin"
modules=$(echo "$prefix"/lib/python3*/dist-packages)
check_python "$python3" "$modules" "$prefix"
check_data "$prefix/share" "$gui"

if [[ $gui == ON ]]; then
    # The window starts, shows and closes by itself; its settings go to a temporary folder.
    XDG_CONFIG_HOME=$prefix/config QT_QPA_PLATFORM=offscreen \
        timeout 120 "$prefix/bin/varnexa" --quit-after 1500 || fail "the window exited with $?"
    QT_QPA_PLATFORM=offscreen "$prefix/bin/varnexa" --version 2>&1 | grep -q "^Varnexa [0-9]" ||
        fail "varnexa --version"
    echo "ok: the window started offscreen and closed"
fi

# The completion, as bash calls it: "WORDS|expected word among the answers".
complete_words() {
    PATH=$prefix/bin:$PATH bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _varnexa_cli; printf "%s\n" "${COMPREPLY[@]}"' _ \
        "$prefix/share/bash-completion/completions/varnexa-cli" varnexa-cli "$@"
}
while IFS='|' read -r words expected; do
    read -r -a typed <<< "$words"
    [[ $words == *' ' ]] && typed+=("")
    answers=$(complete_words "${typed[@]}")
    grep -qx -- "$expected" <<< "$answers" ||
        fail "completing '$words' does not offer '$expected'"
done << 'CASES'
st|state
cycle |rankine
cycle rankine |KX_WS_IF97
info KX_R13|KX_R134a_FE
list |KX_NH3_FE
call KX_WS|KX_WS_IF97_
call KX_WS_IF97_Psa|KX_WS_IF97_PsatT
show KX_R134a_FE_H|KX_R134a_FE_HPT
state KX_WS_IF97 |pT
table water --dec|--decimal-comma
cycle rankine water --p-b|--p-boiler
table KX_WS_IF97 |isobar
diagram water ph --unit-system |1
CASES
echo "ok: bash completion"
