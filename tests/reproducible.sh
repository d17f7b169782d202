#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that the same sources give the same programs and packages: reprotest runs the
# quick start's build command and cpack twice on a copy of the source tree (without
# build/ and .git), the second time with another build path, time, time zone, locale,
# umask, number of cores, home directory, environment, kernel name and address layout,
# and fails when a program, one of the two .deb packages or the .tar.gz differs;
# diffoscope then shows where, and both builds' files are kept (the last line says
# where). It leaves out what needs FUSE, other users or a network namespace: file
# order, user and group, domain and host name. Installs reprotest and what its
# variations need (with tools/deps).
# Usage: bash tests/reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps reprotest diffoscope-minimal faketime locales-all
work=$(mktemp -d)
mkdir "$work/src"
tar --exclude=./build --exclude=./.git -cf - . | tar -C "$work/src" -xf -
build="cmake --preset release && cmake --build --preset release && cpack --preset release"
# Patterns for reprotest to expand in each of its builds, not here.
artifacts='build/release/graphtools_*.deb build/release/graphtools-dbgsym_*.deb build/release/graphtools-*.tar.gz
build/release/splitpath/splitpath build/release/treedist/treedist build/release/factdigits/factdigits'
if ! reprotest --vary=-fileordering,-user_group,-domain_host --store-dir "$work/out" -s "$work/src" "$build" \
  "$(echo "$artifacts" | tr '\n' ' ')"; then
  echo "tests/reproducible.sh: a build failed or the builds differ; see above. Both builds' files are in $work/out" >&2
  exit 1
fi
rm -rf "$work"
echo "tests/reproducible.sh: the programs, the two .deb packages and the .tar.gz are the same in both builds"
