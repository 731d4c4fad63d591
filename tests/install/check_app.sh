#!/usr/bin/env bash
# check_app.sh BUILD PREFIX APPBUILD: installs the configured build BUILD into
# PREFIX, builds the example application examples/app against the installed
# package in APPBUILD (Ninja, ccache when there is one) and runs it with its
# script, headless and, where the Qt widgetset is installed, offscreen on Qt. The status is the first failing step's.
set -euo pipefail
if [ $# -ne 3 ]; then
  echo "usage: $0 BUILD PREFIX APPBUILD" >&2
  exit 2
fi
build=$1 prefix=$(realpath -m "$2") app=$(realpath -m "$3")
source=$(cd "$(dirname "$0")/../.." && pwd)

# What an earlier install left (a header since removed) must not hide a
# missing file.
rm -rf "$prefix/include/corvane" "$prefix/lib/cmake/corvane"
cmake --install "$build" --prefix "$prefix" >/dev/null

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$source/examples/app" -B "$app" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" "${launcher[@]}" >/dev/null
cmake --build "$app"
CORVANE_WIDGETSET=headless "$app/guests" "$source/examples/app/app.run"
# Installed with the Qt widgetset, the same program runs on it, offscreen.
if [ -f "$prefix/include/corvane/host/widgetset/qt6/qt6.h" ]; then
  QT_QPA_PLATFORM=offscreen CORVANE_WIDGETSET=qt6 "$app/guests" "$source/examples/app/app.run"
fi
