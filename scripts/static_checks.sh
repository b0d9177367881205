#!/usr/bin/env bash
# The code's own checks, run once by CI on the program's files:
#   1. clang-format: every C++ file of src/, tests/, bench/ and fuzz/ is formatted
#      as .clang-format says;
#   2. clang-tidy: the checks of .clang-tidy over the program's sources (src/),
#      with the compile commands of a configured and built build folder.
#
#   scripts/static_checks.sh [build folder]
#
# The build folder is $1, else $NOKTARIS_BUILD_DIR, else build/; it is configured
# again with CMAKE_EXPORT_COMPILE_COMMANDS=ON (the generated files of the build,
# the Czech ranks and Qt's moc output, must be there).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
NOKTARIS_PACKAGES=(clang-format clang-tidy)
ensure_packages

build="${1:-$NOKTARIS_BUILD_DIR}"
cd "$NOKTARIS_ROOT"
mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' \
                                    'fuzz/*.cpp' 'fuzz/*.h')
echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror --style=file "${sources[@]}"

cmake -S "$NOKTARIS_ROOT" -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target noktaris >/dev/null
mapfile -t program < <(git ls-files 'src/*.cpp')
echo "clang-tidy: ${#program[@]} files"
printf '%s\n' "${program[@]}" | xargs -P"$(nproc)" -n4 clang-tidy -p "$build" --quiet --extra-arg=-w
echo "static checks: clean"
