/* Linked into every program of a ThreadSanitizer build only.
 *
 * Qt starts child processes (QProcess) with a vfork-style clone(): the
 * child shares the parent's memory until it runs exec. The sanitizer's own
 * clone() wrapper handles every clone as a fork, and in the child it marks
 * the process as forked while several threads ran and turns its checks off
 * for the calling thread. In shared memory those marks land in the parent:
 * the parent then stops checking its main thread, forgets its other
 * threads, and dies at the next thread it starts ("starting new threads
 * after multi-threaded fork is not supported").
 *
 * This clone() takes precedence over the sanitizer's and sends a clone
 * that shares memory straight to the C library, whose child only execs;
 * any other clone still goes through the sanitizer. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <sched.h>
#include <stdarg.h>
#include <sys/types.h>

typedef int (*clone_fn)(int (*)(void*), void*, int, void*, ...);

int clone(int (*fn)(void*), void* stack, int flags, void* arg, ...) {
    va_list ap;
    va_start(ap, arg);
    pid_t* parent_tid = va_arg(ap, pid_t*);
    void* tls = va_arg(ap, void*);
    pid_t* child_tid = va_arg(ap, pid_t*);
    va_end(ap);
    static clone_fn libc_clone, sanitizer_clone;
    if (!libc_clone) {
        void* libc = dlopen("libc.so.6", RTLD_NOW | RTLD_NOLOAD);
        libc_clone = (clone_fn)dlsym(libc, "clone");
        sanitizer_clone = (clone_fn)dlsym(RTLD_NEXT, "clone");
    }
    clone_fn real = (flags & CLONE_VM) ? libc_clone : sanitizer_clone;
    return real(fn, stack, flags, arg, parent_tid, tls, child_tid);
}
