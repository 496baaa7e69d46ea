# make run     — installs what is missing, builds the program alone, starts it
#                (or, with no display, calculates the first example in batch mode)
# make test    — installs what is missing, builds everything, runs every test
# make package — builds everything and a Debian package of the program
# make bench-smoke — every benchmark once, briefly: fails when one errs or
#                hangs, judges no time

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake make g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev libx11-dev libbenchmark-dev \
           fonts-dejavu-core fonts-liberation xvfb xauth locales desktop-file-utils appstream
# The suite runs once in the C locale and once in a Russian one.
TEST_LOCALES = C.UTF-8 ru_RU.UTF-8
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all run test deps configure program build package check-sanitize bench bench-smoke format clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi
	@if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$$'; then \
	  echo "Generating the ru_RU.UTF-8 locale"; \
	  $(SUDO) sed -i 's/^# *\(ru_RU\.UTF-8 UTF-8\)/\1/' /etc/locale.gen; \
	  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $(SUDO) tee -a /etc/locale.gen >/dev/null; \
	  $(SUDO) locale-gen; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The program alone: the tests and benchmarks wait for make test.
program: configure
	cmake --build $(BUILD_DIR) --target tarelin -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# dpkg-shlibdeps finds the packages of the libraries the program links.
package: PACKAGES += dpkg-dev
package: build
	cmake --build $(BUILD_DIR) --target package
	@ls $(BUILD_DIR)/*.deb

run: program
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD_DIR)/src/tarelin; \
	else \
	  echo "Нет дисплея: пример рассчитывается в пакетном режиме."; \
	  echo "Оконная программа запускается так: $(BUILD_DIR)/src/tarelin (нужен графический дисплей)."; \
	  $(BUILD_DIR)/src/tarelin --batch examples/benzene-toluene.json; \
	fi

test: build
	@for loc in $(TEST_LOCALES); do \
	  echo "== tests under LC_ALL=$$loc"; \
	  (cd $(BUILD_DIR) && LC_ALL=$$loc QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)) || exit 1; \
	done

check-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTARELIN_SANITIZE=ON -DTARELIN_BENCHMARKS=OFF
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && $$b; done; true

bench-smoke: build
	bench/smoke.sh $(BUILD_DIR)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) build-sanitize
