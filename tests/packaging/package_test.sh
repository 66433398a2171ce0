#!/usr/bin/env bash
# usage: package_test.sh BUILD_DIR PYTHON3 GUI(ON|OFF)
# Builds the Debian package of the build with CPack, checks its dependencies, extracts it into a
# temporary root with dpkg-deb -x and runs varnexa-cli and the Python module there against the
# packaged library; runs lintian on it when lintian is installed (errors fail, warnings are shown).
set -euo pipefail
build=$1 python3=$2 gui=$3
. "$(dirname "$0")/common.sh"
command -v dpkg-deb > /dev/null || { echo "SKIP: dpkg-deb is not installed"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" > "$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; fail "cpack"; }
deb=$(echo "$out"/*.deb)
[[ -f $deb ]] || fail "cpack made no .deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libc6 libstdc++6 python3-numpy $([[ $gui == ON ]] && echo libqt6widgets6); do
    [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed"
done

root=$out/root
dpkg-deb -x "$deb" "$root"
[[ -z $(find "$root" -path '*/usr/local/*' -print -quit) ]] || fail "files under /usr/local"
library=$(find "$root/usr/lib" -name libvarnexa.so.0)
[[ -n $library ]] || fail "no libvarnexa.so.0 in the package"
export LD_LIBRARY_PATH=$(dirname "$library")
check_cli "$root/usr/bin"
check_python "$python3" "$root/usr/lib/python3/dist-packages" "$root"
check_data "$root/usr/share" "$gui"

if command -v lintian > /dev/null; then
    lintian --tag-display-limit 0 "$deb" > "$out/lintian.log" 2>&1 || true
    cat "$out/lintian.log"
    ! grep -q '^E:' "$out/lintian.log" || fail "lintian reports errors"
    echo "ok: lintian, $(grep -c '^W:' "$out/lintian.log" || true) warnings"
else
    echo "SKIP: lintian is not installed (scripts/install-deps.sh installs it)"
fi
