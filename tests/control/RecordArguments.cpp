// Stands in for the updater: writes its arguments, one a line, to the file
// named by RECORD_ARGUMENTS_TO, and its process id to the file named by
// RECORD_ARGUMENTS_PID_TO when that is set, and ends, after
// RECORD_ARGUMENTS_STAY_MS milliseconds when that is set (an update takes a
// while).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#ifdef _WIN32
#include <process.h>
static int ProcessId()
{
    return _getpid();
}
#else
#include <unistd.h>
static int ProcessId()
{
    return int(getpid());
}
#endif

static bool WriteProcessId(const char* path)
{
    std::FILE* file = std::fopen(path, "w");
    if (!file) {
        return false;
    }
    std::fprintf(file, "%d\n", ProcessId());
    return std::fclose(file) == 0;
}

int main(int argc, char* argv[])
{
    const char* path = std::getenv("RECORD_ARGUMENTS_TO");
    if (!path) {
        return 2;
    }
    std::FILE* file = std::fopen(path, "w");
    if (!file) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        std::fprintf(file, "%s\n", argv[i]);
    }
    std::fclose(file);
    const char* pidPath = std::getenv("RECORD_ARGUMENTS_PID_TO");
    if (pidPath && !WriteProcessId(pidPath)) {
        return 1;
    }
    if (const char* stay = std::getenv("RECORD_ARGUMENTS_STAY_MS")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(stay)));
    }
    return 0;
}
