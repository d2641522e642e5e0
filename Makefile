# Two commands do everything on a fresh Debian 12 machine (as root):
#   make run    builds the program and starts it under Wine
#   make test   builds everything and runs every test
SHELL := /bin/bash
B := build
CMAKE_NATIVE = cmake -G Ninja -DCMAKE_BUILD_TYPE=Debug
CMAKE_WIN = cmake -G Ninja -DCMAKE_BUILD_TYPE=Release

.PHONY: deps native native-asan native-tsan win64 win32 dist test test-native test-win run bench clean

deps:
	@tools/install-deps.sh

native: deps
	@$(CMAKE_NATIVE) -S . -B $(B)/native >/dev/null
	@cmake --build $(B)/native

native-asan: deps
	@$(CMAKE_NATIVE) -DQY_SANITIZE=ON -S . -B $(B)/native-asan >/dev/null
	@cmake --build $(B)/native-asan

native-tsan: deps
	@$(CMAKE_NATIVE) -DQY_TSAN=ON -S . -B $(B)/native-tsan >/dev/null
	@cmake --build $(B)/native-tsan --target neighbourhood_tests

win64: deps
	@$(CMAKE_WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DQY_THREAD_MODEL=posix -S . -B $(B)/win64 >/dev/null
	@cmake --build $(B)/win64

# The i686 program is built with the win32 thread model so that it imports
# nothing Windows XP lacks.
win32: deps
	@$(CMAKE_WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DQY_THREAD_MODEL=win32 -DQY_TESTS=OFF -S . -B $(B)/win32 >/dev/null
	@cmake --build $(B)/win32

dist: win64 win32
	@mkdir -p dist
	@cp $(B)/win64/qingyu-share.exe dist/qingyu-share.exe
	@cp $(B)/win32/qingyu-share.exe dist/qingyu-share-x86.exe
	@tools/check-imports.sh dist/qingyu-share-x86.exe dist/qingyu-share.exe

test-native: native native-asan native-tsan
	@cd $(B)/native && ctest --output-on-failure -j2
	@cd $(B)/native-asan && ctest --output-on-failure -j2
	@cd $(B)/native-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -R '^Scan|^Reachability|^CacheReload|^AddressView'

test-win: dist
	@tools/wine-prefix.sh start
	@cd $(B)/win64 && ctest --output-on-failure; rc=$$?; cd ../..; tools/wine-prefix.sh stop; exit $$rc

test: test-native test-win

run: dist
	@tools/run.sh

bench: dist
	@tools/wine-prefix.sh start
	@cd $(B)/win64 && ctest -C bench -L bench --verbose; rc=$$?; cd ../..; tools/wine-prefix.sh stop; exit $$rc

clean:
	rm -rf $(B) dist
