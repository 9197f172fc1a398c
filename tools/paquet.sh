#!/bin/sh
# Builds the Debian package as Debian builds its own (dpkg-buildpackage and debian/), from a
# copy of the sources in BUILD/paquet: the source tree stays clean, the by-products (the
# package's build folder, .buildinfo, .changes, debug symbols) stay there, and the .deb is
# copied to BUILD/. The files of the package are dated by the last commit, so that two
# builds of one commit give the same bytes.
# Usage: tools/paquet.sh [BUILD [JOBS]]
set -eu

racine=$(cd "$(dirname "$0")/.." && pwd)
cd "$racine"
mkdir -p "${1:-build}"
build=$(cd "${1:-build}" && pwd)
jobs=${2:-2}

version=$(dpkg-parsechangelog -SVersion)
architecture=$(dpkg-architecture -qDEB_HOST_ARCH)
depot="$build/paquet"
sources="$depot/verlo-$version"
rm -rf "$depot"
mkdir -p "$sources"

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # The files git knows, as the working tree has them; a file deleted but not yet
    # committed is skipped, and nothing is taken from the build folder.
    dans_build=${build#"$racine"/}
    git ls-files -z --cached --others --exclude-standard |
        grep -z -v "^$dans_build/" |
        tar -c --null --files-from=- --no-recursion --ignore-failed-read -f - 2>/dev/null |
        tar -x -f - -C "$sources"
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
else
    # A copy without git: dpkg-buildpackage dates the files by debian/changelog.
    tar -c --exclude=./.git --exclude="./${build#"$racine"/}" -f - . | tar -x -f - -C "$sources"
fi

# Every file as old as the commit (dpkg-deb would only bring later dates down to it): a
# working tree and a fresh clone of one commit give the same package.
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    find "$sources" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
fi

cd "$sources"
DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$jobs" \
    dpkg-buildpackage --build=binary --no-sign
cp "$depot/verlo_${version}_${architecture}.deb" "$build/"
echo "$build/verlo_${version}_${architecture}.deb"
