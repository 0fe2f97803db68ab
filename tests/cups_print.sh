#!/usr/bin/env bash
# Prints a prediction through a real CUPS spooler: starts cupsd if it is not
# running, adds a cups-pdf queue of its own, makes it the default for the
# test only, clicks "พิมพ์" with that queue rejecting jobs, paused, named but
# missing, behind a slow server, and working, and checks the spooled PDF. A
# second queue is the other printer the print dialog chooses. Needs root,
# cups and printer-driver-cups-pdf; skips (exit 77) without them.
set -euo pipefail
program="$1"
# Another name keeps runs side by side on one spooler apart.
queue="${MORVANE_TEST_QUEUE:-MorvaneTestPDF}"

if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null || [ ! -e /usr/lib/cups/backend/cups-pdf ]; then
  echo "needs root, cupsd and cups-pdf; skipped"
  exit 77
fi

started=
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  # In the foreground, so that the one started here is the one stopped.
  cupsd -f &
  started=$!
  for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
fi
out=$(mktemp -d)
slow=
cleanup() {
  [ -n "$slow" ] && kill "$slow" || true
  lpadmin -x "$queue" 2>/dev/null || true
  lpadmin -x "${queue}Other" 2>/dev/null || true
  [ -n "$started" ] && kill "$started" || true
  rm -rf "$out"
}
trap cleanup EXIT

ppd=$(find /usr/share/ppd -name 'CUPS-PDF_opt.ppd' | head -1)
lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd"
lpadmin -p "${queue}Other" -v cups-pdf:/ -E -P "$ppd"
# cups-pdf writes into ~/PDF of the job's owner, by the password file.
spool="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$spool"
before=$(ls "$spool" 2>/dev/null | wc -l)

# The same spooler behind a proxy that holds each answer back 2 seconds.
python3 "$(dirname "$0")/slow_print_server.py" "$out/slow.sock" 2 &
slow=$!
for _ in $(seq 50); do [ -S "$out/slow.sock" ] && break; sleep 0.1; done

# The queue is the default for this process alone.
PRINTER="$queue" LPDEST="$queue" MORVANE_CUPS_QUEUE="$queue" MORVANE_SLOW_CUPS="$out/slow.sock" \
  MORVANE_CUPS_OTHER_QUEUE="${queue}Other" QT_QPA_PLATFORM=offscreen "$program"

# Wait for cups-pdf to write the two jobs.
for _ in $(seq 150); do
  [ "$(ls "$spool" | wc -l)" -ge $((before + 2)) ] && ! lpstat -o "$queue" 2>/dev/null | grep -q . && break
  sleep 0.2
done
pdfs=$(ls -t "$spool"/*.pdf 2>/dev/null | head -2)
[ "$(echo "$pdfs" | grep -c .)" -eq 2 ] || { echo "expected 2 PDFs spooled"; exit 1; }
for pdf in $pdfs; do
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  echo "spooled $pdf: $pages page(s)"
  # The report is one sheet.
  [ "$pages" -eq 1 ] || { echo "expected 1 page, got $pages"; exit 1; }
  # Nothing cut off at the left edge: the report was laid out on the
  # queue's own paper, not on another size the spooler then trims.
  pdftoppm -r 30 -gray -singlefile "$pdf" "$out/page"
  edge=$(convert "$out/page.pgm" -crop "4x$(identify -format %h "$out/page.pgm")+0+0" -format '%[fx:minima]' info:)
  awk "BEGIN{exit !($edge > 0.9)}" || { echo "the page is cut off at the left edge"; exit 1; }
  # MORVANE_KEEP_PDF=1 keeps them, to look at.
  [ -n "${MORVANE_KEEP_PDF:-}" ] || rm -f "$pdf"
done
