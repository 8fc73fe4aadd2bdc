# Varnook: the two set-up commands are `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
MUTATE_NICE ?= 10

.PHONY: all deps build run test package asan bench bench-compare fuzz mutate screenshots clean monkey monkey-asan

all: build

deps:
	@scripts/install-deps

# Extra CMake settings for the build, e.g. CMAKE_ARGS=-DVARNOOK_WERROR=ON
# (continuous integration) or -DCMAKE_CXX_COMPILER_LAUNCHER=ccache.
CMAKE_ARGS ?=

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/varnook

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A Debian package of the build, varnook_<version>-1_<arch>.deb in $(BUILD);
# its library dependencies are read from the programs by dpkg-shlibdeps.
package: build
	cmake --build $(BUILD) --target package

# The tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNOOK_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# A long seeded random-input round through the agent windows' widgets:
# `make monkey MONKEY_ACTIONS=100000 MONKEY_SEED=7`; monkey-asan runs it
# under the sanitizers.
MONKEY_ACTIONS ?= 100000
MONKEY_SEED ?= 1
monkey: build
	QT_QPA_PLATFORM=offscreen MONKEY_ACTIONS=$(MONKEY_ACTIONS) MONKEY_SEED=$(MONKEY_SEED) $(BUILD)/tests/app/test_app_monkey

monkey-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARNOOK_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target test_app_monkey
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 MONKEY_ACTIONS=$(MONKEY_ACTIONS) MONKEY_SEED=$(MONKEY_SEED) \
	  $(ASAN_BUILD)/tests/app/test_app_monkey

# Google Benchmark figures (not part of `make test`).
bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNOOK_BENCHMARKS=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target varnook_bench
	$(BENCH_BUILD)/bench/varnook_bench

# The benchmarks of commit BASE against the working tree's, run alternately:
# `make bench-compare BASE=cfe8d0c BENCH_FILTER=Erlang`; scripts/bench-compare
# explains every setting.
BASE ?=
BENCH_FILTER ?= .
bench-compare: deps
	@test -n "$(BASE)" || { echo "usage: make bench-compare BASE=<commit> [BENCH_FILTER=<regex>]" >&2; exit 2; }
	BENCH_BUILD=$(BENCH_BUILD) scripts/bench-compare "$(BASE)" "$(BENCH_FILTER)"

# The scenario-file reader, then the interval-file and week-file readers,
# under libFuzzer for FUZZ_SECONDS seconds each. The libraries are
# instrumented for coverage and run under ASan and UBSan; only the fuzz
# targets are built. Each starts from its corpus and kept findings
# (fuzz/corpus and fuzz/regressions; fuzz/interval-corpus and
# fuzz/interval-regressions; fuzz/week-corpus and fuzz/week-regressions);
# new findings are written into $(FUZZ_BUILD).
fuzz:
	@scripts/install-deps --fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOOK_FUZZ=ON \
	  -DVARNOOK_SANITIZE=ON -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target varnook_fuzz_scenario varnook_fuzz_intervals varnook_fuzz_week
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/interval-corpus $(FUZZ_BUILD)/week-corpus
	cp -n fuzz/corpus/* fuzz/regressions/* $(FUZZ_BUILD)/corpus/ 2>/dev/null || true
	cp -n fuzz/interval-corpus/* fuzz/interval-regressions/* $(FUZZ_BUILD)/interval-corpus/ 2>/dev/null || true
	cp -n fuzz/week-corpus/* fuzz/week-regressions/* $(FUZZ_BUILD)/week-corpus/ 2>/dev/null || true
	cd $(FUZZ_BUILD) && fuzz/varnook_fuzz_scenario -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -dict=$(CURDIR)/fuzz/scenario.dict -print_final_stats=1 corpus
	cd $(FUZZ_BUILD) && fuzz/varnook_fuzz_intervals -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -dict=$(CURDIR)/fuzz/intervals.dict -print_final_stats=1 interval-corpus
	cd $(FUZZ_BUILD) && fuzz/varnook_fuzz_week -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	  -dict=$(CURDIR)/fuzz/week.dict -print_final_stats=1 week-corpus

# Mutation testing of the headless code in its own build directory
# (build-mutate), at low priority; not part of `make test`. MUTATE_FILES and
# MUTATE_COUNT narrow it; scripts/mutate explains every setting.
mutate:
	@scripts/install-deps --mutate
	MUTATE_JOBS=$(JOBS) nice -n $(MUTATE_NICE) scripts/mutate

screenshots: build
	$(BUILD)/app/varnook-screenshots $(BUILD)/screenshots
	$(BUILD)/app/varnook-chart-screenshots $(BUILD)/screenshots

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) build-mutate build-bench-base
