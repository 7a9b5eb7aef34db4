# SPDX-License-Identifier: GPL-3.0-or-later
# A thin wrapper over CMake. Each target first installs what it needs
# (scripts/install-deps run|deb|test|fuzz), configures its build folder and
# builds what it needs there. run, test, bench and screenshots share build/,
# configured alike, so that one builds on what another has built.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

FUZZ_SECONDS ?= 300
FUZZ_TARGETS := read_number format_result convert_entry written_length

# $(call setup,PURPOSE[,OPTIONS]): the packages for PURPOSE, then build/
# configured (with OPTIONS, which its cache then keeps).
define setup
@scripts/install-deps $(1)
@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) $(2) >/dev/null
endef

.PHONY: all build run test bench screenshots deb fuzz test-sanitize unit-words clean

all: build

# Everything: the program and its tests (and the benchmarks, once make bench
# has asked for them in build/).
build:
	$(call setup,test)
	@cmake --build $(BUILD) -j $(JOBS)

# Only the program; a display is checked for before anything is installed.
run:
	@scripts/run-zelvar --display-check
	$(call setup,run)
	@cmake --build $(BUILD) -j $(JOBS) --target zelvar
	@scripts/run-zelvar $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Everything, the benchmarks too, then one table of their medians.
bench:
	$(call setup,test,-DZELVAR_BENCHMARKS=ON)
	@cmake --build $(BUILD) -j $(JOBS)
	@scripts/bench-report $(BUILD)

# The splash and the main window after a sample conversion, rendered
# offscreen from the real forms into docs/.
screenshots:
	$(call setup,run)
	@cmake --build $(BUILD) -j $(JOBS) --target zelvar_screenshots
	@QT_QPA_PLATFORM=offscreen $(BUILD)/app/zelvar_screenshots docs

# The Debian package of the program, built with Debian's hardened flags in
# build-deb/ (scripts/make-deb, cmake/packaging.cmake).
deb:
	@scripts/install-deps deb
	@JOBS=$(JOBS) scripts/make-deb build-deb

# Each engine fuzz target for FUZZ_SECONDS, from the seeds in tests/fuzz/corpus;
# what the fuzzer finds stays in build-fuzz/corpus.
fuzz:
	@scripts/install-deps fuzz
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZELVAR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@set -e; for t in $(FUZZ_TARGETS); do \
	    mkdir -p build-fuzz/corpus/$$t; \
	    echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
	    build-fuzz/tests/fuzz/fuzz_$$t build-fuzz/corpus/$$t tests/fuzz/corpus/$$t \
	        -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -close_fd_mask=1 2>build-fuzz/$$t.log \
	        || { tail -n 40 build-fuzz/$$t.log; exit 1; }; \
	    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" build-fuzz/$$t.log; \
	done

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# intercept_tls_get_addr=0: GCC 12's sanitizer runtime takes some blocks of
# dynamic thread-local storage for an old glibc's header and reads past them;
# LeakSanitizer's stop-the-world thread then crashes at exit now and then
# ("Tracer caught signal 11"), with no leak to report.
test-sanitize:
	@scripts/install-deps test
	@cmake -S . -B build-sanitize -G Ninja -DZELVAR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	    ctest --output-on-failure -j $(JOBS)

# engine/unit_vocabulary_data.cpp written again from the installed ICU's CLDR
# data and engine/unit_words_overlay.txt (scripts/unit_words/); commit it.
unit-words:
	$(call setup,test)
	@cmake --build $(BUILD) --target unit-words

clean:
	@rm -rf $(BUILD) build-deb build-fuzz build-sanitize
