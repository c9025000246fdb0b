#!/usr/bin/env bash
# The Debian package step of the test command. Builds kovrin_<version>_amd64.deb from a Linux
# build folder with CPack, checks what it holds and what it depends on, checks that
# `cmake --install` into a prefix registers the file type and the desktop entry, and installs the
# package with apt-get in a throwaway root (a private mount namespace whose /usr, /etc and /var
# are overlays that vanish with it): the system's triggers must register the .kvx type so that
# xdg-mime names Kovrin's desktop entry for it. Where no namespace can be made, the package is
# installed on the machine itself and purged again (CI's machines are thrown away).
# Argument: the build folder (built with the designer).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath "${1:?usage: test-deb.sh BUILD_FOLDER}")"
work="$build/deb-test"
rm -rf "$work"
mkdir -p "$work"
fail() { echo "test-deb: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$work/kovrin_${version}_amd64.deb"
(cd "$build" && cpack -G DEB -B "$work/cpack" >/dev/null)
mv "$work/cpack/$(basename "$deb")" "$deb" || fail "cpack made no $(basename "$deb")"
echo "-- $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/kovrin usr/bin/kovrin-cli usr/share/applications/kovrin.desktop \
    usr/share/mime/packages/kovrin-design.xml usr/share/icons/hicolor/64x64/apps/kovrin.png \
    usr/share/icons/hicolor/scalable/apps/kovrin.svg usr/share/kovrin/readme.txt \
    usr/share/kovrin/examples/main_menu.kvx; do
    grep -qx "\./$file" <<<"$contents" || fail "the package lacks /$file"
done
# The caches belong to the system, which rebuilds them from every package's files.
if grep -E 'mime\.cache|mimeinfo\.cache|/mime/application/' <<<"$contents"; then
    fail "the package holds a database the system owns"
fi
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
desktop-file-validate "$here/resources/desktop/kovrin.desktop"

echo "-- cmake --install into a prefix registers the type and the entry"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
grep -q 'application/x-kovrin-design' "$work/prefix/share/mime/globs2" ||
    fail "update-mime-database did not run on the prefix"
grep -q '^application/x-kovrin-design=kovrin.desktop' \
    "$work/prefix/share/applications/mimeinfo.cache" ||
    fail "update-desktop-database did not run on the prefix"

# Run inside the throwaway root (or on a machine that will be thrown away).
install_and_query() {
    local deb=$1 home=$2
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -q "$deb" >"$home/apt.log" 2>&1 ||
        { cat "$home/apt.log"; echo "apt-get install failed"; return 1; }
    grep -q 'application/x-kovrin-design' /usr/share/mime/globs2 ||
        { echo "the file type was not registered"; return 1; }
    local default
    default=$(env -i PATH=/usr/bin:/bin HOME="$home" xdg-mime query default \
        application/x-kovrin-design)
    [[ $default == kovrin.desktop ]] ||
        { echo "xdg-mime names \"$default\" for design files"; return 1; }
    /usr/bin/kovrin-cli --version >/dev/null || { echo "kovrin-cli does not run"; return 1; }
    apt-get purge -y -q kovrin >>"$home/apt.log" 2>&1
    ! grep -q 'application/x-kovrin-design' /usr/share/mime/globs2 ||
        { echo "the file type stayed after the purge"; return 1; }
}

in_throwaway_root() {
    local layers=$1
    shift
    mount -t tmpfs kovrin-deb-test "$layers"
    for dir in usr etc var; do
        mkdir -p "$layers/$dir/upper" "$layers/$dir/work"
        mount -t overlay overlay \
            -o "lowerdir=/$dir,upperdir=$layers/$dir/upper,workdir=$layers/$dir/work" "/$dir"
    done
    "$@"
}

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
mkdir -p "$work/layers" "$work/home"
functions="$(declare -f install_and_query in_throwaway_root)"
if "${as_root[@]}" unshare --mount --propagation private true 2>/dev/null; then
    echo "-- apt-get install in a throwaway root"
    "${as_root[@]}" unshare --mount --propagation private bash -c \
        "$functions"'; in_throwaway_root "$1" install_and_query "$2" "$3"' _ \
        "$work/layers" "$deb" "$work/home" || fail "the installed package failed its checks"
else
    dpkg-query -W kovrin >/dev/null 2>&1 &&
        fail "no mount namespace here, and kovrin is installed: not replacing it"
    echo "-- apt-get install on this machine (no mount namespace), purged afterwards"
    "${as_root[@]}" bash -c "$functions"'; install_and_query "$1" "$2"' _ "$deb" "$work/home" ||
        fail "the installed package failed its checks"
fi
echo "-- the package installs, registers .kvx for Kovrin's desktop entry, and purges"
