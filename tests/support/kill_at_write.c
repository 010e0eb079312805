/* Preloaded into a test child: ends the process with SIGKILL in the middle
 * of one of the program's atomic file writes, as a power cut or a kill
 * would.
 *
 * A write is counted at each mkstemp() of a ".drovik-tmp." file whose name
 * contains $KILL_IN. At the $KILL_AT-th one, $KILL_PHASE says where to die:
 *   half           the first write() to that file puts half its bytes in,
 *                  then the process dies (or at close() when nothing came)
 *   before-rename  at the rename() of that file, before it is renamed
 *   after-rename   just after that rename()
 * With $KILL_LOG set, every counted write that reaches its rename first
 * leaves a copy of its content as $KILL_LOG/<n> and the target's path as
 * the line "<n> <path>" in $KILL_LOG/writes, so the test knows exactly what
 * was meant to be on disk. Without $KILL_IN nothing is changed.
 *
 * Other faults, each only when its variable is set:
 *   FAIL_NAME          a rename() of a file onto a target whose name contains
 *                      it fails with $FAIL_ERRNO (default ENOSPC, a full
 *                      disk): the write of that file fails, the others go on;
 *                      with FAIL_TIMES=n only the first n such renames fail
 *   NO_EXCHANGE        renameat2() cannot exchange two names (EINVAL), as on
 *                      a file system without that call
 *   KILL_AFTER_RENAME  the process dies just after a rename() or renameat2()
 *                      whose target's path ends with it
 *   KILL_AFTER_RENAME_FROM  the same for the path renamed away */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int counted;      /* matching temp files made so far */
static int killFd = -1;  /* the file to die in (half) */
static char killName[4096];
static int killCount = -1;
static char names[64][4096]; /* temp names of the counted files, by number */

static const char* phase(void) {
    const char* p = getenv("KILL_PHASE");
    return p ? p : "";
}

int mkstemp(char* tmpl) {
    static int (*real)(char*);
    if (!real) real = (int (*)(char*))dlsym(RTLD_NEXT, "mkstemp");
    const int fd = real(tmpl);
    const char* in = getenv("KILL_IN");
    if (fd < 0 || !in || !*in || !strstr(tmpl, in) || !strstr(tmpl, ".drovik-tmp.")) return fd;
    ++counted;
    if (counted < 64) snprintf(names[counted], sizeof names[counted], "%s", tmpl);
    const char* at = getenv("KILL_AT");
    if (at && atoi(at) == counted) {
        killFd = fd;
        killCount = counted;
        snprintf(killName, sizeof killName, "%s", tmpl);
    }
    return fd;
}

ssize_t write(int fd, const void* buf, size_t n) {
    static ssize_t (*real)(int, const void*, size_t);
    if (!real) real = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    if (fd >= 0 && fd == killFd && strcmp(phase(), "half") == 0) {
        real(fd, buf, n / 2);
        raise(SIGKILL);
    }
    return real(fd, buf, n);
}

int close(int fd) {
    static int (*real)(int);
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "close");
    if (fd >= 0 && fd == killFd && strcmp(phase(), "half") == 0) raise(SIGKILL);  /* an empty file */
    return real(fd);
}

/* Copies the complete temp file and notes its target before it is renamed. */
static void logWrite(int n, const char* from, const char* to) {
    const char* dir = getenv("KILL_LOG");
    if (!dir || !*dir) return;
    char path[4200];
    snprintf(path, sizeof path, "%s/%d", dir, n);
    const int in = open(from, O_RDONLY), out = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    char buf[8192];
    ssize_t got;
    while (in >= 0 && out >= 0 && (got = read(in, buf, sizeof buf)) > 0) write(out, buf, (size_t)got);
    if (in >= 0) close(in);
    if (out >= 0) close(out);
    snprintf(path, sizeof path, "%s/writes", dir);
    FILE* f = fopen(path, "a");
    if (f) {
        fprintf(f, "%d %s\n", n, to);
        fclose(f);
    }
}

static int endsWith(const char* path, const char* variable) {
    const char* k = getenv(variable);
    const size_t n = k ? strlen(k) : 0, m = strlen(path);
    return n > 0 && m >= n && strcmp(path + m - n, k) == 0;
}

static void killAfterRename(const char* from, const char* to) {
    if (endsWith(to, "KILL_AFTER_RENAME") || endsWith(from, "KILL_AFTER_RENAME_FROM")) raise(SIGKILL);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags) {
    static int (*real)(int, const char*, int, const char*, unsigned int);
    if (!real) real = (int (*)(int, const char*, int, const char*, unsigned int))dlsym(RTLD_NEXT, "renameat2");
    if ((flags & RENAME_EXCHANGE) && getenv("NO_EXCHANGE")) {
        errno = EINVAL;
        return -1;
    }
    const int r = real(fromDir, from, toDir, to, flags);
    if (r == 0) killAfterRename(from, to);
    return r;
}

int rename(const char* from, const char* to) {
    static int (*real)(const char*, const char*);
    if (!real) real = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "rename");
    const char* failName = getenv("FAIL_NAME");
    const char* base = strrchr(to, '/');
    static int failed;
    const char* times = getenv("FAIL_TIMES");
    if (failName && *failName && strstr(base ? base + 1 : to, failName) &&
        (!times || failed++ < atoi(times))) {
        const char* e = getenv("FAIL_ERRNO");
        errno = e && atoi(e) > 0 ? atoi(e) : ENOSPC;
        return -1;
    }
    for (int n = 1; n <= counted && n < 64; ++n)
        if (strcmp(from, names[n]) == 0) {
            if (n == killCount && strcmp(phase(), "before-rename") == 0) raise(SIGKILL);
            logWrite(n, from, to);
            break;
        }
    const int r = real(from, to);
    if (killCount >= 1 && strcmp(from, killName) == 0 && strcmp(phase(), "after-rename") == 0) raise(SIGKILL);
    if (r == 0) killAfterRename(from, to);
    return r;
}
