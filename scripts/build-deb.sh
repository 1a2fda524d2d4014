#!/usr/bin/env bash
# Makes the Debian packages (torvane and its debug symbols, torvane-dbgsym) from
# the files git knows in this checkout, in a scratch copy, with Debian's own
# tools (packaging/debian), and puts them into OUT_DIR (default: build-deb/).
# The same sources give the same package bytes: the time stamps come from the
# changelog's date (SOURCE_DATE_EPOCH).
# usage: scripts/build-deb.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
out=$(realpath -m "${1:-build-deb}")
version=$(dpkg-parsechangelog -l packaging/debian/changelog -S Version)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source_dir=$scratch/torvane-$version
mkdir "$source_dir"
git -C "$repo" ls-files -z --cached --others --exclude-standard |
    (cd "$repo" && xargs -0 cp --parents --no-dereference -t "$source_dir" 2>/dev/null ||
        { echo "build-deb: some listed files are missing from the work tree" >&2; exit 1; })
cp -r packaging/debian "$source_dir/debian"

(cd "$source_dir" &&
    DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage --build=binary --no-sign >"$scratch/build.log" 2>&1) ||
    { tail -n 40 "$scratch/build.log" >&2; echo "build-deb: the package build failed" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out"/torvane*_"$version"_*.deb "$out"/torvane*_"$version"_*.ddeb
cp "$scratch"/torvane*_"$version"_*.*deb "$out/"
ls "$out"/torvane*_"$version"_*.*deb
