# Set-up, build and test entry points. Run as root on a fresh machine:
#   make run   installs what is missing, builds, starts the program
#   make test  installs what is missing, builds, runs every test

BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev qt6-base-dev \
            fonts-liberation2 poppler-utils clang libclang-rt-14-dev

.PHONY: deps build test golden run fuzz bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Rewrites the golden files from the current output; review the diff like code.
golden: build
	cd $(BUILD) && CODELUME_UPDATE_GOLDEN=1 ctest -j $(JOBS)

run: build
	@./scripts/run.sh $(BUILD)

fuzz: deps
	cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCODELUME_FUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target codelume_fuzzers

bench: build
	@for b in $(BUILD)/bench/*/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz
