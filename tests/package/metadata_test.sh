#!/usr/bin/env bash
# The menu entries and the software-centre data are valid, and every screenshot the software
# centre is pointed to is kept in packaging/screenshots/ with the size the data gives it.
#
#     metadata_test.sh <packaging folder>
set -euo pipefail
cd "$1"
desktop-file-validate ./*.desktop
appstreamcli validate --no-net ./*.metainfo.xml
fail=0
shots=0
# One <image> element per line: <image type="source" width="W" height="H">URL</image>
while read -r width height url; do
    shots=$((shots + 1))
    file=screenshots/$(basename "$url")
    if [ ! -f "$file" ]; then
        echo "FAIL: $url is not kept as $file"
        fail=1
        continue
    fi
    size=$(file -b "$file" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1 \2/p')
    if [ "$size" != "$width $height" ]; then
        echo "FAIL: $file is $size, the data says $width $height"
        fail=1
    fi
done < <(sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">\([^<]*\)<\/image>.*/\1 \2 \3/p' ./*.metainfo.xml)
if [ "$shots" -eq 0 ]; then
    echo "FAIL: no screenshot with its size in the software-centre data"
    fail=1
fi
exit "$fail"
