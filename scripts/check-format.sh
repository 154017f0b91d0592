#!/usr/bin/env bash
# Fails, listing the files, when a tracked .cpp or .h file differs from what
# clang-format makes of it with the tree's .clang-format. Fix with:
#     clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."

command -v clang-format >/dev/null || {
    echo "check-format: clang-format not found (scripts/install-deps.sh installs it)" >&2; exit 1; }

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t files < <(find app bench core catalogue model network storage tests ui -name '*.cpp' -o -name '*.h' | sort)
fi

unformatted=()
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    clang-format --style=file --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done

if [ ${#unformatted[@]} -gt 0 ]; then
    echo "check-format: not formatted with clang-format ($(clang-format --version | head -1)):" >&2
    printf '    %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "check-format: ${#files[@]} files formatted"
