#!/usr/bin/env bash
# The rooms of src/ and the rooms each may include, lowest first: a header of a room not listed,
# a window folder's header in another window folder among them, fails the check. Qt Core is the
# only Qt module core may include, and only core writes or deletes a record file.
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"

declare -A allowed=(
  [core]="core"
  [platform]="core platform"
  [tables]="core platform tables"
  [team]="core platform tables team"
  [games]="core platform tables games"
  [reports]="core platform tables reports"
  [cards]="core platform tables cards"
  [misc]="core platform tables misc"
  [documents]="core platform tables games reports documents"
  [mainwindow]="core platform tables team games reports cards misc documents mainwindow"
  [app]="core platform tables team games reports cards misc documents mainwindow app"
)

failures=0
for dir in "$src"/*/; do
  room=$(basename "$dir")
  if [ -z "${allowed[$room]+set}" ]; then
    echo "src/$room: a room without a place in this check"
    failures=$((failures + 1))
    continue
  fi
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^#include "([^"]+)".*/\1/' <<<"$text")
    # A header beside the file is of its own room.
    [[ "$target" == */* ]] || continue
    other=${target%%/*}
    if [[ " ${allowed[$room]} " != *" $other "* ]]; then
      echo "${file#"$src"/}:$line: src/$room may not include $target"
      failures=$((failures + 1))
    fi
  done < <(grep -Hn '^#include "' -r "$dir" --include='*.h' --include='*.cpp' || true)
done

if grep -rnE '^#include <Qt(Gui|Widgets|PrintSupport)/|^#include <Q(Widget|Painter|Image|Pixmap|Color|Font|Application|GuiApplication|Printer)>' \
    "$src/core"; then
  echo "src/core includes a header of a Qt module above Qt Core"
  failures=$((failures + 1))
fi

# Files change only through the team-folder operations of core.
if grep -rnE 'RecordFiles::(Write|Create|Delete)' "$src" --include='*.h' --include='*.cpp' |
    grep -v "^$src/core/"; then
  echo "a record file is written or deleted outside src/core"
  failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures finding(s) against the layout"
  exit 1
fi
echo "every include follows the layout"
