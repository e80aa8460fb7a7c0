# Rillo: open-channel hydraulics. `make run` and `make test` work on a fresh Debian 12 machine.

PACKAGES := g++ cmake make qt6-base-dev qt6-charts-dev qt6-svg-dev qt6-qpa-plugins libgl-dev \
            qt6-tools-dev qt6-documentation-tools libqt6sql6-sqlite poppler-utils \
            libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev \
            fonts-liberation xvfb xauth \
            dpkg-dev file desktop-file-utils appstream xdotool ccache lintian \
            pybind11-dev python3-dev python3-pytest
FUZZ_PACKAGES := clang libclang-rt-14-dev

JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
BENCH_BUILD := build-bench
FUZZ_BUILD := build-fuzz
# ccache shares objects between checkouts: paths below the tree are hashed relative to it.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
FUZZ_SECONDS ?= 600

.PHONY: deps build run test test-plain test-sanitized package bench bench-gui fuzz clean

# Installs only what is missing, so a machine that has everything is left alone.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ] || [ -n "$$QT_QPA_PLATFORM" ]; then \
	  ./$(BUILD)/app/rillo; \
	else \
	  echo "No display found; starting Rillo under Xvfb (xvfb-run)."; \
	  xvfb-run -a ./$(BUILD)/app/rillo; \
	fi

test: test-plain test-sanitized

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, build/rillo_2.1-1_<arch>.deb (the version is the newest
# entry of packaging/debian/changelog); packaging/check-package.sh runs lintian on it,
# installs it, tries it and removes it again.
package: build
	cd $(BUILD) && cpack -G DEB

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitized: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DRILLO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DRILLO_BUILD_BENCH=ON -DRILLO_BUILD_TESTS=OFF -DRILLO_BUILD_GUI=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target rillo_bench
	./$(BENCH_BUILD)/bench/rillo_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The Compute command end to end in the real main window, offscreen.
bench-gui: deps
	cmake -S . -B $(BENCH_BUILD)-gui -DCMAKE_BUILD_TYPE=Release -DRILLO_BUILD_BENCH=ON -DRILLO_BUILD_TESTS=OFF
	cmake --build $(BENCH_BUILD)-gui -j $(JOBS) --target rillo_gui_bench
	QT_QPA_PLATFORM=offscreen ./$(BENCH_BUILD)-gui/bench/rillo_gui_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# libFuzzer on the profile-file reader; FUZZ_SECONDS sets how long it runs.
fuzz: deps
	@missing=$$(for p in $(FUZZ_PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; fi
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DRILLO_FUZZ=ON -DRILLO_BUILD_TESTS=OFF -DRILLO_BUILD_GUI=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target profile_file_fuzzer
	mkdir -p $(FUZZ_BUILD)/corpus
	./$(FUZZ_BUILD)/fuzz/profile_file_fuzzer $(FUZZ_BUILD)/corpus fuzz/seeds \
	  -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -timeout=10

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
