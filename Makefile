# Orvel: every target installs what it needs (scripts/install-deps PURPOSE), configures
# and builds only what it uses.
#   make run     Orvel itself, started on the example board
#   make test    everything ctest runs
#   make bench   the benchmarks and comparisons
#   make fuzz    the fuzzers (clang), each for FUZZ_SECONDS
#   make install the program, its data, desktop entry, icon, file type and man page under
#                PREFIX (default /usr/local; DESTDIR is honoured)
#   make package the Debian package (build/orvel_VERSION_ARCH.deb), checked with lintian
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX  ?= /usr/local

.PHONY: all build configure run test bench fuzz install package clean

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

# Only the program is built; the desktop's caches are refreshed when the prefix is one the
# desktop reads and we may write them (not for a DESTDIR staging tree).
install:
	@scripts/install-deps run
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD) -j $(JOBS) --target orvel
	cmake --install $(BUILD) --prefix $(PREFIX)
	@if [ -z "$(DESTDIR)" ] && [ -w "$(PREFIX)/share" ]; then \
	  command -v update-mime-database >/dev/null && update-mime-database "$(PREFIX)/share/mime" || true; \
	  command -v update-desktop-database >/dev/null && update-desktop-database -q "$(PREFIX)/share/applications" || true; \
	  command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$(PREFIX)/share/icons/hicolor" || true; \
	fi

package:
	@scripts/install-deps package
	@$(MAKE) --no-print-directory configure
	cmake --build $(BUILD) -j $(JOBS) --target orvel
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/orvel_*.deb

fuzz:
	@scripts/install-deps fuzz
	scripts/run-fuzzers

clean:
	rm -rf $(BUILD) build-fuzz
