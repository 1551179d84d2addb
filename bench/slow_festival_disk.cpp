// Loaded with LD_PRELOAD, makes every file of Festival's data folder slow to open, as on a slow or
// busy disk: bench/close_bench.sh closes the program while Festival still loads its voice.
// NUMIVOX_SLOW_OPEN_MS (default 200) is the delay of each open.

#include <dlfcn.h>
#include <fcntl.h>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

void delayIfFestival(const char* path)
{
    if (!path || !std::strstr(path, "/festival/"))
        return;
    const char* ms = std::getenv("NUMIVOX_SLOW_OPEN_MS");
    std::this_thread::sleep_for(std::chrono::milliseconds(ms ? std::atoi(ms) : 200));
}

template <typename Function> Function next(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// open() and open64() take a mode only when they create the file.
int openSlowly(const char* name, const char* path, int flags, va_list args)
{
    delayIfFestival(path);
    const mode_t mode = (flags & O_CREAT) ? static_cast<mode_t>(va_arg(args, int)) : 0;
    return next<int (*)(const char*, int, ...)>(name)(path, flags, mode);
}

} // namespace

extern "C" {

FILE* fopen(const char* path, const char* mode)
{
    delayIfFestival(path);
    static const auto real = next<FILE* (*)(const char*, const char*)>("fopen");
    return real(path, mode);
}

FILE* fopen64(const char* path, const char* mode)
{
    delayIfFestival(path);
    static const auto real = next<FILE* (*)(const char*, const char*)>("fopen64");
    return real(path, mode);
}

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = openSlowly("open", path, flags, args);
    va_end(args);
    return fd;
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int fd = openSlowly("open64", path, flags, args);
    va_end(args);
    return fd;
}

} // extern "C"
