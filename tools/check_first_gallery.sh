#!/usr/bin/env bash
# check_first_gallery.sh PHOTO_DIR [BUILD_BIN]
#
# Makes the gallery of every shipped layout from the photos of PHOTO_DIR (24 camera photos of
# ../shared/bench/make_corpus.sh, say) with a fresh program folder, so only the shipped defaults
# apply, and checks what a newcomer's first gallery must be: an index.html; no page shows a
# picture over 700 KB nor weighs over 1.5 MB with everything it shows; the photos untouched; no
# placeholder title; thumbnails at least 120 px wide; in a 1400 x 1000 window the largest
# picture of every page fits; at 390 and 500 px wide no sideways scrolling and index thumbnails
# at least 100 px wide; a second run writes no file. Needs chromium (installed when missing)
# and python3. Prints one line a check and exits 1 when any failed.
set -uo pipefail

[ $# -ge 1 ] || { echo "usage: $0 PHOTO_DIR [BUILD_BIN]" >&2; exit 2; }
photos=$(cd "$1" && pwd)
bin=$(cd "${2:-$(dirname "$0")/../build/bin}" && pwd)
command -v chromium >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y chromium >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
check() { # check NAME EXIT-STATUS
    if [ "$2" = 0 ]; then echo "ok    $1"; else echo "FAIL  $1"; failed=1; fi
}

# What a page shows, measured in the browser: sideways scrolling, whether the largest picture
# lies inside the window, the narrowest thumbnail of an index grid.
probe='<script>addEventListener("load",()=>{const d=document.documentElement;let big=null,area=0;for(const i of document.images){const r=i.getBoundingClientRect();if(r.width*r.height>area){area=r.width*r.height;big=r;}}const thumbs=[...document.images].filter(i=>(i.getAttribute("src")||"").startsWith("thumbnails/")).map(i=>Math.round(i.getBoundingClientRect().width));parent.document.title=JSON.stringify({sideways:d.scrollWidth>d.clientWidth,fits:!big||(big.top>=0&&big.left>=0&&big.bottom<=innerHeight+1&&big.right<=innerWidth+1),narrowest:thumbs.length?Math.min(...thumbs):null});});</script>'
# Headless Chromium keeps its window at least 500 px wide, so each page is measured in a frame of
# the size asked for; the probe hands its findings to the frame's parent as its title.
measure() { # measure PAGE WIDTH HEIGHT: the probe's findings as JSON
    local copy="${1%.html}.probe.html" frame="${1%.html}.frame.html"
    PROBE="$probe" python3 -c 'import os,sys; s=open(sys.argv[1],encoding="utf-8",errors="replace").read(); open(sys.argv[2],"w").write(s.replace("</body>",os.environ["PROBE"]+"</body>"))' "$1" "$copy"
    printf '<!DOCTYPE html><title>{}</title><body style="margin:0"><iframe src="%s" style="width:%spx;height:%spx;border:0"></iframe>' \
        "$(basename "$copy")" "$2" "$3" > "$frame"
    timeout 60 chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --allow-file-access-from-files \
        --virtual-time-budget=3000 --window-size="$(($2 + 100)),$(($3 + 100))" --dump-dom "file://$frame" 2>/dev/null |
        python3 -c 'import sys,re,html; m=re.search(r"<title>(.*?)</title>",sys.stdin.read()); print(html.unescape(m.group(1)) if m else "{}")'
    rm -f "$copy" "$frame"
}

for layout in index picture showcase strip; do
    gallery="$scratch/$layout"
    mkdir -p "$gallery/home" "$gallery/pics"
    cp "$photos"/*.jpg "$gallery/pics/"
    (cd "$gallery/pics" && sha256sum -- *.jpg) > "$gallery/photos.sha256"
    "$bin/pagoranto-batch" --home "$gallery/home" --pictures "$gallery/pics" \
        --template "$bin/layouts/$layout.html" > /dev/null 2> "$gallery/first.err"
    check "$layout: the run succeeded" $?
    test -f "$gallery/pics/index.html"
    check "$layout: index.html" $?
    (cd "$gallery/pics" && sha256sum --quiet -c "$gallery/photos.sha256")
    check "$layout: the photos untouched" $?
    ! grep -l "VudarodOzododi" "$gallery/pics"/*.html > /dev/null
    check "$layout: no placeholder title" $?
    python3 - "$gallery/pics" <<'PY'
import os, re, sys
folder = sys.argv[1]
worst_picture = worst_page = 0
for page in (f for f in os.listdir(folder) if f.endswith(".html")):
    text = open(os.path.join(folder, page), encoding="utf-8", errors="replace").read()
    # What the browser loads to show the page: its pictures and style sheets, not link targets.
    shown = set(re.findall(r'<img [^>]*?(?:SRC|src)="([^"#?:]+)"', text)) | set(
        re.findall(r'<link [^>]*?href="([^"#?:]+\.css)"', text))
    sizes = [os.path.getsize(os.path.join(folder, s)) for s in shown if os.path.isfile(os.path.join(folder, s))]
    pictures = [os.path.getsize(os.path.join(folder, s)) for s in re.findall(r'<img SRC="([^"]+)"', text)
                if os.path.isfile(os.path.join(folder, s))]
    worst_picture = max([worst_picture] + pictures)
    worst_page = max(worst_page, len(text.encode()) + sum(sizes))
print(f"      largest picture shown {worst_picture // 1024} KB, heaviest page {worst_page // 1024} KB")
sys.exit(0 if worst_picture <= 700 * 1024 and worst_page <= 1536 * 1024 else 1)
PY
    check "$layout: no picture over 700 KB, no page over 1.5 MB" $?
    narrow=$(python3 -c 'import sys,struct
def width(p):
    b=open(p,"rb").read(); i=2
    while i<len(b)-9:
        m=b[i+1]; n=int.from_bytes(b[i+2:i+4],"big")
        if 0xC0<=m<=0xCF and m not in (0xC4,0xC8,0xCC): return int.from_bytes(b[i+7:i+9],"big")
        i+=2+n
    return 0
import glob; print(min((width(p) for p in glob.glob(sys.argv[1]+"/*.jpg")), default=0))' "$gallery/pics/thumbnails")
    if [ "$narrow" -gt 0 ]; then
        [ "$narrow" -ge 120 ]
        check "$layout: thumbnails at least 120 px wide ($narrow)" $?
    fi
    for page in "$gallery/pics"/*.html; do
        name=$(basename "$page")
        [ "$layout" = index ] || case $name in index.html|page0002.html|page0013.html) ;; *) continue ;; esac
        desktop=$(measure "$page" 1400 1000)
        python3 -c 'import json,sys; sys.exit(0 if json.loads(sys.argv[1]).get("fits") else 1)' "$desktop"
        check "$layout/$name: the largest picture fits 1400 x 1000" $?
        for width in 390 500; do
            phone=$(measure "$page" "$width" 844)
            python3 -c 'import json,sys; m=json.loads(sys.argv[1]); idx=sys.argv[2]=="index"; sys.exit(0 if not m.get("sideways",True) and (not idx or (m.get("narrowest") or 0)>=100) else 1)' "$phone" "$layout"
            status=$?
            what="at $width px no sideways scrolling"
            [ "$layout" = index ] && what="$what, thumbnails of at least 100 px ($(python3 -c 'import json,sys; print(json.loads(sys.argv[1]).get("narrowest"))' "$phone"))"
            check "$layout/$name: $what" $status
        done
    done
    find "$gallery/pics" -type f -printf '%P %T@\n' | sort > "$gallery/before.txt"
    "$bin/pagoranto-batch" --home "$gallery/home" --pictures "$gallery/pics" \
        --template "$bin/layouts/$layout.html" > /dev/null 2> "$gallery/second.err"
    find "$gallery/pics" -type f -printf '%P %T@\n' | sort > "$gallery/after.txt"
    cmp -s "$gallery/before.txt" "$gallery/after.txt"
    check "$layout: a second run writes no file" $?
done
exit $failed
