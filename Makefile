# make run   installs what is missing, builds (Release) and starts the game.
# make test  installs what is missing, builds and runs every test, checks the
#            desktop entry and the metainfo, then a short fuzzing run; each
#            test that needs a display starts an Xvfb of its own.
# make package builds the Debian packages pintabo and pintabo-data into
#            dist/ and checks them with lintian.
# make bench runs the benchmarks: the empty frame loop, then the game itself
#            on its own Xvfb at 1280x720 and 1920x1080 (frame times, start-up
#            time, memory).

JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
BUILD      ?= build
TEST_BUILD ?= build-test
ASAN       ?= ON

.PHONY: run test bench package deps build clean

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
	ctest --test-dir $(TEST_BUILD) --output-on-failure -j$(JOBS)
	bash scripts/validate-packaging.sh
	bash scripts/fuzz-smoke.sh

package: deps
	bash scripts/build-package.sh $(JOBS)

bench: build
	bash scripts/with-display.sh ./$(BUILD)/bench/frame_bench
	bash bench/run-game-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-fuzz dist
