# The two commands of the README: `make run` and `make test`.
BUILD ?= build
BUILD_SAN ?= build-san
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOR_WERROR=ON

.PHONY: run test setup build build-san test-plain test-san clean

setup:
	@scripts/instalar-dependencias.sh

build: setup
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/executar.sh $(BUILD)

test-plain: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

build-san: setup
	@cmake -S . -B $(BUILD_SAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMOR_WERROR=ON -DVELMOR_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_SAN) -j $(JOBS)

test-san: build-san
	@cd $(BUILD_SAN) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 600

# Every test, then every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: test-plain test-san

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
