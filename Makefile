# The two set-up commands of the README:
#   ./build-and-run.sh  (or make run)   install what is missing, build, and start Korvel
#   ./build-and-test.sh (or make test)  install what is missing, build, and run every test
.PHONY: run test deps build build-sanitize

JOBS ?= $(shell nproc)

deps:
	./scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build build -j $(JOBS)

build-sanitize: deps
	cmake --preset sanitize
	cmake --build build-sanitize -j $(JOBS)

run: build
	./build/bin/korvel

test: build build-sanitize
	./scripts/run-tests.sh
