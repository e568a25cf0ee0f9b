#!/bin/sh
# print-pdf.sh CHROMIUM PAGE.html OUT.pdf: prints a page to an A4 PDF with Chromium, headless, without
# its sandbox (the page is ours, and a build may run as root), with a profile of its own that goes
# afterwards, and nothing from the network. Chromium's chatter is shown only when the print fails.
set -u
chromium="$1"
page="$2"
pdf="$3"
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
rm -f "$pdf"
timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run --disable-extensions \
    --disable-background-networking --disable-sync --no-pdf-header-footer --user-data-dir="$profile" \
    --print-to-pdf="$pdf" "file://$page" >"$profile/log" 2>&1
if [ ! -s "$pdf" ]; then
    cat "$profile/log" >&2
    echo "print-pdf.sh: Chromium did not print $page" >&2
    exit 1
fi
