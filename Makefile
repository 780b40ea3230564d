# Everyday commands. `make run` and `make test` install what they need first.
JOBS      ?= $(shell nproc)
BUILD     ?= build
CMAKE_GEN := -G Ninja
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian 12 packages for the build, the tests, the benchmarks, the fuzzers and the window.
PACKAGES := cmake ninja-build g++ pkg-config \
            qt6-base-dev qt6-base-dev-tools libudev-dev \
            libgtest-dev libgmock-dev libbenchmark-dev \
            clang libclang-rt-14-dev \
            fonts-wqy-microhei qt6-translations-l10n xvfb xauth gpsd gpsd-clients time libcli11-dev \
            nlohmann-json3-dev \
            $(WINDOWS_PACKAGES)
# The Windows cross build and its tests: mingw-w64 (posix threads), Wine, and
# what the Windows zip is made with.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine wine64 groff-base zip
VERSION := $(shell grep -om1 'varo_rz60 VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)

.PHONY: deps build run test test-asan test-tsan bench fuzz package windows test-windows package-windows clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# The tool with its built-in simulated gateway. Without a display it runs under
# Xvfb, connects by itself and leaves a screenshot of the window in $(BUILD)/.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/app/varo-config --simulate; \
	else \
	  echo "No display: starting under Xvfb, connecting to the simulated gateway, taking a screenshot"; \
	  xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/app/varo-config --simulate --auto-connect \
	    --screenshot $(BUILD)/screenshot.png --quit-after 6 && \
	  echo "Screenshot: $(abspath $(BUILD))/screenshot.png"; \
	fi

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 300
	$(MAKE) test-asan
	$(MAKE) test-tsan
	$(MAKE) test-windows
	$(MAKE) fuzz FUZZ_SECONDS=10

# The libraries without Qt and their tests, under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B build-asan $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVARO_WITH_QT=OFF -DVARO_SANITIZE=address,undefined
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS) --timeout 300

# The serial component's tests under ThreadSanitizer.
test-tsan: deps
	cmake -S . -B build-tsan $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVARO_WITH_QT=OFF -DVARO_SANITIZE=thread
	cmake --build build-tsan -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -L tsan --timeout 300 --no-tests=ignore

# The parts without Qt for 64-bit Windows (varo-nmea.exe and the tests), in build-windows/.
windows: deps
	cmake -S . -B build-windows $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/MingwToolchain.cmake -DVARO_NATIVE_BUILD=$(abspath $(BUILD))
	cmake --build build-windows -j $(JOBS)

# The Windows tests under Wine, with varo-nmea.exe against the native simulated gateway.
test-windows: windows
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target varo-nmea varo-gateway-sim
	ctest --test-dir build-windows --output-on-failure -j $(JOBS) --timeout 300

# The zip for Windows users: varo-nmea.exe, its manual as text, a short README.
WINDOWS_ZIP := varo-nmea-$(VERSION)-windows-x64
package-windows: windows
	rm -rf build-windows/$(WINDOWS_ZIP) build-windows/$(WINDOWS_ZIP).zip
	mkdir -p build-windows/$(WINDOWS_ZIP)
	x86_64-w64-mingw32-strip -o build-windows/$(WINDOWS_ZIP)/varo-nmea.exe build-windows/tools/varo-nmea.exe
	groff -man -Tutf8 -P-cbou man/varo-nmea.1 | sed 's/$$/\r/' >build-windows/$(WINDOWS_ZIP)/varo-nmea.txt
	sed 's/$$/\r/' cmake/WindowsReadme.txt >build-windows/$(WINDOWS_ZIP)/README.txt
	cd build-windows && zip -qr $(WINDOWS_ZIP).zip $(WINDOWS_ZIP)
	@ls -1 build-windows/$(WINDOWS_ZIP).zip

# The Debian package, in build/.
package: build
	cd $(BUILD) && cpack -G DEB
	@ls -1 $(BUILD)/*.deb

bench: deps
	cmake -S . -B build-bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVARO_TESTS=OFF -DVARO_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do [ -x "$$b" ] && { echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; }; done; true

FUZZ_SECONDS ?= 60
fuzz: deps
	cmake -S . -B build-fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DVARO_WITH_QT=OFF -DVARO_TESTS=OFF -DVARO_FUZZ=ON -DVARO_SANITIZE=address,undefined
	cmake --build build-fuzz -j $(JOBS)
	@for f in build-fuzz/fuzz/fuzz_*; do [ -x "$$f" ] || continue; \
	  name=$$(basename $$f); corpus=build-fuzz/corpus-$$name; mkdir -p $$corpus; \
	  seeds=fuzz/seeds/$${name#fuzz_}; [ -d $$seeds ] || seeds=; \
	  echo "== $$name for $(FUZZ_SECONDS) s"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=build-fuzz/ $$corpus $$seeds || exit 1; done

clean:
	rm -rf $(BUILD) build-asan build-tsan build-bench build-fuzz build-windows
