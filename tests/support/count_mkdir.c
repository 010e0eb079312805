/* Preloaded into a test child: counts the folders the program asks the
 * system to make (mkdir() and mkdirat(), whether the folder existed or not).
 * The child reads the count through drovik_mkdir_calls(), found with
 * dlsym(RTLD_DEFAULT, ...); nothing else changes. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdatomic.h>
#include <sys/stat.h>
#include <sys/types.h>

static atomic_long calls;

long drovik_mkdir_calls(void) { return atomic_load(&calls); }

int mkdir(const char* path, mode_t mode) {
    static int (*real)(const char*, mode_t);
    if (!real) real = (int (*)(const char*, mode_t))dlsym(RTLD_NEXT, "mkdir");
    atomic_fetch_add(&calls, 1);
    return real(path, mode);
}

int mkdirat(int folder, const char* path, mode_t mode) {
    static int (*real)(int, const char*, mode_t);
    if (!real) real = (int (*)(int, const char*, mode_t))dlsym(RTLD_NEXT, "mkdirat");
    atomic_fetch_add(&calls, 1);
    return real(folder, path, mode);
}
