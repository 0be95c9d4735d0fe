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
# The programs and the tests, each by its rule: cgt up to report, cgt-host the
# store and the exports' header, a test folder up to its layer, the shared
# helpers on base, the end-to-end tests the core layers and the exports.
mkdir -p "$clean"/{cli,host} "$clean"/tests/{calc,report,support,cli,host,e2e,unload,scripts}
printf '#pragma once\n' >"$clean/cli/command.h"
printf '#include <QPainter>\n#include "command.h"\n#include "store/fieldstore.h"\n#include "report/layout.h"\n' \
  >"$clean/cli/print_command.cpp"
printf '#pragma once\n' >"$clean/host/host_args.h"
printf '#include <QApplication>\n#include "entry/cgt2003.h"\n#include "host_args.h"\n#include "store/fieldstore.h"\n' \
  >"$clean/host/main.cpp"
printf '#pragma once\n#include "base/text.h"\n' >"$clean/tests/support/scripted_dialogs.h"
printf '#pragma once\n#include <QString>\n' >"$clean/tests/support/qt_print.h"
printf '#include "calc/calc.h"\n#include "grid/grid_model.h"\n#include "support/scripted_dialogs.h"\n' \
  >"$clean/tests/calc/calc_test.cpp"
printf '#pragma once\n#include "calc/calc.h"\n' >"$clean/tests/calc/worksheet_fixture.h"
printf '#include <QPainter>\n#include "calc/worksheet_fixture.h"\n#include "support/qt_print.h"\n' \
  >"$clean/tests/report/layout_test.cpp"
printf '#include "command.h"\n#include "report/layout.h"\n#include "support/test_folder.h"\n' >"$clean/tests/cli/cli_test.cpp"
printf '#include "host_args.h"\n#include "entry/cgt2003.h"\n' >"$clean/tests/host/host_args_test.cpp"
printf '#pragma once\n#include <QEvent>\n#include "entry/cgt2003.h"\n#include "calc/calc.h"\n' \
  >"$clean/tests/e2e/module_loader.h"
printf '#include "e2e/module_loader.h"\n#include "store/fieldstore.h"\n' >"$clean/tests/unload/unload_test.cpp"
printf 'echo fine\n' >"$clean/tests/scripts/check_test.sh"

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
# The faults of the programs and the tests, each in a file of its own, planted
# in one copy (one run of the script for all): each must be named.
planted="$work/planted"
cp -r "$clean" "$planted"
expected=()
plant() {
  expected+=("$1")
  (cd "$planted" && eval "$2")
}
plant 'cli/widgets.cpp:1: #include "controls/numedit.h"' 'echo "#include \"controls/numedit.h\"" >cli/widgets.cpp'
plant 'cli/main.cpp:1: #include "host_args.h"' 'echo "#include \"host_args.h\"" >cli/main.cpp'
plant 'host/inside.cpp:1: #include "entry/module.h"' 'echo "#include \"entry/module.h\"" >host/inside.cpp'
plant 'host/notify.cpp:1: #include "calc/calc.h"' 'echo "#include \"calc/calc.h\"" >host/notify.cpp'
plant 'tests/calc/higher.cpp:1: #include "screens/screen_factory.h"' \
  'echo "#include \"screens/screen_factory.h\"" >tests/calc/higher.cpp'
plant 'tests/calc/fixture.cpp:1: #include "report/page_fixture.h"' \
  'echo "#include \"report/page_fixture.h\"" >tests/calc/fixture.cpp'
plant 'tests/calc/cli_header.cpp:1: #include "command.h"' 'echo "#include \"command.h\"" >tests/calc/cli_header.cpp'
plant 'tests/calc/qt.cpp:1: #include <QString>' 'echo "#include <QString>" >tests/calc/qt.cpp'
plant 'tests/calc/qt_helper.cpp:1: #include "support/qt_print.h"' \
  'echo "#include \"support/qt_print.h\"" >tests/calc/qt_helper.cpp'
plant 'tests/calc/e2e.cpp:1: #include "e2e/module_loader.h"' 'echo "#include \"e2e/module_loader.h\"" >tests/calc/e2e.cpp'
plant 'tests/support/store_helper.h:1: #include "store/fieldstore.h"' \
  'echo "#include \"store/fieldstore.h\"" >tests/support/store_helper.h'
plant 'tests/cli/frame_test.cpp:1: #include "interview/frame.h"' \
  'echo "#include \"interview/frame.h\"" >tests/cli/frame_test.cpp'
plant 'tests/e2e/window.cpp:1: #include "mainwin/mainwindow.h"' \
  'echo "#include \"mainwin/mainwindow.h\"" >tests/e2e/window.cpp'
plant 'tests/unload/cli.cpp:1: #include "cli/run_cgt.h"' 'echo "#include \"cli/run_cgt.h\"" >tests/unload/cli.cpp'
plant 'tests/misc:' 'mkdir tests/misc && echo "int x;" >tests/misc/m.cpp'
plant 'tests/stray.cpp:' 'echo "int x;" >tests/stray.cpp'
status=0
out=$("$script" "$planted" 2>&1) || status=$?
if [ "$status" -ne 1 ]; then
  fail "planted: exit status $status, expected 1"; echo "$out"
fi
for line in "${expected[@]}"; do
  grep -qF -- "$line" <<<"$out" || fail "planted: output does not name '$line'"
done
# Nothing but the planted faults.
[ "$(grep -c ':' <<<"$(grep -v '^check-layers:' <<<"$out")")" -eq "${#expected[@]}" ] ||
  { fail "planted: other lines than the planted faults"; echo "$out"; }

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
