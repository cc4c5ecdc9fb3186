# The two commands a new user needs: `make run` and `make test`.
BUILD      ?= build
BUILD_SAN  ?= build-san
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc)
XVFB       := xvfb-run -a -s "-screen 0 1600x1200x24"
FUZZ_SECONDS ?= 60
# The longest document: room, 255 furnishings of the longest record, 8 lights.
FUZZ_MAX_LEN ?= 25336
PREFIX     ?= /usr/local
DESTDIR    ?=

.PHONY: all deps configure build run test test-san screenshots bench fuzz textures install install-nobuild uninstall clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The editor reads its textures from the working folder: start it there.
run: build
	cd resources && ../$(BUILD)/lavedo

test: build test-san
	cd $(BUILD) && $(XVFB) ctest --output-on-failure

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
# Leaks are checked where the code is all ours (model, format, loader); the
# window toolkit and the GL driver keep caches to the end of the process.
test-san: deps
	@cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DLAVEDO_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_SAN) -j $(JOBS) --target lavedo_test_model lavedo_test_gui \
		lavedo_test_avvio
	cd resources && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		../$(BUILD_SAN)/lavedo_test_model
	cd resources && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		$(XVFB) ../$(BUILD_SAN)/lavedo_test_gui
	cd resources && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
		$(XVFB) ../$(BUILD_SAN)/lavedo_test_avvio

screenshots: build
	@cmake --build $(BUILD) -j $(JOBS) --target lavedo_test_gui
	mkdir -p $(BUILD)/screenshots
	cd resources && LAVEDO_SCREENSHOTS=../$(BUILD)/screenshots $(XVFB) \
		../$(BUILD)/lavedo_test_gui --gtest_filter='Screenshots.*'
	@ls -1 $(BUILD)/screenshots

bench: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAVEDO_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@for b in $(BUILD)/bench_*; do echo "== $$b"; (cd resources && $(XVFB) ../$$b) || exit 1; done

# Each target in turn for FUZZ_SECONDS, from its committed seeds; what
# libFuzzer finds stays in build-fuzz, so the committed corpora stay small.
fuzz: deps
	@CXX=clang++-14 cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DLAVEDO_FUZZ=ON -DLAVEDO_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz_caricamento fuzz_appunti fuzz_recupero
	@set -e; for t in caricamento:corpus:$(FUZZ_MAX_LEN) appunti:corpus-appunti:256 \
		recupero:corpus-recupero:4096; do \
		nome=$${t%%:*}; resto=$${t#*:}; seme=$${resto%%:*}; lungo=$${resto#*:}; \
		mkdir -p $(BUILD_FUZZ)/$$seme; cp fuzz/$$seme/* $(BUILD_FUZZ)/$$seme/ 2>/dev/null || true; \
		echo "== fuzz_$$nome ($(FUZZ_SECONDS) s)"; \
		$(BUILD_FUZZ)/fuzz_$$nome -max_total_time=$(FUZZ_SECONDS) -max_len=$$lungo \
			-artifact_prefix=$(BUILD_FUZZ)/$$nome- $(BUILD_FUZZ)/$$seme; \
	done

# The program, its data folder, launcher, icon and MIME type under PREFIX
# (inside DESTDIR when staging a package).
install: build
	@$(MAKE) --no-print-directory install-nobuild

# The same from what $(BUILD) already holds (the install test uses it).
install-nobuild:
	DESTDIR="$(DESTDIR)" cmake --install "$(BUILD)" --prefix "$(PREFIX)"

uninstall:
	cmake -D PREFIX="$(PREFIX)" -D DESTDIR="$(DESTDIR)" -P cmake/Disinstalla.cmake

textures: build
	$(BUILD)/resources/textures/genera_texture resources

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
