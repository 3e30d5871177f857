#!/usr/bin/env bash
# Checks the budget-file MIME type the way a desktop would see it: the XML is
# well formed and update-mime-database turns it into a glob, a parent type and
# comments in every language the program speaks.
#
#   check-mime.sh MIME.xml
set -euo pipefail
xml=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

xmllint --noout "$xml"
mkdir -p "$scratch/mime/packages"
cp "$xml" "$scratch/mime/packages/"
# Only the package itself lands in the scratch database: a mistake in it
# cannot be hidden by the system's definitions.
update-mime-database -V "$scratch/mime" >"$scratch/log" 2>&1 || { cat "$scratch/log" >&2; fail "update-mime-database refused the file"; }
if grep -qiE "warning|error|unknown" "$scratch/log"; then
    cat "$scratch/log" >&2
    fail "update-mime-database complained"
fi

type=application/x-torvane-budget
grep -qxF "$type:*.torvane" "$scratch/mime/globs" || fail "globs does not map *.torvane to $type"
grep -qxF "$type application/json" "$scratch/mime/subclasses" || fail "$type is not a sub-class of application/json"
entry="$scratch/mime/application/x-torvane-budget.xml"
[ -f "$entry" ] || fail "no entry written for $type"
for comment in '<comment>Torvane pavilion budget</comment>' \
               '<comment xml:lang="fr">Budget de pavillon Torvane</comment>' \
               '<comment xml:lang="ru">Бюджет павильона Torvane</comment>'; do
    grep -qF "$comment" "$entry" || fail "missing $comment"
done
echo "MIME type $type: ok"
