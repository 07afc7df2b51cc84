// Preloaded into the editor by the end-to-end tests to make chosen system calls fail, as a full disk
// or a failing device would. Each variable holds the numbers of the calls that fail, counted from 1
// ("2" or "2,3"):
//   QV_FAIL_WRITE   writes to regular files, which fail with "No space left on device"
//   QV_FAIL_FSYNC   syncs, which fail with an input/output error
//   QV_FAIL_RENAME  renames, which fail with an input/output error
//   QV_KILL_AT      steps of a save, at which the process is killed (SIGKILL) before the step is
//                   done: writes to regular files, syncs, links, renames, unlinks and writes in
//                   place, counted together
// Writes to the screen, a pipe, are neither counted nor failed.
#include <dlfcn.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Counts one more call of a kind; true when the variable lists that call.
bool failsNow(const char* variable, int& calls) {
  const char* list = std::getenv(variable);
  if (list == nullptr) return false;
  ++calls;
  for (const char* at = list; *at != '\0';) {
    char* end = nullptr;
    const long n = std::strtol(at, &end, 10);
    if (end == at) break;
    if (n == calls) return true;
    at = *end == ',' ? end + 1 : end;
  }
  return false;
}

template <class Function>
Function nextDefinition(const char* symbol) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, symbol));
}

int writes = 0;
int syncs = 0;
int renames = 0;
int steps = 0;

// Counts one more step of a save; the listed step kills the process before it is done.
void killAtStep() {
  if (failsNow("QV_KILL_AT", steps)) raise(SIGKILL);
}

bool regularFile(int fd) {
  struct stat st;
  return fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
  static const auto real = nextDefinition<ssize_t (*)(int, const void*, size_t)>("write");
  if (!regularFile(fd)) return real(fd, buffer, count);
  killAtStep();
  if (failsNow("QV_FAIL_WRITE", writes)) {
    errno = ENOSPC;
    return -1;
  }
  return real(fd, buffer, count);
}

extern "C" ssize_t pwrite(int fd, const void* buffer, size_t count, off_t offset) {
  static const auto real = nextDefinition<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
  if (regularFile(fd)) killAtStep();
  return real(fd, buffer, count, offset);
}

extern "C" int link(const char* from, const char* to) {
  static const auto real = nextDefinition<int (*)(const char*, const char*)>("link");
  killAtStep();
  return real(from, to);
}

extern "C" int unlink(const char* name) {
  static const auto real = nextDefinition<int (*)(const char*)>("unlink");
  killAtStep();
  return real(name);
}

extern "C" int fsync(int fd) {
  static const auto real = nextDefinition<int (*)(int)>("fsync");
  killAtStep();
  if (failsNow("QV_FAIL_FSYNC", syncs)) {
    errno = EIO;
    return -1;
  }
  return real(fd);
}

extern "C" int rename(const char* from, const char* to) {
  static const auto real = nextDefinition<int (*)(const char*, const char*)>("rename");
  killAtStep();
  if (failsNow("QV_FAIL_RENAME", renames)) {
    errno = EIO;
    return -1;
  }
  return real(from, to);
}
