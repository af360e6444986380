#!/usr/bin/env bash
# Gathers TeamTool for Windows into one folder: the program with exactly the DLLs it
# needs, found by following the imports of the program and of the Qt plugins it loads
# (the windows platform, the Windows styles) through Qt's and MinGW's folders.
#   scripts/windows-deploy.sh TEAMTOOL.exe QT_PREFIX OUTDIR
set -euo pipefail
exe=$(realpath "$1")
qt=$(realpath "$2")
out=$3
objdump=x86_64-w64-mingw32-objdump
mingw_gcc=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
search=("$qt/bin" "$mingw_gcc" /usr/x86_64-w64-mingw32/lib)

rm -rf "$out"
mkdir -p "$out/platforms" "$out/styles"
cp "$exe" "$out/"
cp "$qt/plugins/platforms/qwindows.dll" "$out/platforms/"
for style in "$qt"/plugins/styles/*.dll; do cp "$style" "$out/styles/"; done

# Follow the imports until no new DLL turns up; system DLLs are the ones found nowhere here.
declare -A seen
queue=("$out/$(basename "$exe")" "$out"/platforms/*.dll "$out"/styles/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
    binary=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        key=${dll,,}
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        for dir in "${search[@]}"; do
            found=$(find "$dir" -maxdepth 1 -iname "$dll" -print -quit 2>/dev/null)
            if [ -n "$found" ]; then
                cp "$found" "$out/"
                queue+=("$out/$(basename "$found")")
                break
            fi
        done
    done < <($objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done
x86_64-w64-mingw32-strip --strip-unneeded "$out"/*.exe "$out"/*.dll "$out"/*/*.dll
ls "$out"
