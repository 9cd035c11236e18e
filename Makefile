# Two commands: `make run` and `make test`. Both install what is missing first.
BUILD := build
JOBS ?= $(shell nproc)

.PHONY: run test deps build bench fuzz screenshot clean

run: build
	./$(BUILD)/sidranes

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

deps:
	@sh scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

bench: build
	sh bench/run-all

fuzz: deps
	sh scripts/fuzz $(or $(SECONDS),120)

clean:
	rm -rf $(BUILD) build-*
