# Orvel: every target installs what it needs (scripts/install-deps PURPOSE), configures
# and builds only what it uses.
#   make run     Orvel itself, started on the example board
#   make test    everything ctest runs
#   make bench   the benchmarks and comparisons
#   make fuzz    the fuzzers (clang), each for FUZZ_SECONDS
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all build configure run test bench fuzz clean

all: build

# Configuring again is cheap and finds what the last install added (the test and
# benchmark libraries are optional to the configuration).
configure:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build:
	@scripts/install-deps run
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD) -j $(JOBS)

run:
	@scripts/install-deps run
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD) -j $(JOBS) --target orvel
	scripts/run-orvel $(BUILD)

test:
	@scripts/install-deps test
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench:
	@scripts/install-deps bench
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD) -j $(JOBS)
	scripts/run-benchmarks $(BUILD)

fuzz:
	@scripts/install-deps fuzz
	scripts/run-fuzzers

clean:
	rm -rf $(BUILD) build-fuzz
