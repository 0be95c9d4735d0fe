#!/usr/bin/env bash
# scripts/check-layers on small trees: a clean one passes, and each kind of
# fault planted in a copy of it fails with the file and line named.
#   check_layers_test.sh SCRIPT
set -euo pipefail
script="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A clean tree: includes point down, Qt only from report up, same-folder and
# generated headers, a relative include inside the layer, a .ui naming lower
# headers, and an empty layer folder still being created.
clean="$work/clean"
mkdir -p "$clean"/src/{base,store,grid,calc,flow,report,controls,interview,screens,mainwin,entry}
printf '#pragma once\n#include <string>\n' >"$clean/src/base/text.h"
printf '#include "base/text.h"\n#include <vector>\n' >"$clean/src/store/fieldstore.h"
printf '#include "store/fieldstore.h"\n#include "grid_model.h"\n' >"$clean/src/grid/grid.cpp"
printf '#include "base/text.h"\n#include "grid/grid_model.h"\n#include "./calc_util.h"\n' >"$clean/src/calc/calc.cpp"
printf '#include <QPainter>\n#include "calc/calc.h"\n' >"$clean/src/report/layout.cpp"
printf '#include <QWidget>\n#include "report/layout.h"\n' >"$clean/src/controls/numedit.h"
printf '#include "ui_qcgt_56.h"\n#include "interview/childform.h"\n' >"$clean/src/screens/qcgt_56.cpp"
printf '<ui><customwidgets><customwidget><header>controls/numedit.h</header></customwidget></customwidgets></ui>\n' \
  >"$clean/src/screens/qcgt_56.ui"
printf '#include "mainwin/mainwindow.h"\n#include "screens/screen_factory.h"\n' >"$clean/src/entry/module.cpp"
printf '// #include "entry/module.h" is only a comment here\n' >"$clean/src/base/notes.h"

if ! out=$("$script" "$clean" 2>&1); then
  fail "the clean tree was refused:"; echo "$out"
fi

# check NAME EXPECTED SETUP...: a copy of the clean tree, changed by SETUP,
# must fail and name EXPECTED.
check() {
  local name="$1" expected="$2"
  shift 2
  local tree="$work/$name"
  cp -r "$clean" "$tree"
  (cd "$tree" && eval "$*")
  local out status=0
  out=$("$script" "$tree" 2>&1) || status=$?
  if [ "$status" -ne 1 ]; then
    fail "$name: exit status $status, expected 1"; echo "$out"
  elif ! grep -qF -- "$expected" <<<"$out"; then
    fail "$name: output does not name '$expected'"; echo "$out"
  fi
}

check higher-layer 'src/calc/calc.cpp:4: #include "screens/screen_factory.h"' \
  'echo "#include \"screens/screen_factory.h\"" >>src/calc/calc.cpp'
check angle-brackets 'src/store/fieldstore.h:3: #include <grid/grid_model.h>' \
  'echo "#include <grid/grid_model.h>" >>src/store/fieldstore.h'
check one-step-up 'src/interview/frame.cpp:1: #include "screens/qcgt_56.h"' \
  'echo "#include \"screens/qcgt_56.h\"" >src/interview/frame.cpp'
check relative-path 'src/grid/grid.cpp:3: #include "../mainwin/mainwindow.h"' \
  'echo "#include \"../mainwin/mainwindow.h\"" >>src/grid/grid.cpp'
check nested-folder 'src/base/detail/day.h:1: #include "store/fieldstore.h"' \
  'mkdir src/base/detail && echo "#include \"store/fieldstore.h\"" >src/base/detail/day.h'
check spaced-directive 'src/flow/rules.cpp:1: #  include "report/layout.h"' \
  'echo "#  include \"report/layout.h\"" >src/flow/rules.cpp'
check ui-header 'src/controls/form.ui:1:' \
  'echo "<ui><customwidget><header>interview/childform.h</header></customwidget></ui>" >src/controls/form.ui'
check qt-in-base 'src/base/text.h:3: #include <QString>' 'echo "#include <QString>" >>src/base/text.h'
check qt-module-path-in-store 'src/store/fieldstore.h:3: #include <QtCore/QByteArray>' \
  'echo "#include <QtCore/QByteArray>" >>src/store/fieldstore.h'
check qt-in-grid 'src/grid/grid.cpp:3: #include "QVariant"' 'echo "#include \"QVariant\"" >>src/grid/grid.cpp'
check qt-in-calc 'src/calc/calc.cpp:4: #include <QtGlobal>' 'echo "#include <QtGlobal>" >>src/calc/calc.cpp'
check qt-in-flow 'src/flow/rules.h:1: #include <QList>' 'echo "#include <QList>" >src/flow/rules.h'
check unknown-folder 'src/widgets:' 'mkdir src/widgets && echo "int x;" >src/widgets/w.cpp'
check file-outside-layers 'src/stray.cpp:' 'echo "int x;" >src/stray.cpp'

# The layers in between are not all required: a tree without flow and report passes.
partial="$work/partial"
cp -r "$clean" "$partial"
rm -r "$partial/src/flow" "$partial/src/report"
sed -i '/report\//d' "$partial/src/controls/numedit.h"
if ! out=$("$script" "$partial" 2>&1); then
  fail "a tree without flow and report was refused:"; echo "$out"
fi

if [ ! -d "$work/missing" ] && "$script" "$work/missing" >/dev/null 2>&1; then
  fail "a root without src/ passed"
fi

[ "$failures" -eq 0 ] || exit 1
echo "check-layers: every planted fault was found"
