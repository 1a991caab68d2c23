# Sourced: configure and build the two builds under build/.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

build_native() {
    cmake -S "$repo_root" -B "$repo_root/build/native" -DKEYVANE_SANITIZE=ON >/dev/null &&
        cmake --build "$repo_root/build/native" -j2
}

build_windows() {
    cmake -S "$repo_root" -B "$repo_root/build/windows" \
        -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/mingw-w64-x86_64.cmake" >/dev/null &&
        cmake --build "$repo_root/build/windows" -j2
}
