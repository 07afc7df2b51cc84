# Thin wrapper over CMake: `make run` builds the two programs (the editor and the analysis runner,
# nothing else) and starts the editor in ./run, `make test` builds everything and runs every test
# through CTest, `make example` runs the analysis on the tanker example in ./run/example and lists
# the reports it wrote.
#
# One build folder serves them all. `make run` and `make example` configure it for the programs alone
# (QV_TESTS off), so that they need neither GoogleTest nor Google Benchmark; `make build` and `make
# test` turn the tests on in the same folder and keep the libraries already built.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all build programs run test example clean

all: build

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DQV_TESTS=OFF $(CMAKE_FLAGS)

build:
	@grep -qsx 'QV_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt && [ -f $(BUILD)/build.ninja ] || \
	  cmake -S . -B $(BUILD) -G Ninja -DQV_TESTS=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

programs: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quorvel quorvel-run

run: programs
	mkdir -p run
	cd run && ../$(BUILD)/quorvel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

example: programs
	@rm -rf run/example && mkdir -p run/example && cp examples/tanker-yoke/SALMDAT run/example/
	@cd run/example && status=0 && "$(abspath $(BUILD))/quorvel-run" || status=$$?; \
	  echo "quorvel-run ended with status $$status; the files of run/example:"; \
	  ls -l; exit $$status

clean:
	rm -rf $(BUILD)
