#!/usr/bin/env bash
# Installs the build into a scratch prefix, makes its program folder read-only and runs the
# installed pagoranto-batch on the sample photos as a normal user: the gallery is made, and the
# option files go to that user's config folder. Usage: installed_batch_run.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr > /dev/null
prefix=$scratch/root/usr
folder=$prefix/lib/pagoranto
for file in bin/pagoranto bin/pagoranto-batch lib/pagoranto/thumbnailer/PagorantoThumbNailer \
            share/applications/org.pagoranto.Pagoranto.desktop \
            share/icons/hicolor/scalable/apps/org.pagoranto.Pagoranto.svg \
            share/man/man1/pagoranto-batch.1 lib/pagoranto/layouts/strip.html; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
chmod -R a-w "$folder"
listing() { find "$folder" -printf '%P %s %T@\n' | sort; }
before=$(listing)

mkdir -p "$scratch/home" "$scratch/pictures"
cp "$folder"/samples/*.jpg "$scratch/pictures/"
as_user=()
if [ "$(id -u)" = 0 ]; then
    chown -R nobody:nogroup "$scratch/home" "$scratch/pictures"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

first=$(env -i PATH=/usr/bin:/bin HOME="$scratch/home" "${as_user[@]}" \
    "$prefix/bin/pagoranto-batch" --pictures "$scratch/pictures" \
    --template "$folder/layouts/strip.html" 2> "$scratch/stderr") || {
    echo "the installed pagoranto-batch failed:"; cat "$scratch/stderr"; exit 1; }

settings=$scratch/home/.config/pagoranto
fail=0
[ -f "$first" ] || { echo "no first page at '$first'"; fail=1; }
[ -n "$(find "$scratch/pictures/thumbnails" -name '*.jpg' 2>/dev/null)" ] || { echo "no thumbnails"; fail=1; }
for file in pgrooptions.cfg thumbnailer/mtoptions.cfg; do
    [ -f "$settings/$file" ] || { echo "no $file in $settings"; fail=1; }
done
[ "$(listing)" = "$before" ] || { echo "the program folder was written"; fail=1; }
[ "$fail" = 0 ] && echo "gallery made by $(stat -c %U "$first"); settings in $settings"
exit "$fail"
