# The project's commands. Each installs what is missing first.
#   make run [ARGS="dice rolls"]   build and start Zobrin
#   make test                      build and run every test, then again with the sanitizers
#   make bench                     build optimised and run the benchmarks
#   make package                   build the Debian package zobrin_<version>_<arch>.deb in
#                                  build-package/, check it with lintian and unpack-test it
#   make screenshots               photograph the program for the README (docs/*.png)
#   make fuzz [FUZZ_SECONDS=900]   fuzz the settings document loader (needs clang) from the
#                                  hand-written fuzz/seeds and the kept fuzz/corpus; new inputs go
#                                  to build-fuzz/settingsLoaderFuzzer-corpus, crashers to
#                                  fuzz/crashers
#   make fuzz-merge                fold the new inputs into fuzz/corpus, minimised to the inputs
#                                  that reach new code (hit counts ignored, so it stays small)
#   make fuzz-text, fuzz-text-merge  the same for the kept settings file's text (fuzz/settingsText,
#                                  build-fuzz/settingsTextFuzzer-corpus)
#   make windows                   cross-build Zobrin for 64-bit Windows: build-windows/zobrin.exe and
#                                  its installer build-windows/Zobrin-<version>-setup.exe (the
#                                  libraries are built once and kept in ~/.cache/zobrin-windows)
#   make windows-test              run that build under wine64 beside the Linux program
#   make format                    lay the sources out as .clang-format says (make test checks it)
#   make clean                     remove the build folders

JOBS   ?= $(shell nproc)
ARGS   ?=
BUILD  := build
SAN    := build-sanitize
BENCH  := build-bench
FUZZ   := build-fuzz
PACKAGE := build-package
WINDOWS := build-windows
VERSION := $(shell sed -n 's/^project.Zobrin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
FUZZ_SECONDS ?= 60
HEADLESS := scripts/run-headless

# LeakSanitizer reports the GUI libraries' own allocations at exit; they are suppressed by library,
# so leaks in our own code still show.
SAN_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
           LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
           UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

SOURCES = $(shell find app bench common fuzz graph grid tests -name '*.cpp' -o -name '*.h')

.PHONY: format format-check run test bench package windows windows-test screenshots fuzz fuzz-merge fuzz-text fuzz-text-merge fuzz-build clean deps test-deps

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

# The sources' layout is the one .clang-format describes; make test fails when a file drifts.
format-check: test-deps
	@echo "clang-format: checking the layout of $(words $(SOURCES)) sources"
	@clang-format --dry-run --Werror $(SOURCES)

format: test-deps
	clang-format -i $(SOURCES)

run: deps
	cmake -S . -B $(BUILD) -DZOBRIN_TESTS=OFF >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target zobrin
	./$(BUILD)/app/zobrin $(ARGS)

test: format-check
	cmake -S . -B $(BUILD) -DZOBRIN_TESTS=ON >/dev/null
	cmake --build $(BUILD) -j$(JOBS)
	$(HEADLESS) ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	cmake -S . -B $(SAN) -DZOBRIN_TESTS=ON -DZOBRIN_SANITIZE=ON >/dev/null
	cmake --build $(SAN) -j$(JOBS)
	$(SAN_ENV) $(HEADLESS) ctest --test-dir $(SAN) --output-on-failure -j$(JOBS)

bench: test-deps
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DZOBRIN_TESTS=OFF -DZOBRIN_BENCH=ON >/dev/null
	cmake --build $(BENCH) -j$(JOBS)
	$(HEADLESS) $(MAKE) --no-print-directory -C $(BENCH)/bench run-benchmarks

# Built with Debian's hardening flags, as Debian builds its own packages.
package: deps
	@scripts/install-deps --package
	rm -f $(PACKAGE)/zobrin_*.deb
	eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"; \
	cmake -S . -B $(PACKAGE) -DCMAKE_BUILD_TYPE=Release -DZOBRIN_TESTS=OFF \
	  -DCMAKE_CXX_FLAGS="$$CXXFLAGS $$CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$$LDFLAGS" >/dev/null
	cmake --build $(PACKAGE) -j$(JOBS)
	cd $(PACKAGE) && cpack
	tests/install/check-lintian $(PACKAGE)/zobrin_$(VERSION)_*.deb
	tests/install/check-package $(PACKAGE) $(VERSION) $(PACKAGE)/zobrin_$(VERSION)_*.deb

windows: deps
	@scripts/install-deps --windows
	JOBS=$(JOBS) windows/build $(WINDOWS)

# Under wine64 (on Xvfb when there is no display), set against the Linux program.
windows-test: windows
	test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DZOBRIN_TESTS=OFF >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target zobrin
	$(HEADLESS) windows/test $(WINDOWS) $(BUILD)/app/zobrin

screenshots: test-deps
	@scripts/install-deps --screenshots
	cmake -S . -B $(BUILD) -DZOBRIN_TESTS=ON >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target screenshot_tour zobrin
	$(HEADLESS) ./$(BUILD)/tests/screenshot_tour docs
	tests/app/window/under-window-manager 1280x720 ./$(BUILD)/tests/screenshot_tour docs projector
	./$(BUILD)/app/zobrin 2 3000 --seed 7 --save $(BUILD)/report.pdf
	pdftoppm -r 64 -png -singlefile $(BUILD)/report.pdf docs/report

fuzz-build:
	@scripts/install-deps --fuzz
	CXX=clang++ cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOBRIN_TESTS=OFF -DZOBRIN_FUZZ=ON >/dev/null
	cmake --build $(FUZZ) -j$(JOBS) --target settingsLoaderFuzzer settingsTextFuzzer

# $(call run-fuzzer,FUZZER,FOLDER,DICTIONARY): fuzz from FOLDER/seeds and FOLDER/corpus, new inputs to
# build-fuzz/FUZZER-corpus, crashers to FOLDER/crashers. $(call merge-corpus,FUZZER,FOLDER): fold the
# new inputs into FOLDER/corpus.
run-fuzzer = mkdir -p $(FUZZ)/$(1)-corpus $(2)/corpus $(2)/crashers && \
	$(FUZZ)/fuzz/$(1) -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 -timeout=10 -max_len=65536 \
	  -dict=$(3) -artifact_prefix=$(2)/crashers/ $(FUZZ)/$(1)-corpus $(2)/corpus $(2)/seeds
merge-corpus = rm -rf $(FUZZ)/merged && mkdir -p $(FUZZ)/merged $(FUZZ)/$(1)-corpus $(2)/corpus && \
	$(FUZZ)/fuzz/$(1) -merge=1 -use_counters=0 $(FUZZ)/merged $(2)/corpus $(FUZZ)/$(1)-corpus && \
	rm -rf $(2)/corpus && mv $(FUZZ)/merged $(2)/corpus

fuzz: fuzz-build
	$(call run-fuzzer,settingsLoaderFuzzer,fuzz,fuzz/settings.dict)

fuzz-merge: fuzz-build
	$(call merge-corpus,settingsLoaderFuzzer,fuzz)

fuzz-text: fuzz-build
	$(call run-fuzzer,settingsTextFuzzer,fuzz/settingsText,fuzz/settingsText.dict)

fuzz-text-merge: fuzz-build
	$(call merge-corpus,settingsTextFuzzer,fuzz/settingsText)

clean:
	rm -rf $(BUILD) $(SAN) $(BENCH) $(FUZZ) $(PACKAGE) $(WINDOWS)
