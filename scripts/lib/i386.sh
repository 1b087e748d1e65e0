# How this machine runs i386 (32-bit x86) programs, and the user-mode
# emulator for machines whose kernel cannot run them. Sourced by scripts/test.
#
# Some machines of this kind have no IA-32 execution at all ("Exec format
# error" for any i386 program). There, Debian's qemu-i386-static, registered
# through binfmt_misc for i386 ELF programs, runs every i386 program the
# tests start, the Java launcher and VM included. Wine is not usable there:
# it needs the real thing.

i386_entry=/proc/sys/fs/binfmt_misc/brivel-i386
i386_probe_dir=""

# The emulated CPU: the i386 Java VM needs SSE2, and its start-up check of the
# AVX state saved across signals crashes under the emulator, so a model with
# SSE4.2 and no AVX; without syscall and lm, which the emulator cannot give a
# 32-bit guest (it would warn on every start).
i386_qemu_cpu="Nehalem,-syscall,-lm"

# Prints how an i386 program runs here: native, emulated or none.
i386_probe() {
  if [[ -z "$i386_probe_dir" ]]; then
    i386_probe_dir=$(mktemp -d)
    printf '%s\n' '#include <stdio.h>' '#include <sys/utsname.h>' \
      'int main(void) { struct utsname u; if (uname(&u)) return 1; puts(u.machine); return 0; }' |
      gcc -m32 -x c - -o "$i386_probe_dir/probe" || { echo none; return; }
  fi
  local machine
  machine=$("$i386_probe_dir/probe" 2>/dev/null) || { echo none; return; }
  # The emulator reports the guest's machine (i686); a native 32-bit program
  # on this kernel reports the kernel's own.
  if [[ "$machine" == "$(uname -m)" ]]; then echo native; else echo emulated; fi
}

i386_binfmt_mounted() {
  [[ -e /proc/sys/fs/binfmt_misc/register ]] ||
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null
}

# Registers the emulator for i386 ELF programs (executables and shared
# objects alike: the loader of a dynamic program is one). The registration
# acts on the whole machine until it is removed or the machine restarts.
i386_register_emulator() {
  local qemu=/usr/bin/qemu-i386-static
  [[ -x $qemu ]] || { echo "no $qemu: run scripts/setup" >&2; return 1; }
  i386_binfmt_mounted || { echo "cannot mount binfmt_misc (root needed)" >&2; return 1; }
  [[ -e $i386_entry ]] && echo -1 >"$i386_entry"
  # ELF, 32-bit, little-endian, version 1, executable or shared object, 80386.
  # F: the emulator is opened now, so it serves every mount namespace.
  # P: the program keeps its own argv[0].
  printf '%s' ":brivel-i386:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$qemu:PF" \
    >/proc/sys/fs/binfmt_misc/register
}

i386_remove_emulator() {
  [[ -e $i386_entry ]] && echo -1 >"$i386_entry"
  return 0
}

# Our registration left behind by an emulated run that did not end cleanly
# would make a native machine look emulated: take it away and look again.
i386_forget_stale_registration() {
  [[ -w $i386_entry ]] || return 0  # absent, or not ours to change (a user's run)
  echo 0 >"$i386_entry"
  if [[ $(i386_probe) == native ]]; then
    i386_remove_emulator
  else
    echo 1 >"$i386_entry"
  fi
}

# What every i386 process of the tests needs when it runs emulated: the CPU
# model above, and the Java VM interpreted (compiled Java code meets faults
# of the emulator's signal delivery: the VM's own consistency checks abort
# it now and then; interpreted it runs steadily, and faster there).
i386_emulated_environment() {
  export QEMU_CPU=$i386_qemu_cpu
  export JAVA_TOOL_OPTIONS="-Xint${JAVA_TOOL_OPTIONS:+ $JAVA_TOOL_OPTIONS}"
}

# Whether AddressSanitizer works for i386 programs here: a probe built with
# it must report the heap overflow it makes. (Under the emulator the
# sanitizer's fixed shadow mapping may not be had; the probe decides.) What
# went wrong stays in i386_asan_report.
i386_asan_report=""
i386_asan_works() {
  [[ -n "$i386_probe_dir" ]] || i386_probe_dir=$(mktemp -d)
  if ! i386_asan_report=$(printf '%s\n' '#include <stdlib.h>' \
      'int main(void) { volatile char* p = malloc(4); return p[4]; }' |
      gcc -m32 -fsanitize=address -x c - -o "$i386_probe_dir/asan-probe" 2>&1); then
    i386_asan_report="the probe does not build (gcc -m32 -fsanitize=address): $i386_asan_report"
    return 1
  fi
  i386_asan_report=$(ASAN_OPTIONS=detect_leaks=0 "$i386_probe_dir/asan-probe" 2>&1)
  if [[ $i386_asan_report != *heap-buffer-overflow* ]]; then
    i386_asan_report="the probe's heap overflow went unreported: $i386_asan_report"
    return 1
  fi
}

i386_cleanup() {
  [[ -n "$i386_probe_dir" ]] && rm -rf "$i386_probe_dir"
  return 0
}
