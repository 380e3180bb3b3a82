# Quick start: `make run` plays, `make test` runs the whole suite.
# Both install any missing Debian packages first (tools/setup.sh).

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS  ?= 100000
CMAKE_GEN  := -G Ninja
JOBS       ?= $(shell nproc)

.PHONY: all setup configure build run test package asan stress clean

all: build

setup:
	@./tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/vorka

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package, from the build above: $(BUILD)/vorka_<version>_<arch>.deb.
package: build
	@cmake --build $(BUILD) --target package

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: setup
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVORKA_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

# Long load tests, not part of `make test`: copies of the game entering
# thousands of final scores into one store, 20 runs in a row, a store held
# for 10 seconds by another copy, and 20 rounds of copies that quit with
# scores waiting, are killed and start again; then 30,000 random actions on
# the real windows, inside rolls and dialogs as well as between them. Then
# the shared Halls' writer gets 200,000 requests made by changing good ones
# at random, and libFuzzer (clang, with AddressSanitizer) runs FUZZ_RUNS more
# over its input, keeping what it learns in $(FUZZ_BUILD)/corpus.
# On a loaded machine a case may take longer than Qt Test's five minutes.
stress: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen VORKA_STRESS=1 QTEST_FUNCTION_TIMEOUT=7200000 \
	    bash $(CURDIR)/tests/storage/with-small-fs.sh ./tests/storage/StoreConcurrencyTest
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen VORKA_STRESS=1 QTEST_FUNCTION_TIMEOUT=7200000 \
	    ./tests/ui/RandomPlayTest
	cd $(BUILD) && VORKA_STRESS=1 QTEST_FUNCTION_TIMEOUT=7200000 ./tests/hallswriter/HallsWriterFuzzTest
	@cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DVORKA_LIBFUZZER=ON -DVORKA_SANITIZE=ON -DVORKA_WERROR=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target HallsRequestFuzzer
	mkdir -p $(FUZZ_BUILD)/corpus
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp \
	    $(FUZZ_BUILD)/tests/hallswriter/HallsRequestFuzzer -runs=$(FUZZ_RUNS) -max_len=4096 \
	    $(FUZZ_BUILD)/corpus $(CURDIR)/tests/hallswriter/corpus

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Start-up, memory, animation, rules, sound, opening a game and the strategy
# engine, each measured beside its reference or target in a release build of
# its own (bench/run.sh). Fails when a target is missed.
BENCH_BUILD ?= build-bench
BENCH_TARGETS := vorka FeaturesReference ReferenceWindow StartupBench AnimationBench RulesBench \
    SoundBench OpenGameBench SolverBench
.PHONY: bench
bench: setup
	@cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVORKA_FIRST_FRAME_REPORT=ON >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target $(BENCH_TARGETS)
	@./bench/run.sh $(BENCH_BUILD)
