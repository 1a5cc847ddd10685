# The two everyday commands: `make run` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: deps configure build test run bench clean

deps:
	@cmake/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	xvfb-run -a cmake/wine-session $(BUILD) ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The build stages the program folder $(BUILD)/dist; the program starts from there.
run: build
	cmake/wine-run $(BUILD) $(BUILD)/dist/variruvu.exe $(ARGS)

bench: build
	xvfb-run -a cmake/wine-session $(BUILD) tests/engine/bench $(BUILD)

clean:
	rm -rf $(BUILD)
