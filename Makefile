# SPDX-FileCopyrightText: 2026 L'équipe Sidranes
# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands: `make run` and `make test`. Both install what is missing first.
BUILD := build
JOBS ?= $(shell nproc)

.PHONY: run test test-asan deps build bench fuzz fautes images package verifie-windows clean distclean

# Only the program and its data file: the tests and benchmarks wait for `make test`.
run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target sidranes -j $(JOBS)
	./$(BUILD)/sidranes

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake --preset asan >/dev/null
	cmake --build build-asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

deps:
	@sh scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake --preset default

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# `make bench LONG=1` runs the window for 10 minutes instead of 60 s.
bench: build
	sh bench/run-all $(if $(LONG),--long)

fuzz:
	@sh scripts/install-deps clang libclang-rt-14-dev
	sh scripts/fuzz $(or $(SECONDS),120)

# Plants each fault of tests/fautes.tsv in a scratch copy, runs the suite and says which
# tests catch it: minutes, not seconds, hence not part of `make test`. FAUTES="3 7-9" for some.
fautes: deps
	python3 scripts/fautes $(FAUTES)

# A Debian package that installs the program in the desktop's menu, checked by lintian.
# Only the program is built for it. The same sources give the same bytes from any
# folder: the time stamps inside are SOURCE_DATE_EPOCH, the last commit's by default.
package: deps $(BUILD)/build.ninja
	@sh scripts/install-deps lintian
	cmake --build $(BUILD) --target sidranes -j $(JOBS)
	rm -f $(BUILD)/sidranes_*.deb
	cd $(BUILD) && SOURCE_DATE_EPOCH=$${SOURCE_DATE_EPOCH:-$$(git log -1 --format=%ct 2>/dev/null || date +%s)} cpack
	lintian --pedantic --fail-on error,warning $(BUILD)/sidranes_*.deb

# Every source of the program compiled for Windows, syntax only (Debian has no Qt for
# Windows to link against): the Windows branches cannot rot unseen.
verifie-windows:
	sh scripts/verifie-windows

# Draws the pictures under src/ui/assets again.
images: deps
	sh scripts/dessine-images

# The fuzzer's corpus and findings are kept: the corpus grows from run to run, and a
# finding is a file that made the program fail.
clean:
	rm -rf $(BUILD) build-*
	@for d in fuzz-corpus fuzz-findings; do [ ! -d $$d ] || echo "$$d/ kept: make distclean removes it"; done

distclean: clean
	rm -rf fuzz-corpus fuzz-findings
