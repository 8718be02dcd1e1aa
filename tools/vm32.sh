#!/usr/bin/env bash
# A small Debian 12 virtual machine with 32-bit Wine, for kernels that cannot
# run 32-bit programs themselves. It boots Debian's own kernel, which can,
# under qemu's software emulation (no KVM needed).
#
#   tools/vm32.sh image          builds the machine, unless the one in the
#                                build folder was built by this very script
#   tools/vm32.sh run COMMAND..  runs a shell command in it as root, from the
#                                top of the checkout, with its output here,
#                                and exits with its exit status
#
# The checkout and the build folder are shared with the machine at the same
# paths, so the programs built here run there unchanged. Everything comes
# from Debian's packages. TAVIMO_VM_TIME_LIMIT (seconds, default 1800) bounds
# a run: a guest still going then is killed and the run fails.
set -uo pipefail
source "$(dirname "$0")/lib.sh"

VM=$BUILD/vm32

fail() { say "virtual machine: $*"; exit 1; }

# The Debian mirror apt on this machine uses; the machine's root comes from
# there too.
debian_mirror() {
  local mirror
  mirror=$(grep -hsE '^\s*URIs:' /etc/apt/sources.list.d/*.sources | awk '{print $2}' |
    grep -E '/debian/?$' | head -n 1)
  [ -n "$mirror" ] || mirror=$(grep -hsE '^\s*deb\s' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
    awk '{print $2}' | grep -E '/debian/?$' | head -n 1)
  echo "${mirror:-http://deb.debian.org/debian}"
}

# 32-bit Wine alone, a virtual display, the Chinese font, and chattr.
GUEST_PACKAGES=(
  linux-image-amd64 initramfs-tools kmod
  wine wine32:i386 xvfb fonts-wqy-microhei e2fsprogs
)

# PID 1 of the machine: mounts what the programs need and the shared
# folders, runs the command, leaves its exit status in the build folder and
# powers off. The kernel hands it the paths as environment variables.
write_init() {
  cat >"$1" <<'EOF'
#!/bin/bash
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
# Wine prefixes on the machine's own disk: quicker than the shared folder,
# and Linux file attributes work there.
export TAVIMO_PREFIX_ROOT=/var/lib/tavimo
# Programs run a few times slower here: the end-to-end tests wait longer.
export TAVIMO_E2E_PATIENCE=3
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /run
mount -t tmpfs tmpfs /tmp
modprobe 9pnet_virtio && modprobe 9p
share() {  # share TAG PATH
  mkdir -p "$2" && mount -t 9p -o trans=virtio,version=9p2000.L,msize=262144,cache=mmap "$1" "$2"
}
hostname vm32
stty -F /dev/ttyS1 raw -echo
# Wine maps programs into memory, and pages mapped from the shared folder
# can come back as zeros: the 32-bit build's programs run from a copy on
# this disk, put in their place.
local_copy() {  # local_copy PATH
  [ -d "$1" ] || return 0
  rm -rf /var/lib/tavimo/programs && mkdir -p /var/lib/tavimo/programs &&
    cp -a "$1/." /var/lib/tavimo/programs/ && mount --bind /var/lib/tavimo/programs "$1"
}
if share top "$tavimo_top" && share build "$tavimo_build" && local_copy "$tavimo_build/mingw-i686/bin"; then
  # Through a pipe, as on the host: Wine draws a console on a terminal.
  (cd "$tavimo_top" && bash "$tavimo_build/vm32/run/command" </dev/null 2>&1) | cat >/dev/ttyS1
  echo "${PIPESTATUS[0]}" >"$tavimo_build/vm32/run/status"
else
  echo "the shared folders could not be mounted" >/dev/ttyS1
fi
sync
echo o >/proc/sysrq-trigger
sleep 60
EOF
  chmod +x "$1"
}

# The host's /proc, /dev and /sys, lent to the root while its packages are
# installed, are given back before anything there is deleted.
release_root() {
  local folder
  for folder in proc dev sys; do
    if mountpoint -q "$VM/root/$folder"; then umount -l "$VM/root/$folder"; fi
  done
}

build_image() {
  [ "$(id -u)" -eq 0 ] || fail "building the machine needs root (debootstrap, chroot)"
  ensure_packages qemu-system-x86 debootstrap
  local root=$VM/root mirror began=$SECONDS
  mirror=$(debian_mirror)
  release_root
  rm -rf --one-file-system "$VM" && mkdir -p "$VM"
  say "building the virtual machine's Debian 12 root from $mirror"
  debootstrap --variant=minbase --arch=amd64 bookworm "$root" "$mirror" >"$VM/debootstrap.log" 2>&1 ||
    { tail -n 20 "$VM/debootstrap.log"; fail "debootstrap failed"; }
  printf 'deb %s bookworm main\ndeb %s bookworm-updates main\n' "$mirror" "$mirror" \
    >"$root/etc/apt/sources.list"
  # Only the modules the machine boots with: a small initrd, built fast. The
  # package's own list is kept out (--force-confold keeps this one).
  mkdir -p "$root/etc/initramfs-tools/conf.d"
  echo MODULES=list >"$root/etc/initramfs-tools/conf.d/tavimo"
  printf '%s\n' virtio_pci virtio_blk ext4 crc32c_generic >"$root/etc/initramfs-tools/modules"
  # A throwaway root: dpkg need not sync every file, and documentation is
  # left out.
  mkdir -p "$root/etc/dpkg/dpkg.cfg.d"
  printf '%s\n' force-unsafe-io path-exclude=/usr/share/doc/* path-exclude=/usr/share/man/* \
    path-exclude=/usr/share/info/* >"$root/etc/dpkg/dpkg.cfg.d/tavimo"
  # No service starts inside the chroot.
  cat >"$root/usr/sbin/policy-rc.d" <<<$'#!/bin/sh\nexit 101'
  chmod +x "$root/usr/sbin/policy-rc.d"
  trap release_root EXIT
  mount --bind /proc "$root/proc" && mount --bind /dev "$root/dev" && mount --bind /sys "$root/sys"
  (
    set -e
    chroot "$root" dpkg --add-architecture i386
    chroot "$root" apt-get update -q
    DEBIAN_FRONTEND=noninteractive chroot "$root" apt-get install -y -q --no-install-recommends \
      -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold "${GUEST_PACKAGES[@]}"
    chroot "$root" apt-get clean
  ) >"$VM/packages.log" 2>&1
  local status=$?
  release_root
  [ $status -eq 0 ] || { tail -n 20 "$VM/packages.log"; fail "installing the machine's packages failed"; }
  write_init "$root/sbin/tavimo-init"
  cp "$root"/boot/vmlinuz-* "$VM/vmlinuz" && cp "$root"/boot/initrd.img-* "$VM/initrd.img" ||
    fail "the machine's kernel or initrd is missing"
  truncate -s 6G "$VM/image.raw"
  mkfs.ext4 -q -F -L tavimo-vm32 -d "$root" "$VM/image.raw" || fail "mkfs.ext4 could not make the image"
  rm -rf --one-file-system "$root"
  echo "$RECIPE_HASH" >"$VM/recipe"
  say "virtual machine built in $((SECONDS - began)) s: $VM/image.raw"
}

# What the machine is made from: a change to any of it builds a new one.
RECIPE_HASH=$({ declare -p GUEST_PACKAGES; declare -f write_init build_image; } | sha256sum | cut -c1-16)

ensure_image() {
  if [ -f "$VM/image.raw" ] && [ "$(cat "$VM/recipe" 2>/dev/null)" = "$RECIPE_HASH" ]; then return 0; fi
  build_image
}

run_in_vm() {
  ensure_image
  local run=$VM/run limit=${TAVIMO_VM_TIME_LIMIT:-1800}
  case "$TOP$BUILD" in *[[:space:]]*) fail "the checkout and build paths must not hold spaces";; esac
  rm -rf "$run" && mkdir -p "$run"
  printf '%s\n' "$*" >"$run/command"
  timeout --kill-after=10 "$limit" qemu-system-x86_64 \
    -accel tcg,thread=multi -smp 2 -m 4096 -cpu qemu64 \
    -nodefaults -no-user-config -display none -no-reboot \
    -kernel "$VM/vmlinuz" -initrd "$VM/initrd.img" \
    -append "root=/dev/vda rw init=/sbin/tavimo-init console=ttyS0 quiet panic=1 tavimo_top=$TOP tavimo_build=$BUILD" \
    -drive "file=$VM/image.raw,format=raw,if=virtio,cache=unsafe" \
    -virtfs "local,path=$TOP,mount_tag=top,security_model=passthrough,id=top" \
    -virtfs "local,path=$BUILD,mount_tag=build,security_model=passthrough,id=build" \
    -serial "file:$run/console.log" -serial stdio </dev/null
  local qemu=$?
  if [ -f "$run/status" ]; then exit "$(cat "$run/status")"; fi
  [ $qemu -eq 124 ] && fail "the machine did not finish within $limit s and was killed"
  tail -n 20 "$run/console.log" >&2
  fail "the machine ended (qemu exit status $qemu) without running the command to its end"
}

case "${1:-}" in
  image) ensure_image ;;
  run) shift; [ $# -gt 0 ] || fail "run what?"; run_in_vm "$@" ;;
  *) echo "usage: $0 image | run COMMAND..." >&2; exit 2 ;;
esac
