#!/bin/sh
# The page texts, fonts and filed checks of the records the Windows build wrote (test_record_unchanged under
# wine, into PDF_DIR) against the same committed texts the Linux build is held to.
#   record_pages.sh PDF_DIR DATA_DIR
set -eu
pdfs="$1"
data="$2"
failed=0
count=0
for expected in "$data"/case*.pdf.txt; do
  case_name="$(basename "$expected" .pdf.txt)"
  pdf="$pdfs/$case_name.pdf"
  count=$((count + 1))
  if [ ! -s "$pdf" ]; then
    echo "$case_name: no PDF was written"
    failed=1
    continue
  fi
  if ! pdftotext -layout "$pdf" - | cmp -s - "$expected"; then
    echo "$case_name: the page text differs:"
    pdftotext -layout "$pdf" - | diff "$expected" - | head -n 8
    failed=1
  fi
  # The check filed in it, as the Linux program files it and reads it back (pdfinfo ends the
  # packet with a line break of its own).
  if ! pdfinfo -meta "$pdf" | head -c -1 | cmp -s - "$data/$case_name.xmp"; then
    echo "$case_name: the filed check differs"
    failed=1
  fi
  # Only the program's own fonts (Qt names them from Windows' font data there: "-0-700").
  if pdffonts "$pdf" | tail -n +3 |
    grep -Ev '^([A-Z]{6}\+)?(LiberationSans|DejaVuSans)(-Bold|-Italic|-[0-9]+-[0-9]+)? '; then
    echo "$case_name: a font of the machine's (above)"
    failed=1
  fi
done
[ "$count" -eq 40 ] || { echo "expected 40 records, found $count"; failed=1; }
exit "$failed"
