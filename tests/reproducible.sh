#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that the same sources give the same programs and packages: reprotest runs the
# README's build and package commands twice on a copy of the source tree (without
# build/ and .git), the second time with another build path, time, time zone, locale,
# umask, number of cores, home directory, environment, kernel name and address layout,
# and fails when a program, the .deb or the .tar.gz differs; diffoscope then shows
# where. It leaves out what needs FUSE, other users or a network namespace: file order,
# user and group, domain and host name. Installs reprotest and what its variations
# need (with tools/deps).
# Usage: bash tests/reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps reprotest diffoscope-minimal faketime locales-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/src"
tar --exclude=./build --exclude=./.git -cf - . | tar -C "$work/src" -xf -
build="cmake --preset release && cmake --build --preset release && cpack --preset release"
artifacts="build/release/graphtools_*.deb build/release/graphtools-*.tar.gz build/release/*/splitpath
build/release/*/treedist build/release/*/factdigits"
reprotest --vary=-fileordering,-user_group,-domain_host --store-dir "$work/out" -s "$work/src" "$build" \
  "$(echo $artifacts)" || { echo "tests/reproducible.sh: a build failed or the builds differ; see above" >&2; exit 1; }
echo "tests/reproducible.sh: the programs, the .deb and the .tar.gz are the same in both builds"
