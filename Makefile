# Front door: `make run` builds and starts the client, `make test` builds and runs every test.
# The tests run with AddressSanitizer and UBSan in their own tree; what `make run` builds and
# starts is an optimised program without them.
BUILD ?= build
RUN_BUILD ?= build-run
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= 2
# Reuse compiled objects across trees and checkouts when ccache is there.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test bench fuzz format clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug -DPSD_SANITIZE=ON $(LAUNCHER)

$(RUN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(RUN_BUILD) -DCMAKE_BUILD_TYPE=Release -DPSD_SANITIZE=OFF $(LAUNCHER)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: deps $(RUN_BUILD)/CMakeCache.txt
	cmake --build $(RUN_BUILD) -j$(JOBS) --target PaySlipDesk payslipdesk-cli
	$(RUN_BUILD)/PaySlipDesk/PaySlipDesk

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DPSD_SANITIZE=OFF -DPSD_BENCH=ON $(LAUNCHER)
	cmake --build $(BENCH_BUILD) -j$(JOBS)
	cd $(BENCH_BUILD) && ctest -L bench -V

# Every fuzz target for FUZZ_SECONDS each (clang's libFuzzer with the sanitizers); findings are
# kept in fuzz/findings/.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPSD_SANITIZE=ON -DPSD_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers
	tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

format:
	find client stub bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(RUN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
