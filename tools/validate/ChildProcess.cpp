#include "ChildProcess.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "Options.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace validate {

namespace {

constexpr int kCheckSeconds = 60;
constexpr char kLibrariesVariable[] = "ORVA_VALIDATE_LIBRARIES";
constexpr char kListSeparator = '\n';

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

Options& options() {
    static Options o;
    return o;
}

void setLibraryList(const std::vector<std::string>& libraries) {
    std::string joined;
    for (const auto& l : libraries) joined += l + kListSeparator;
#if defined(_WIN32)
    SetEnvironmentVariableA(kLibrariesVariable, joined.c_str());
#else
    setenv(kLibrariesVariable, joined.c_str(), 1);
#endif
}

std::vector<std::string> libraryList() {
    std::vector<std::string> list;
    const char* env = std::getenv(kLibrariesVariable);
    std::string current;
    for (const char* p = env ? env : ""; *p; ++p) {
        if (*p == kListSeparator) {
            list.push_back(current);
            current.clear();
        } else {
            current += *p;
        }
    }
    return list;
}

std::string selfPath(const char* argv0) {
#if defined(_WIN32)
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string(argv0);
#else
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string(argv0);
#endif
}

ChildResult runChild(const std::string& program, const std::vector<std::string>& args) {
    std::string command = quoted(program);
    for (const auto& a : args) command += " " + quoted(a);
    command += " 2>&1";
#if defined(_WIN32)
    // cmd.exe strips one pair of quotes around the whole line.
    command = "\"" + command + "\"";
#endif
    // Starting a program can fail for a moment on a loaded machine (seen under Wine).
    std::FILE* pipe = nullptr;
    for (int attempt = 0; attempt < 5 && !pipe; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(200 * attempt));
#if defined(_WIN32)
        pipe = _popen(command.c_str(), "rb");
#else
        pipe = popen(command.c_str(), "r");
#endif
    }
    ChildResult result;
    if (!pipe) {
        result.how = "could not start the check";
        return result;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
#if defined(_WIN32)
    const int status = _pclose(pipe);
    char how[64];
    std::snprintf(how, sizeof how, "exit code 0x%X", static_cast<unsigned>(status));
    result.how = how;
#else
    const int status = pclose(pipe);
    char how[64];
    if (WIFSIGNALED(status))
        std::snprintf(how, sizeof how, "signal %d", WTERMSIG(status));
    else
        std::snprintf(how, sizeof how, "exit code %d", WEXITSTATUS(status));
    result.how = how;
#endif
    return result;
}

#if defined(_WIN32)
// A crash reports itself instead of starting a debugger (Wine) or an error dialog.
LONG WINAPI reportCrash(EXCEPTION_POINTERS* info) {
    std::printf("\n@@result FAIL the plug-in crashed (exception 0x%08lX)\n",
                static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode));
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}
#endif

void startWatchdog() {
#if defined(_WIN32)
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(reportCrash);
#endif
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::seconds(kCheckSeconds));
        std::printf("\n@@result FAIL still running after %d s\n", kCheckSeconds);
        std::fflush(stdout);
        std::_Exit(1);
    }).detach();
}

}  // namespace validate
