# Kasumiro: the two commands a newcomer needs, plus the benchmark and the release zip.
.PHONY: run test bench release deps clean

deps:
	@scripts/install-deps.sh

run: deps
	@scripts/run.sh

test: deps
	@scripts/test-all.sh

bench: deps
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j $$(nproc)
	build/bench/bench/kasumiro_bench

release: deps
	@scripts/release.sh

clean:
	rm -rf build dist
