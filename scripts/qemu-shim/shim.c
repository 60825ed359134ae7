/* Preload library for 32-bit Wine running under qemu's i386 user emulation.
 *
 * 1. MAP_FIXED_NOREPLACE: some qemu versions treat it as a mere hint and return another address.
 *    Wine's address-space reservation then probes ~10^5 times (a minute per process start).
 *    Here the flag gets its kernel meaning: a different address is unmapped and EEXIST returned.
 * 2. qemu delivers SIGSEGV/SIGFPE/SIGTRAP with sigcontext trapno = -1, so Wine reports every
 *    access violation as an illegal instruction. The handlers Wine installs are wrapped and
 *    trapno/err filled in from si_code before Wine sees the signal.
 *
 * Built with: gcc -m32 -O2 -fPIC -shared -nostdlib (no libc headers needed). */

#define EXPORT __attribute__((visibility("default")))
#define SYS_write 4
#define SYS_munmap 91
#define SYS_mmap2 192
#define MAP_FIXED 0x10
#define MAP_FIXED_NOREPLACE 0x100000
#define EEXIST 17
#define EINVAL 22
#define EFAULT 14
#define SA_SIGINFO 4
#define SIGTRAP 5
#define SIGFPE 8
#define SIGSEGV 11
#define RTLD_NEXT ((void *)-1)

extern int *__errno_location(void);
extern void *dlsym(void *, const char *);
typedef void (*SignalHandler)(int, void *, void *);

/* Six-argument i386 system call; the sixth goes in %ebp, loaded inside the asm. */
static long syscall6(long n, long a, long b, long c, long d, long e, long f)
{
    long last[2] = {e, f}, *p = last, r;
    __asm__ volatile("push %%ebp\n mov 4(%%edi),%%ebp\n mov (%%edi),%%edi\n int $0x80\n pop %%ebp"
                     : "=a"(r), "+D"(p)
                     : "0"(n), "b"(a), "c"(b), "d"(c), "S"(d), "m"(last)
                     : "memory");
    return r;
}

static int is_error(long r) { return (unsigned long)r > -4096UL; }

static void *map(void *addr, unsigned long len, int prot, int flags, int fd, unsigned long long off)
{
    long r = -EINVAL;
    if (!(off & 0xfff) && (off >> 12) <= 0xffffffffULL)
        r = syscall6(SYS_mmap2, (long)addr, (long)len, prot, flags, fd, (long)(off >> 12));
    if (addr && (flags & MAP_FIXED_NOREPLACE) && !(flags & MAP_FIXED) && !is_error(r) && (void *)r != addr) {
        syscall6(SYS_munmap, r, (long)len, 0, 0, 0, 0);
        r = -EEXIST;
    }
    if (is_error(r)) {
        *__errno_location() = (int)-r;
        return (void *)-1;
    }
    return (void *)r;
}

EXPORT void *mmap(void *a, unsigned long l, int p, int f, int fd, long o) { return map(a, l, p, f, fd, (unsigned long)o); }
EXPORT void *mmap64(void *a, unsigned long l, int p, int f, int fd, long long o) { return map(a, l, p, f, fd, (unsigned long long)o); }

static SignalHandler wine_handlers[32];

/* ucontext: gregs start at byte 20; [12] is TRAPNO, [13] ERR. siginfo: [2] si_code, [3] si_addr. */
static void fill_trap_number(int sig, void *info, void *context)
{
    unsigned *gregs = (unsigned *)((char *)context + 20);
    int code = ((int *)info)[2];
    if (gregs[12] == ~0u) {
        if (sig == SIGSEGV && (code == 1 || code == 2)) {
            /* Page fault; write(-1, addr, 1) fails with EFAULT exactly when addr is unreadable,
               which tells a read fault (err 4) from a write to a read-only page (err 6). */
            gregs[12] = 14;
            gregs[13] = syscall6(SYS_write, -1, ((long *)info)[3], 1, 0, 0, 0) == -EFAULT ? 4 : 6;
        } else if (sig == SIGSEGV) {
            gregs[12] = 13;
            gregs[13] = 0;
        } else if (sig == SIGFPE) {
            gregs[12] = code == 1 ? 0 : code == 2 ? 4 : 16;
        } else if (sig == SIGTRAP) {
            gregs[12] = code == 2 ? 1 : 3;
        }
    }
    wine_handlers[sig](sig, info, context);
}

/* i386 struct sigaction: handler at byte 0, flags at word 33, 140 bytes in all. */
EXPORT int sigaction(int sig, const void *act, void *old)
{
    static int (*real_sigaction)(int, const void *, void *);
    unsigned char copy[140];
    SignalHandler previous = sig > 0 && sig < 32 ? wine_handlers[sig] : 0;
    int r;
    if (!real_sigaction)
        real_sigaction = (int (*)(int, const void *, void *))dlsym(RTLD_NEXT, "sigaction");
    if (act && (sig == SIGTRAP || sig == SIGFPE || sig == SIGSEGV) && (((const int *)act)[33] & SA_SIGINFO) &&
        *(const unsigned long *)act > 1) {
        __builtin_memcpy(copy, act, sizeof copy);
        wine_handlers[sig] = *(const SignalHandler *)act;
        *(SignalHandler *)copy = fill_trap_number;
        act = copy;
    } else if (act && sig > 0 && sig < 32) {
        wine_handlers[sig] = 0;
    }
    r = real_sigaction(sig, act, old);
    if (old && previous && *(SignalHandler *)old == fill_trap_number)
        *(SignalHandler *)old = previous;
    return r;
}
