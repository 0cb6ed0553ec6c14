#!/usr/bin/env bash
# tools/check-doc-links passes the project's own pages, and a scratch page
# with a link to a missing file or to a missing heading is refused, named.
#   check_doc_links_test.sh <check-doc-links> <project root>
set -euo pipefail
check=$1
root=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

"$check" "$root" || { echo "FAIL: the project's pages have broken links"; failed=1; }

# page <folder> <link>: a README and a docs page whose headings the link may name.
page() {
    mkdir -p "$scratch/$1/docs"
    printf '# Game\n\n## Play it\n\nSee [the page](%s).\n' "$2" >"$scratch/$1/README.md"
    printf '# The page\n\n## On a phone, too\n\n```\n## Not a heading\n```\n' \
        >"$scratch/$1/docs/browser.md"
}

page good 'docs/browser.md#on-a-phone-too'
"$check" "$scratch/good" >/dev/null || { echo "FAIL: a good link refused"; failed=1; }

page missing-file 'docs/brwoser.md'
page missing-heading 'docs/browser.md#not-a-heading'
for tree in missing-file missing-heading; do
    if out=$("$check" "$scratch/$tree"); then
        echo "FAIL: $tree let pass"
        failed=1
    elif [[ $out != README.md:5:* ]]; then
        echo "FAIL: $tree not named: $out"
        failed=1
    fi
done
exit $failed
