# The two commands: `make test` and `make play`. Each installs what is
# missing, builds what it needs, then acts.

.PHONY: test play play-windows player install bench bench-linux bench-wine bench-web fuzz soak soak-native soak-wine native \
	windows saver fuzz-targets web bootstrap clean

# `make play ARGS=--fullscreen` passes options to the Linux player;
# `make play-windows ARGS=/c` opens the Windows saver's settings instead of
# its show.
ARGS ?=
WINDOWS_ARGS = $(if $(ARGS),$(ARGS),/s)
# `make install` puts the player where Debian's xscreensaver looks for its
# hacks: $(DESTDIR)$(PREFIX)/libexec/xscreensaver.
PREFIX ?= /usr

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

player: bootstrap
	cmake --preset player >/dev/null
	cmake --build --preset player -j2

# The page: build/web/ is a static site (the module, its packed assets, the
# rendered tunes). The native build makes the assets and the render tool
# that the page's tests compare with.
web: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native -j2 --target assets harborgast-render
	cmake --preset web >/dev/null
	cmake --build --preset web -j2

# Each checks for a display first, so that without one it ends at once
# with the one line that says so.
# play: the native player in a window, with its sound and music.
play:
	@if scripts/play --check; then $(MAKE) -s player && build/player/src/host/linux/harborgast $(ARGS); fi

# play-windows: the real saver under Wine.
play-windows:
	@if scripts/play --check; then $(MAKE) -s saver && scripts/play $(WINDOWS_ARGS); fi

install: player
	DESTDIR="$(DESTDIR)" cmake --install build/player --prefix "$(PREFIX)"

# The fuzz targets are built with clang and run briefly here, on their
# seeds, so that they keep building and running; `make fuzz` runs them long.
fuzz-targets: bootstrap
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j2

test: native windows fuzz-targets web
	ctest --preset native -j2
	ctest --preset windows
	ctest --preset fuzz
	ctest --preset web

# Each fuzz target for FUZZ_SECONDS seconds, one after another.
FUZZ_SECONDS ?= 60
fuzz: fuzz-targets
	HARBORGAST_FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --preset fuzz --timeout $$(( $(FUZZ_SECONDS) + 120 )) -V

# The long runs, outside `make test`: the show for many cycles in every
# window size of the list, and the real saver under Wine for SOAK_MINUTES
# minutes on the 8-bit and the 24-bit screen at once (`make soak-wine
# SOAK_MINUTES=3` for a short run).
SOAK_MINUTES ?= 60
soak: soak-native soak-wine

soak-native: native
	tests/soak/soak_native.sh build/native/tests/soak/harborgast-soak

soak-wine: windows
	tests/soak/soak_wine.sh build/windows build/windows/soak-wine $(SOAK_MINUTES)

bench: bootstrap
	cmake --preset bench >/dev/null
	cmake --build --preset bench -j2
	build/bench/bench/harborgast_bench

# The Linux player's CPU cost beside its floor, and its start-up time
# beside the Windows saver's under Wine, on a private screen.
bench-linux: player saver
	cmake --build --preset player -j2 --target present-floor-sdl
	bench/linux/cost build/player/src/host/linux/harborgast build/player/bench/linux/present-floor-sdl \
		build/windows/SSHarborgast.scr build/windows/wine-bench/prefix

# The saver's CPU cost under Wine beside its floor, on a private screen.
bench-wine: bootstrap
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j2 --target SSHarborgast present_floor
	bench/wine/cost build/windows/SSHarborgast.scr build/windows/bench/wine/present_floor.exe \
		build/windows/wine-bench

# A frame step with its presenting in the page at 1920x1080, beside a floor
# page in the same browser; the page's download size and first picture.
bench-web: web
	node tests/web/page_test.js --perf --site build/web --render build/native/tools/render/harborgast-render \
		--assets build/native/assets

clean:
	rm -rf build
