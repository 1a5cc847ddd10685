# The two everyday commands: `make run` and `make test`.
# Each architecture builds in its own folder, $(BUILD)/i686 or $(BUILD)/x86_64,
# with its own Wine prefix and staged program folder (dist).
# ARCH=i686|x86_64 picks one; unset, `test` takes every architecture this
# machine runs (cmake/arches) and `run` and `bench` the first of them.
BUILD ?= build
JOBS  ?= $(shell nproc)
ARCH  ?=

arches      = $(if $(ARCH),$(ARCH),$$(cmake/arches))
first_arch  = $(if $(ARCH),$(ARCH),$$(cmake/arches | cut -d' ' -f1))

.PHONY: deps build test run bench langdata clean
# Configured once; make must not take the build files for intermediates.
.PRECIOUS: $(BUILD)/%/build.ninja

deps:
	@cmake/install-deps

$(BUILD)/%/build.ninja:
	cmake -S . -B $(BUILD)/$* -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$*.cmake -DCMAKE_BUILD_TYPE=Release

build-%: deps $(BUILD)/%/build.ninja
	cmake --build $(BUILD)/$* -j $(JOBS)

test-%: build-%
	@start=$$(date +%s); \
	xvfb-run -a cmake/wine-session $(BUILD)/$* ctest --test-dir $(BUILD)/$* --output-on-failure -j $(JOBS) && \
	echo "$*: tests passed in $$(( $$(date +%s) - start )) s"

build: deps
	@set -e; for a in $(arches); do $(MAKE) --no-print-directory build-$$a; done

test: deps
	@set -e; for a in $(arches); do $(MAKE) --no-print-directory test-$$a; done

# The build stages the program folder $(BUILD)/<arch>/dist; the program starts from there.
run: deps
	@set -e; a=$(first_arch); $(MAKE) --no-print-directory build-$$a; \
	cmake/wine-run $(BUILD)/$$a $(BUILD)/$$a/dist/variruvu.exe $(ARGS)

bench: deps
	@set -e; a=$(first_arch); $(MAKE) --no-print-directory build-$$a; \
	xvfb-run -a cmake/wine-session $(BUILD)/$$a tests/engine/bench $(BUILD)/$$a

# After a form changes: its language controller's IDs and the language source
# (resources/forms/<form>.lngsrc) the translators work from.
langdata: deps
	@set -e; a=$(first_arch); $(MAKE) --no-print-directory build-$$a; \
	xvfb-run -a cmake/wine-session $(BUILD)/$$a cmake --build $(BUILD)/$$a --target refresh_langdata

clean:
	rm -rf $(BUILD)
