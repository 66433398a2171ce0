# Checks shared by the install and the package test. Each prints what it checked; fail stops.
fail() { echo "FAIL: $*" >&2; exit 1; }

# check_cli BIN: the installed varnexa-cli computes water's saturation pressure at 100 C.
check_cli() {
    local out
    out=$("$1/varnexa-cli" call KX_WS_IF97_PsatT 100) || fail "varnexa-cli call failed"
    [[ $out == 1.01417977921* ]] || fail "varnexa-cli call printed '$out'"
    "$1/varnexa-cli" --version | grep -q '^varnexa-cli [0-9]' || fail "varnexa-cli --version"
    # Drawing loads the installed module beside it (../lib/varnexa), not the build tree's.
    local svg
    svg=$(mktemp --suffix=.svg)
    env -u VARNEXA_RENDER_MODULE QT_QPA_PLATFORM=offscreen \
        "$1/varnexa-cli" diagram R134a ph --out "$svg" || fail "varnexa-cli diagram failed"
    grep -q '<svg' "$svg" || fail "varnexa-cli diagram wrote no SVG"
    rm -f "$svg"
    echo "ok: $1/varnexa-cli"
}

# check_python PYTHON3 MODULE_DIR ROOT: the module imported from MODULE_DIR (not the checkout,
# no VARNEXA_LIBRARY) loads the libvarnexa.so under ROOT and computes with it.
check_python() {
    local python3=$1 modules=$2 root=$3 out
    out=$(cd "$root" && env -u VARNEXA_LIBRARY PYTHONPATH="$modules" PYTHONDONTWRITEBYTECODE=1 \
        "$python3" -c 'import os, varnexa
print(os.path.realpath(varnexa.__file__))
print(os.path.realpath(varnexa.library_path))
print(repr(varnexa.call("KX_WS_IF97_PsatT", 100.0, raise_errors=True)))') ||
        fail "the Python module did not import or compute"
    local module library value
    { read -r module; read -r library; read -r value; } <<< "$out"
    [[ $module == "$(realpath "$modules")"/varnexa/* ]] || fail "module came from $module"
    [[ $library == "$(realpath "$root")"/* ]] || fail "module loaded $library, not the one under $root"
    [[ $value == 1.01417977921* ]] || fail "varnexa.call gave $value"
    echo "ok: Python module in $modules with $library"
}

# check_data SHARE GUI: the files the desktop needs, the manual pages and the completion.
check_data() {
    local share=$1 gui=$2 size
    local files=(man/man1/varnexa-cli.1.gz bash-completion/completions/varnexa-cli
                 doc/varnexa/copyright doc/varnexa/changelog.gz)
    if [[ $gui == ON ]]; then
        files+=(man/man1/varnexa.1.gz applications/org.varnexa.Varnexa.desktop
                metainfo/org.varnexa.Varnexa.metainfo.xml icons/hicolor/scalable/apps/varnexa.svg)
        for size in 16 22 24 32 48 64 128 256; do
            local png=$share/icons/hicolor/${size}x${size}/apps/varnexa.png
            [[ -f $png ]] || fail "missing $png"
            # The PNG header's width and height (IHDR, bytes 16 to 23).
            [[ $(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n') == \
               "$(printf '%08x%08x' "$size" "$size")" ]] || fail "$png is not ${size}x${size}"
        done
    fi
    for f in "${files[@]}"; do [[ -s $share/$f ]] || fail "missing $share/$f"; done
    gzip -t "$share/man/man1/varnexa-cli.1.gz" || fail "varnexa-cli.1.gz is no gzip file"
    echo "ok: ${#files[@]} data files and the icon sizes"
    [[ $gui == ON ]] || return 0
    if command -v desktop-file-validate > /dev/null; then
        desktop-file-validate "$share/applications/org.varnexa.Varnexa.desktop" ||
            fail "desktop-file-validate"
        echo "ok: desktop-file-validate"
    else
        echo "SKIP: desktop-file-validate is not installed (scripts/install-deps.sh installs it)"
    fi
    if command -v appstreamcli > /dev/null; then
        appstreamcli validate --no-net "$share/metainfo/org.varnexa.Varnexa.metainfo.xml" ||
            fail "appstreamcli validate"
    else
        echo "SKIP: appstreamcli is not installed (scripts/install-deps.sh installs it)"
    fi
}
