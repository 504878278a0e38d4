#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and reads the desktop files as a desktop would:
# the entry and the MIME package validate, and every file they name is installed.
# Usage: check_install.sh BUILD_DIR APP_ID. Exit 77 (skipped) when a checking tool is missing.
set -euo pipefail
build=$1
id=$2

for tool in desktop-file-validate:desktop-file-utils xmllint:libxml2-utils; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        echo "SKIPPED: ${tool%%:*} is not installed (Debian package ${tool#*:})"
        exit 77
    fi
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
entry=$usr/share/applications/$id.desktop
mime=$usr/share/mime/packages/$id.xml
failed=0
fail() { echo "FAILED: $*"; failed=1; }

desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
xmllint --noout "$mime" || fail "xmllint $mime"

key() { sed -n "s/^$1=//p" "$entry"; }
expect_file() { [ -f "$1" ] || fail "$2: $1 is not installed"; }

program=$(key Exec | cut -d' ' -f1)
[ -x "$usr/bin/$program" ] || fail "Exec: $usr/bin/$program is not an installed program"
expect_file "$usr/share/icons/hicolor/scalable/apps/$(key Icon).svg" Icon
for type in $(key MimeType | tr ';' ' '); do
    grep -q "<mime-type type=\"$type\"" "$mime" || fail "MimeType $type is not declared in $mime"
done
mime_icon=$(xmllint --xpath "string(//*[local-name()='icon']/@name)" "$mime")
expect_file "$usr/share/icons/hicolor/scalable/apps/$mime_icon.svg" "MIME icon"
# Where the installed program looks for its section catalogue and steel design table.
expect_file "$usr/bin/../share/spanrix/beams.lst" "catalogue"
expect_file "$usr/bin/../share/spanrix/steel-design-properties.csv" "steel design table"
expect_file "$usr/share/doc/spanrix/README.md" "README"

# The desktop's own MIME tool must read the package and map the file names to the type.
if command -v update-mime-database >/dev/null; then
    XDG_DATA_DIRS=$usr/share update-mime-database "$usr/share/mime" || fail "update-mime-database"
    grep -q "application/x-spanrix-load:\*\.lod" "$usr/share/mime/globs2" ||
        fail "*.lod does not map to application/x-spanrix-load"
    grep -q "application/x-spanrix-design:\*\.spanrix" "$usr/share/mime/globs2" ||
        fail "*.spanrix does not map to application/x-spanrix-design"
fi
exit $failed
