# Front door: `make run` and `make test` are the whole set-up on a fresh Debian machine.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test bench verify clean

all: build

deps:
	./scripts/install-deps

# Optimised as the benchmarks are measured, without debug information: it takes a fifth or more of
# the compile and link time and is not needed to run or test (configure a folder of your own with
# -g for the debugger or callgrind).
$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
	  -DTRB_BUILD_BENCH=OFF

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./scripts/run-trb $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

# The benchmarks are built only when asked for, so that running and testing do not wait for them.
bench: build
	cmake -S . -B $(BUILD) -DTRB_BUILD_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS) --target run_benchmarks

# The verification report $(BUILD)/verification.pdf: the benchmarks in a short run on this machine,
# then every comparison of the program with its published references (trb /VERIFY, which fails when
# one falls outside its tolerance). Installed as documentation when it exists.
verify: build
	cmake -S . -B $(BUILD) -DTRB_BUILD_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS) --target verification_report

# The Debian package trb_<version>_<arch>.deb in the build folder.
.PHONY: package
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
