# Front door: `make run` builds and starts the client, `make test` builds and runs every test.
BUILD ?= build
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= 2

.PHONY: all deps configure build run test bench fuzz format clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug -DPSD_SANITIZE=ON

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/PaySlipDesk/PaySlipDesk

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DPSD_SANITIZE=OFF -DPSD_BENCH=ON
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
	rm -rf $(BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
