# Kasumiro: the two commands a newcomer needs, plus the benchmark and the release zip.
# Each target installs only the package groups it uses (scripts/install-deps.sh).
.PHONY: run run-linux test fuzz lint bench bench-linux release package clean

run:
	@scripts/install-deps.sh build windows
	@scripts/run.sh

run-linux:
	@scripts/install-deps.sh build qt
	@scripts/run-linux.sh

test:
	@scripts/install-deps.sh build windows qt package fuzz lint
	@scripts/test-all.sh

# Each libFuzzer target for FUZZ_SECONDS (60 by default).
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps.sh build fuzz
	@scripts/fuzz.sh $(FUZZ_SECONDS)

lint:
	@scripts/install-deps.sh build lint
	@scripts/lint.sh

bench:
	@scripts/install-deps.sh bench
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $$(nproc)
	build/bench/bench/kasumiro_bench

bench-linux:
	@scripts/install-deps.sh build qt
	@scripts/bench-linux.sh

release:
	@scripts/install-deps.sh release
	@scripts/release.sh

package:
	@scripts/install-deps.sh build qt package
	@scripts/package.sh

clean:
	rm -rf build dist
