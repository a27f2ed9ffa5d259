# make run   installs what is missing, builds (Release) and starts the game.
# make test  installs what is missing, builds and runs every test, then a short
#            fuzzing run; it starts its own Xvfb when there is no display.
# make bench runs the benchmarks (frame time, start-up time, memory).

JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
BUILD      ?= build
TEST_BUILD ?= build-test
ASAN       ?= ON

.PHONY: run test bench deps build clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/pintabo

test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINTABO_ASAN=$(ASAN)
	cmake --build $(TEST_BUILD) -j$(JOBS)
	bash scripts/with-display.sh ctest --test-dir $(TEST_BUILD) --output-on-failure
	bash scripts/fuzz-smoke.sh

bench: build
	bash scripts/with-display.sh ./$(BUILD)/bench/frame_bench

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-fuzz
