#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch root
# and checks it the way a desktop and dpkg will see it once installed.
#   probar_paquete.sh BUILD_DIR SCRATCH_DIR VERSION
# Exit 77 (skipped) when dpkg-deb is not there: only Debian-like systems can check a .deb.
set -euo pipefail

construccion=$1
borrador=$2
version=$3

if ! command -v dpkg-deb >/dev/null; then
    echo "dpkg-deb not found: the Debian package cannot be checked here"
    exit 77
fi

fallos=0
falla() {
    echo "FAIL: $*" >&2
    fallos=$((fallos + 1))
}

# The package goes to a scratch folder so the build tree keeps no stray .deb.
rm -rf "$borrador"
mkdir -p "$borrador"
(cd "$construccion" && cpack -G DEB -B "$borrador") >"$borrador/cpack.log" 2>&1 || {
    cat "$borrador/cpack.log" >&2
    echo "FAIL: cpack -G DEB" >&2
    exit 1
}

arquitectura=$(dpkg --print-architecture)
paquete="$borrador/torvel_${version}_${arquitectura}.deb"
if [ ! -f "$paquete" ]; then
    ls "$borrador" >&2
    echo "FAIL: no $(basename "$paquete")" >&2
    exit 1
fi

raiz="$borrador/raiz"
dpkg -x "$paquete" "$raiz"

# Only the program, what the desktop shows of it and its licence: no libraries, tests or
# benchmarks.
esperados="usr/bin/torvel
usr/bin/torvel-calc
usr/share/doc/torvel/copyright
usr/share/applications/torvel.desktop
usr/share/icons/hicolor/32x32/apps/torvel.png
usr/share/icons/hicolor/64x64/apps/torvel.png
usr/share/icons/hicolor/scalable/apps/torvel.svg"
contenido=$(cd "$raiz" && find . -type f | sed 's|^\./||' | sort)
if [ "$contenido" != "$(sort <<<"$esperados")" ]; then
    falla "files in the package differ from the expected ones:"
    diff <(sort <<<"$esperados") <(echo "$contenido") >&2 || true
fi

programa="$raiz/usr/bin/torvel"
[ -f "$programa" ] && [ -x "$programa" ] || falla "usr/bin/torvel is missing or not executable"
# An installed binary must find Qt in the system folders, never next to itself.
if command -v readelf >/dev/null && readelf -d "$programa" | grep -Eq 'RPATH|RUNPATH'; then
    falla "usr/bin/torvel carries a run path: $(readelf -d "$programa" | grep -E 'RPATH|RUNPATH')"
fi

# The command-line calculator runs from the package with the system's Qt Core alone.
calc="$raiz/usr/bin/torvel-calc"
if [ -x "$calc" ]; then
    if command -v readelf >/dev/null && readelf -d "$calc" | grep -Eq 'RPATH|RUNPATH'; then
        falla "usr/bin/torvel-calc carries a run path"
    fi
    readelf -d "$calc" 2>/dev/null | grep -q 'libQt6Widgets' && falla "torvel-calc links Qt Widgets"
    "$calc" uniform --rect 2 --slope 0.001 --n 0.015 --q 3 --format csv | grep -q '^0.6121217862538432,1.0964999999999347,' ||
        falla "the packaged torvel-calc does not give the worked example"
else
    falla "usr/bin/torvel-calc is missing or not executable"
fi

entrada="$raiz/usr/share/applications/torvel.desktop"
if [ -f "$entrada" ]; then
    desktop-file-validate "$entrada" || falla "desktop-file-validate rejects torvel.desktop"
    # The entry must start the installed program and name the installed icon.
    grep -qx 'Exec=torvel' "$entrada" || falla "the desktop entry does not run torvel"
    grep -qx 'Icon=torvel' "$entrada" || falla "the desktop entry does not name the torvel icon"
    grep -qx 'Type=Application' "$entrada" || falla "the desktop entry is not an application"
else
    falla "no usr/share/applications/torvel.desktop"
fi

# Each PNG must really be of the size of the folder it sits in: a desktop
# picks the file by folder and would scale a wrong one.
lado_png() {
    # Width and height are the big-endian 32-bit numbers at bytes 16 and 20.
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", (($1 * 256 + $2) * 256 + $3) * 256 + $4,
                                                  (($5 * 256 + $6) * 256 + $7) * 256 + $8 }'
}
for lado in 32 64; do
    icono="$raiz/usr/share/icons/hicolor/${lado}x${lado}/apps/torvel.png"
    if [ ! -f "$icono" ]; then
        falla "no ${lado}x${lado} icon"
    elif [ "$(head -c 8 "$icono" | od -An -tx1 | tr -d ' \n')" != "89504e470d0a1a0a" ]; then
        falla "the ${lado}x${lado} icon is not a PNG"
    elif [ "$(lado_png "$icono")" != "${lado}x${lado}" ]; then
        falla "the ${lado}x${lado} icon measures $(lado_png "$icono")"
    fi
done
svg="$raiz/usr/share/icons/hicolor/scalable/apps/torvel.svg"
grep -q '<svg' "$svg" 2>/dev/null || falla "no scalable SVG icon"

# The licence in the machine-readable form Debian reads: MIT (Expat) for the whole program.
licencia="$raiz/usr/share/doc/torvel/copyright"
if [ -f "$licencia" ]; then
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
        "$licencia" || falla "the copyright file is not in the machine-readable format"
    grep -qx 'Copyright: The Torvel developers' "$licencia" || falla "the copyright holder is not named"
    grep -qx 'License: Expat' "$licencia" || falla "the copyright file does not state the MIT licence"
fi

# The control fields apt reads: the Qt it needs must come from the binary's own links.
campo() { dpkg-deb -f "$paquete" "$1"; }
[ "$(campo Package)" = torvel ] || falla "package name is '$(campo Package)'"
[ "$(campo Version)" = "$version" ] || falla "version is '$(campo Version)', expected $version"
[ "$(campo Architecture)" = "$arquitectura" ] || falla "architecture is '$(campo Architecture)'"
[ "$(campo Section)" = science ] || falla "section is '$(campo Section)'"
grep -q 'libqt6widgets6' <<<"$(campo Depends)" ||
    falla "Depends does not name libqt6widgets6: '$(campo Depends)'"
[ -n "$(campo Description)" ] || falla "no description"
# The maintainer is the project, under a domain that can never receive mail.
[[ "$(campo Maintainer)" == *.invalid\> ]] || falla "maintainer is '$(campo Maintainer)'"

if [ "$fallos" -ne 0 ]; then
    echo "$fallos check(s) failed on $(basename "$paquete")" >&2
    exit 1
fi
echo "$(basename "$paquete"): contents, desktop entry, icons, licence and control fields are right"
echo "Depends: $(campo Depends)"
