# The commands a newcomer needs; each installs what is missing first.
.PHONY: test run bench build clean

test:
	bash scripts/test

run:
	bash scripts/run $(ARGS)

bench:
	bash scripts/bench

build:
	bash scripts/setup
	bash scripts/build

clean:
	rm -rf build
