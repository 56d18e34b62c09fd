# Kasumiro: the two commands a newcomer needs, plus the benchmark and the release zip.
# Each target installs only the package groups it uses (scripts/install-deps.sh)
# and turns on the repository's git hooks (.githooks/). A bare `make` only
# lists the targets.
.PHONY: help hooks run run-linux test fuzz lint bench bench-linux bench-exe release portable package reproducible clean
.DEFAULT_GOAL := help

help:
	@echo "make run          build everything, start Kasumiro.exe under Wine on a sample game"
	@echo "make run-linux    build kasumiro (Qt) and start it on the sample game"
	@echo "make test         build and run every test (times: docs/development.md)"
	@echo "make fuzz         every fuzz target for FUZZ_SECONDS (60 by default)"
	@echo "make lint         clang-tidy (Linux and Windows code), clang-format, shellcheck"
	@echo "make bench        benchmark of the rewrite and the name builder"
	@echo "make bench-linux  start-to-first-paint benchmark of kasumiro"
	@echo "make bench-exe    start time of Kasumiro.exe against a bare window, under Wine"
	@echo "make release      dist/kasumiro-VERSION.zip for Windows and the portable Linux build"
	@echo "make portable     dist/kasumiro-VERSION-linux-x86_64.tar.xz, the portable Linux build"
	@echo "make package      the Debian package, tests included, and its checks: dist/*.deb, .changes"
	@echo "make reproducible two builds of HEAD from two clones compare equal"
	@echo "make clean        remove build/ and dist/"
	@echo "Each installs the packages it needs first (scripts/install-deps.sh)."

# The commit-msg hook (subject at most 72 characters) in every clone.
hooks:
	@if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then git config core.hooksPath .githooks; fi

run: hooks
	@scripts/install-deps.sh build windows
	@scripts/run.sh

run-linux: hooks
	@scripts/install-deps.sh build qt
	@scripts/run-linux.sh

test: hooks
	@scripts/install-deps.sh build windows qt package fuzz lint portable
	@scripts/test-all.sh

# Each libFuzzer target for FUZZ_SECONDS (60 by default).
FUZZ_SECONDS ?= 60
fuzz: hooks
	@scripts/install-deps.sh build fuzz
	@scripts/fuzz.sh $(FUZZ_SECONDS)

lint: hooks
	@scripts/install-deps.sh build qt lint
	@scripts/lint.sh

bench: hooks
	@scripts/install-deps.sh bench
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $$(nproc)
	build/bench/bench/kasumiro_bench
	scripts/bench-backup.sh build/bench

bench-linux: hooks
	@scripts/install-deps.sh build qt
	@scripts/bench-linux.sh

bench-exe: hooks
	@scripts/install-deps.sh build windows
	@scripts/bench-exe.sh

release: hooks
	@scripts/install-deps.sh release build qt portable
	@scripts/release.sh
	@scripts/portable.sh

portable: hooks
	@scripts/install-deps.sh build qt portable
	@scripts/portable.sh

package: hooks
	@scripts/install-deps.sh build qt package
	@scripts/package.sh
	@scripts/check-package.sh dist/kasumiro_*.changes

reproducible: hooks
	@scripts/install-deps.sh build qt package
	@scripts/check-reproducible.sh

clean:
	rm -rf build dist
