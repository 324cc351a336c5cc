# Sourced by the scripts: Wine runs 32-bit Windows programs only where the machine runs 32-bit
# x86 code. require_ia32 runs a 93-byte i386 Linux program that only exits. A kernel without
# IA-32 emulation refuses it; the kernel's binfmt_misc can then hand i386 programs to
# qemu-i386 (Debian's qemu-user-static), which runs them in user-mode emulation, slower but
# unchanged. When neither works the calling script stops with one line that says so.
ia32_probe_runs() {
  local folder probe
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
  local ok=0
  "$probe" 2>/dev/null || ok=1
  rm -f "$probe"
  return $ok
}

# Registers qemu-i386 for i386 ELF programs (F: the interpreter is opened now, so it serves
# every mount namespace and chroot). Quiet; fails when any step cannot be taken.
ia32_register_qemu() {
  local binfmt=/proc/sys/fs/binfmt_misc
  if [ ! -x /usr/bin/qemu-i386-static ]; then
    command -v apt-get >/dev/null 2>&1 || return 1
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-user-static \
      >/dev/null 2>&1 || { apt-get update -qq >/dev/null 2>&1 &&
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-user-static \
      >/dev/null 2>&1; } || return 1
  fi
  [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" >/dev/null 2>&1 || return 1
  [ -e "$binfmt/qemu-i386" ] && return 0
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    >"$binfmt/register" 2>/dev/null
}

require_ia32() {
  ia32_probe_runs && return 0
  if ia32_register_qemu && ia32_probe_runs; then
    [ -n "${TOVI_IA32_SAID:-}" ] ||
      echo "This kernel does not run 32-bit x86 code itself: 32-bit programs (Wine) run through qemu-i386 user-mode emulation, more slowly." >&2
    export TOVI_IA32_SAID=1
    return 0
  fi
  echo "This machine's kernel cannot run 32-bit x86 programs (IA-32 emulation is off or missing, and qemu-i386 could not be registered with binfmt_misc), so Wine cannot run the 32-bit Windows programs that are built and tested here: enable IA-32 emulation (for example boot with ia32_emulation=1) or use another machine." >&2
  exit 1
}
