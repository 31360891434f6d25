# The commands of the README. Each installs what is missing, configures,
# builds and runs (or packs).
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= 2
FUZZ_BUILD ?= build-fuzz
# make fuzz: seconds per harness, and where new finds and crashes go (never
# into the seed corpora of the tree).
FUZZ_SECONDS ?= 60
FUZZ_SCRATCH ?= /tmp/velmora-fuzz
FUZZERS = $(notdir $(wildcard tests/fuzz/corpus/Fuzz*))

.PHONY: all deps build build-asan build-fuzz package test fuzz demo clean

all: build

deps:
	@sh scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DVELMORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DVELMORA_FUZZ=ON

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j$(JOBS)

build-fuzz: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

# The Debian package, in $(BUILD)/ (see README: Installing from the package).
package: build
	cd $(BUILD) && cpack -G DEB

test: build build-asan build-fuzz package
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j$(JOBS)
	sh scripts/check-package.sh $(BUILD)

fuzz: build-fuzz
	@for h in $(FUZZERS); do \
		mkdir -p $(FUZZ_SCRATCH)/$$h || exit 1; \
		echo "== $$h: $(FUZZ_SECONDS) s, new inputs in $(FUZZ_SCRATCH)/$$h"; \
		$(FUZZ_BUILD)/tests/fuzz/$$h -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_SCRATCH)/$$h- $(FUZZ_SCRATCH)/$$h tests/fuzz/corpus/$$h || exit 1; \
	done

demo: build
	sh scripts/demo.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
