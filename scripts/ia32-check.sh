# Sourced by the scripts: Wine runs 32-bit Windows programs only where the kernel runs 32-bit
# x86 code. ia32_runs runs a 93-byte i386 Linux program that only exits and says whether it
# ran natively; require_ia32 stops the calling script with one line when it did not. A kernel
# whose binfmt_misc hands i386 programs to qemu-i386 runs them in user-mode emulation, far too
# slowly for Wine to start its programs within the tests' waits: that counts as not running them.
ia32_runs() {
  local folder probe entry
  for entry in /proc/sys/fs/binfmt_misc/*; do
    [ -f "$entry" ] && grep -q '^interpreter .*qemu-i386' "$entry" 2>/dev/null &&
      grep -qx enabled "$entry" 2>/dev/null && return 1
  done
  folder="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build"
  mkdir -p "$folder"
  probe="$folder/.ia32_probe"
  # ELF header, one loadable segment at 0x08048000, then: xor ebx,ebx; mov eax,1; int 0x80.
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\x31\xdb\xb8\x01\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  local ran=0
  "$probe" 2>/dev/null || ran=1
  rm -f "$probe"
  return $ran
}

# use_runnable_build: TOVI_BUILD names the build this machine can run: build/ (the product)
# where the kernel runs 32-bit code, else build64/ (the 64-bit twin), said in one line.
use_runnable_build() {
  local top
  top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  if ia32_runs; then
    export TOVI_BUILD="$top/build"
  else
    export TOVI_BUILD="$top/build64"
    echo "This machine's kernel runs no 32-bit x86 code: running the 64-bit twin (build64/, 64-bit Wine) of the 32-bit binaries in build/." >&2
  fi
}

require_ia32() {
  if ! ia32_runs; then
    echo "This machine's kernel cannot run 32-bit x86 programs (IA-32 emulation is off or missing), so Wine cannot run the 32-bit Windows programs that are built and tested here: enable IA-32 emulation (for example boot with ia32_emulation=1) or use another machine." >&2
    exit 1
  fi
}
