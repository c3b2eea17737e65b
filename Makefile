# The two commands of the README, `make run` and `make test`, plus their helpers.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# What to install (the groups of scripts/install-deps.sh) and whether to
# build the tests; each target below installs only what it uses.
DEPS ?= play windows package web test
TESTS ?= ON

.PHONY: all deps configure build run test
all: build

deps:
	@scripts/install-deps.sh $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DDUOMIRA_TESTS=$(TESTS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Building and playing need neither the tests nor their tools.
run: DEPS = play
run: TESTS = OFF
run: build
	$(BUILD)/qt/duomira

# Every part of the suite, the main CTest suite last (scripts/test.sh).
test: build
	@BUILD=$(BUILD) JOBS=$(JOBS) scripts/test.sh

.PHONY: bench
bench: build windows web
	@BUILD=$(BUILD) JOBS=$(JOBS) scripts/bench.sh

# The number reader's libFuzzer target, built in its own folder with clang.
# `make fuzz` runs it for FUZZ_SECONDS; `make fuzz-smoke` replays the seed
# corpus and adds a short pass (for `make test`).
FUZZ_SECONDS ?= 60

.PHONY: fuzz fuzz-smoke
fuzz: deps
	scripts/fuzz.sh run $(FUZZ_SECONDS)

fuzz-smoke: deps
	scripts/fuzz.sh smoke

# The Windows side: cross-built with MinGW-w64 into $(BUILD)/mingw and run
# under Wine with its own prefix in $(BUILD)/wine-prefix; fails without them.
.PHONY: windows-test
windows-test: deps
	@BUILD=$(BUILD) JOBS=$(JOBS) scripts/windows-tests.sh

# The Win32 program alone, cross-built with MinGW-w64: $(BUILD)/windows/duomira.exe,
# one file for a Windows player to start.
.PHONY: windows
windows: DEPS = windows
windows: deps
	@cmake -S . -B $(BUILD)/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DDUOMIRA_WITH_QT=OFF -DDUOMIRA_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD)/windows -j $(JOBS) --target duomira

# The Windows program to download: $(BUILD)/duomira-<version>-windows-x64.zip,
# the same bytes from any clone in any folder.
.PHONY: windows-dist
windows-dist: windows
	@cmake -S . -B $(BUILD)/windows -DDUOMIRA_DIST_DIR=$(abspath $(BUILD)) >/dev/null
	@cmake --build $(BUILD)/windows --target windows_dist

# The page for browsers: $(BUILD)/web, static files only (scripts/web-build.sh).
# `make web-run` serves it on 127.0.0.1 and prints the address.
WEB_PORT ?= 8000

.PHONY: web web-run
web: DEPS = web
web: deps
	@BUILD=$(BUILD) JOBS=$(JOBS) scripts/web-build.sh

# The page in one HTML file that plays from disk, zipped with the licences:
# $(BUILD)/duomira-<version>-web.zip, the same bytes from any clone.
.PHONY: web-dist
web-dist: web
	@cmake -S . -B $(BUILD)/web-build -DDUOMIRA_DIST_DIR=$(abspath $(BUILD)) >/dev/null
	@cmake --build $(BUILD)/web-build --target web_dist

web-run: web
	@echo "The game: http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	@/usr/bin/python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(BUILD)/web

# The long soak: the game through the controller every front end runs, under
# SOAK_EVENTS seeded player events. SOAK_SEED replays a run; unset, a fresh
# seed is drawn and printed.
SOAK_EVENTS ?= 10000000

.PHONY: soak
soak: configure
	@cmake --build $(BUILD) -j $(JOBS) --target game_test
	@seed='$(SOAK_SEED)'; seed=$${seed:-$$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}; \
	echo "soak seed $$seed (replay: make soak SOAK_SEED=$$seed)"; \
	SOAK_EVENTS=$(SOAK_EVENTS) SOAK_SEED=$$seed \
		$(BUILD)/tests/game_test --gtest_filter='Soak.*'

# The Debian package: $(BUILD)/duomira_<version>_<arch>.deb, for `sudo apt install ./<file>`.
.PHONY: package
package: DEPS = play package
package: TESTS = OFF
package: build
	@cmake --build $(BUILD) --target package

# The unit and widget tests built with AddressSanitizer, UndefinedBehaviorSanitizer
# and leak checking in $(BUILD)-asan (scripts/sanitize.sh); any report fails.
.PHONY: sanitize
sanitize: deps
	@SANITIZE_BUILD=$(BUILD)-asan JOBS=$(JOBS) scripts/sanitize.sh

# clang-format, cppcheck and clang-tidy (.clang-tidy) over the project's own C++,
# with their compilation databases in $(BUILD)-lint (scripts/lint.sh); any finding fails.
.PHONY: lint
lint: deps
	@LINT_BUILD=$(BUILD)-lint JOBS=$(JOBS) scripts/lint.sh
