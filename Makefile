# The two commands: `make test` and `make play`. Each installs what is
# missing, builds what it needs, then acts.

.PHONY: test play bench bench-wine native windows saver bootstrap clean

# `make play ARGS=/c` opens the settings instead of the show.
ARGS ?= /s

bootstrap:
	@scripts/bootstrap

native: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native -j2

windows: bootstrap
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j2

saver: bootstrap
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j2 --target SSHarborgast

# Checks for a display first, so that without one it ends at once.
play:
	@scripts/play --check
	@$(MAKE) -s saver
	@scripts/play $(ARGS)

test: native windows
	ctest --preset native -j2
	ctest --preset windows

bench: bootstrap
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j2
	build/bench/bench/harborgast_bench

# The saver's CPU cost under Wine beside its floor, on a private screen.
bench-wine: bootstrap
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j2 --target SSHarborgast present_floor
	bench/wine/cost build/windows/SSHarborgast.scr build/windows/bench/wine/present_floor.exe \
		build/windows/wine-bench

clean:
	rm -rf build
