# Sourced by the root scripts and the benchmarks: which architecture the Windows programs run as here.
# i686 where this machine runs the 32-bit Wine loader; x86_64 under 64-bit Wine where the kernel
# refuses 32-bit programs ("Exec format error"), which no package can mend. KEST_ARCH=x86_64 forces
# the 64-bit path on a machine that runs both.
kest_arch() {
  case "${KEST_ARCH:-}" in
    i686 | x86_64) echo "$KEST_ARCH" ;;
    "") if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi ;;
    *) echo "KEST_ARCH must be i686 or x86_64, not '$KEST_ARCH'" >&2; return 1 ;;
  esac
}

# The build folder of an architecture: the shipped i686 programs are always in build/.
kest_build_dir() { if [ "$1" = i686 ]; then echo build; else echo "build-$1"; fi; }

# How a run says which programs it ran, e.g. "tests ran as i686 under Wine".
kest_wine_name() { if [ "$1" = i686 ]; then echo "Wine"; else echo "64-bit Wine"; fi; }
