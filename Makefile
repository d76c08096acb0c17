# make run    install what is missing, build, start the program
# make test   install what is missing, build, run every test with no display, then
#             play the real program in a virtual display (scripts/e2e), end it as a
#             logout would (scripts/e2e-logout), play the same steps in English and
#             German and compare the files (scripts/e2e-language), open every window on screens of
#             three sizes (scripts/e2e-screens), play it on a
#             headless Wayland compositor (scripts/e2e-wayland), read it through the
#             screen readers' AT-SPI bus (scripts/e2e-atspi), play it with an emulated
#             game pad (scripts/e2e-pad), let a random player
#             (scripts/monkey) loose on it for a minute with each of MONKEY_SEEDS, then build the
#             Debian package and run lintian on it
# make bench  install what is missing, build, run the benchmarks, time the start
# make install    build the program and install it under PREFIX (default ~/.local)
# make uninstall  remove what make install put under PREFIX, never the player's files
# make deb        build the Debian package build/quorvel_<version>_<arch>.deb
# make deb-check  install that package into this system, play it, run its
#                 autopkgtest on it, purge it (root)
# make deb-repro  build the package twice, in other folders, times, umasks and
#                 locales, and fail unless the two are the same to the byte

BUILD ?= build
# The random player's seeds in make test: the same every run, so CI repeats itself.
MONKEY_SEEDS ?= 11 12
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= $(HOME)/.local

DEB = $(BUILD)/quorvel_$(shell dpkg-parsechangelog -S Version)_$(shell dpkg-architecture -qDEB_HOST_ARCH).deb

.PHONY: all deps configure build program run test bench clean install uninstall deb deb-check \
	deb-repro

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the program and the files beside it: a first start need not wait for the
# test and benchmark programs.
program: configure
	@cmake --build $(BUILD) -j $(JOBS) --target Quorvel assets

run: program
	@./scripts/run $(BUILD)/bin/Quorvel

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@./scripts/e2e $(BUILD)/bin
	@./scripts/e2e-logout $(BUILD)/bin
	@./scripts/e2e-language $(BUILD)/bin
	@./scripts/e2e-screens $(BUILD)/bin
	@./scripts/e2e-wayland $(BUILD)/bin
	@./scripts/e2e-atspi $(BUILD)/bin
	@./scripts/e2e-pad $(BUILD)/bin
	@for seed in $(MONKEY_SEEDS); do ./scripts/monkey --seed $$seed --minutes 1 $(BUILD)/bin || exit 1; done
	@./scripts/e2e-install $(BUILD)
	@JOBS=$(JOBS) ./scripts/deb $(BUILD)
	@./scripts/deb-lint $(DEB)

# The package is built from a copy of the sources in BUILD/deb, with the tests and
# benchmarks left out; a package newer than every source file is kept.
deb: deps
	@JOBS=$(JOBS) ./scripts/deb $(BUILD)

deb-check: deb
	@./scripts/deb-check $(DEB)

deb-repro: deps
	@JOBS=$(JOBS) ./scripts/deb-repro $(BUILD)

# LTris, a Debian package, is the peer the program's start is measured against.
bench: build
	@./scripts/install-deps ltris
	@./scripts/bench $(BUILD)/bin

clean:
	rm -rf $(BUILD)

# cmake --install writes its manifest into the build folder, where the next install,
# into any prefix, replaces it. A copy that lists itself goes into the installed
# folder, so uninstall always removes what was installed under that very PREFIX, also
# from another checkout or after make clean. The umask is set because cmake --install
# makes its folders through it, whatever permissions it is given, and a strict one
# would shut other users out of a shared install.
APPDIR = $(abspath $(PREFIX))/lib/quorvel
MANIFEST = $(APPDIR)/install_manifest.txt

install: program
	@cmake --build $(BUILD) -j $(JOBS) --target icons
	@umask 022 && cmake --install $(BUILD) --strip --prefix $(abspath $(PREFIX)) && \
	  cp $(BUILD)/install_manifest.txt "$(MANIFEST)" && \
	  printf '\n%s\n' "$(MANIFEST)" >>"$(MANIFEST)"

# Only the files in the manifest, each under PREFIX; the folder goes only when
# nothing is left in it, so the player's options and scores kept beside the
# executable (Quorvel.cfg, Quorvel.ini) stay, and so does the folder.
uninstall:
	@test -f "$(MANIFEST)" || { echo "No install of Quorvel under $(abspath $(PREFIX)): $(MANIFEST) is missing (make install PREFIX=... writes it)" >&2; exit 1; }
	@grep -v '^$$' "$(MANIFEST)" | { status=0; while IFS= read -r file; do \
	  case "$$file" in \
	    "$(abspath $(PREFIX))"/*) if rm -f "$$file"; then echo "-- Removed: $$file"; else status=1; fi ;; \
	    *) echo "Not under $(abspath $(PREFIX)), left alone: $$file" >&2; status=1 ;; \
	  esac; \
	done; exit $$status; }
	@rmdir --ignore-fail-on-non-empty "$(APPDIR)"

# make test-asan  build and run the whole suite under AddressSanitizer, with leak
#                 checks, and UndefinedBehaviorSanitizer (build folder BUILD_ASAN)
# make soak       a million operations of seeded play per board and a thousand kills
#                 of a writing process, under the same sanitizers
# make fuzz       every libFuzzer target for FUZZ_SECONDS (default 60) each, built
#                 with clang in BUILD_FUZZ
# make monkey     the random player on the sanitizer build for MINUTES (default 30),
#                 with SEED (default a new one, printed)
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz

.PHONY: test-asan soak fuzz monkey

test-asan: deps
	@JOBS=$(JOBS) ./scripts/test-asan $(BUILD_ASAN)

soak: deps
	@JOBS=$(JOBS) ./scripts/soak $(BUILD_ASAN)

fuzz: deps
	@JOBS=$(JOBS) FUZZ_BUILD=$(BUILD_FUZZ) ./scripts/fuzz

monkey: deps
	@JOBS=$(JOBS) SEED=$(SEED) MINUTES=$(MINUTES) ./scripts/monkey-run $(BUILD_ASAN)
