#!/usr/bin/env bash
# The programs as `cmake --install` leaves them, used from an unrelated folder without a
# display: both find the installed plug-ins, a conversion gives the build's bytes, the manual
# pages cover the options, the desktop entry and the metadata pass their validators.
#   tests/installation.sh BUILD SOURCE ID PLUGINDIR HELPDIR VERSION PLUGINS
set -euo pipefail
build=$1 source=$2 id=$3 plugindir=$4 helpdir=$5 version=$6 plugins=$7

# The programs name their folders from their own real location.
tmp=$(cd "$(mktemp -d)" && pwd -P)
manifeste=$build/install_manifest.txt
# The install rewrites the build's manifest: a real installation's list must survive the test.
[ -f "$manifeste" ] && cp "$manifeste" "$tmp/manifeste"
retablir() {
    if [ -f "$tmp/manifeste" ]; then cp "$tmp/manifeste" "$manifeste"; else rm -f "$manifeste"; fi
    rm -rf "$tmp"
}
trap retablir EXIT
echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

prefixe=$tmp/prefixe
cmake --install "$build" --prefix "$prefixe" >/dev/null
ailleurs=$tmp/ailleurs
mkdir "$ailleurs"
cd "$ailleurs"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

for programme in corvanel corvanel-convert; do
    [ "$("$prefixe/bin/$programme" --version)" = "$programme $version" ] ||
        echec "$programme --version"
done

# The same libraries as the build's, listed from the installed folder.
attendu=$("$build/corvanel-convert" --dossier-plugins "$build/Plugin" --lister-plugins | tail -n +2)
[ "$(wc -l <<<"$attendu")" -eq "$plugins" ] || echec "the build lists $(wc -l <<<"$attendu") plug-ins, not $plugins"
for programme in corvanel corvanel-convert; do
    liste=$("$prefixe/bin/$programme" --lister-plugins)
    [ "$(head -n 1 <<<"$liste")" = "Dossier des plug-ins : $prefixe/$plugindir" ] ||
        echec "$programme --lister-plugins names $(head -n 1 <<<"$liste")"
    [ "$(tail -n +2 <<<"$liste")" = "$attendu" ] || echec "$programme --lister-plugins: $liste"
done

# A picture and its mask through the installed plug-ins, then through the build's own.
image=$source/Documentation/capture.png
mkdir installe construit
"$prefixe/bin/corvanel-convert" -p Tavisk -m Quenda -n 4 -o installe "$image"
(cd "$build" && ./corvanel-convert -p Tavisk -m Quenda -n 4 -o "$ailleurs/construit" "$image")
for sortie in capture.c Mask_capture.c; do
    cmp "installe/$sortie" "construit/$sortie" || echec "$sortie differs from the build's"
done

cmp "$prefixe/$helpdir/index.htm" "$source/Documentation/index.htm" || echec "help page"
for icone in scalable/apps/$id.svg 48x48/apps/$id.png 256x256/apps/$id.png; do
    [ -s "$prefixe/share/icons/hicolor/$icone" ] || echec "icon $icone"
done

# Every long option of a program's help appears in its manual page.
for programme in corvanel corvanel-convert; do
    page=$(sed 's/\\-/-/g' "$prefixe/share/man/man1/$programme.1")
    for option in $("$prefixe/bin/$programme" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        grep -q -F -- "$option" <<<"$page" || echec "$programme.1 lacks $option"
    done
done

desktop-file-validate "$prefixe/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefixe/share/metainfo/$id.metainfo.xml" >/dev/null ||
    appstreamcli validate --no-net "$prefixe/share/metainfo/$id.metainfo.xml"
echo "installation: ok"
