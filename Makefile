# Set-up, build and test entry points. Run as root on a fresh machine:
#   make run   installs what is missing, builds, starts the program
#   make test  installs what is missing, builds, runs the tidy checks and every
#              test (the format check among them)
#   make tidy  runs only the tidy checks, as a last look before merging
# and for installing:
#   make install [PREFIX=/usr/local] [DESTDIR=]   make uninstall
#   make package   builds codelume_VERSION_ARCH.deb here

BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake ninja-build g++ libgtest-dev libgmock-dev qt6-base-dev \
            fonts-liberation2 poppler-utils clang libclang-rt-14-dev \
            desktop-file-utils shared-mime-info man-db dpkg-dev file \
            clang-tidy clang-format
PREFIX ?= /usr/local
PACKAGE_BUILD ?= $(BUILD)-package

.PHONY: deps build tidy test golden run fuzz fuzz-run bench clean install uninstall package

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

# The checks of .clang-tidy over src/; a finding fails. It reads the build's
# compile commands and the headers that the build generates.
tidy: build
	@./scripts/tidy.sh $(BUILD) $(JOBS)

test: build tidy
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Rewrites the golden files from the current output; review the diff like code.
golden: build
	cd $(BUILD) && CODELUME_UPDATE_GOLDEN=1 ctest -j $(JOBS)

run: build
	@./scripts/run.sh $(BUILD)

fuzz: deps
	cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCODELUME_FUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target codelume_fuzzers

# Prints figures only: a benchmark that fails is named, and the rest still run.
# Runs every fuzz target in turn for FUZZ_SECONDS each (one at a time).
FUZZ_SECONDS ?= 600
fuzz-run: fuzz
	@for t in convert document formfile reader; do ./fuzz/run.sh $$t $(FUZZ_SECONDS) $(BUILD)-fuzz || exit 1; done

bench: build
	@for b in $(BUILD)/bench/*/bench_*; do \
	  if [ -x "$$b" ]; then "$$b" || echo "$$b did not finish"; fi; \
	done

# DESTDIR stages the files elsewhere (for packagers); a real install also
# refreshes the desktop's MIME database so that form files are recognised.
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)
	@if [ -z "$(DESTDIR)" ] && command -v update-mime-database >/dev/null; then \
	  update-mime-database $(PREFIX)/share/mime; \
	fi

# Removes what the last `make install` wrote.
uninstall:
	@[ -f $(BUILD)/install_manifest.txt ] || { echo "Nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD)/install_manifest.txt
	@if [ -z "$(DESTDIR)" ] && command -v update-mime-database >/dev/null; then \
	  update-mime-database $(PREFIX)/share/mime; \
	fi

# A release build without tests or benchmarks, packed as a .deb in this
# folder. -O2 as Debian builds it (GCC 12 warns falsely at -O3).
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCODELUME_TESTS=OFF -DCODELUME_BENCH=OFF
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB -B $(CURDIR)
	@rm -rf _CPack_Packages

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(PACKAGE_BUILD)
