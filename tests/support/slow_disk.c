/* Preloaded into a test child: a slow disk. Every fsync() and fdatasync()
 * takes $SLOW_DISK_MS milliseconds longer, as on a busy or a network disk,
 * so that a test can tell work that waits on the disk from work that does
 * not. Without $SLOW_DISK_MS nothing is changed. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static void wait_for_disk(void) {
    const char* ms = getenv("SLOW_DISK_MS");
    if (!ms || atoi(ms) <= 0) return;
    struct timespec t = {atoi(ms) / 1000, (long)(atoi(ms) % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0) {
    }
}

int fsync(int fd) {
    static int (*real)(int);
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    wait_for_disk();
    return real(fd);
}

int fdatasync(int fd) {
    static int (*real)(int);
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "fdatasync");
    wait_for_disk();
    return real(fd);
}
