// Child processes for the end-to-end tests, on POSIX and on Windows.
#include "run_program.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace sysorient::test {

std::string read_bytes(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::filesystem::path &file, const std::string &bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}

#ifdef _WIN32

namespace {

// A Unix path handed over from the build (under Wine) names drive Z:.
std::string native_path(std::string path)
{
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string quote(const std::string &arg)
{
    std::string q = "\"";
    std::size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        q.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        q += c;
    }
    q.append(2 * backslashes, '\\');
    return q + "\"";
}

HANDLE inheritable_file(const std::filesystem::path &file, bool write)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(file.c_str(), write ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The variables of options, set in this process for a child to inherit,
// and taken back.
class child_environment {
  public:
    explicit child_environment(const run_options &options)
    {
        for (const auto &[name, value] : options.environment) {
            set_.push_back(name);
            SetEnvironmentVariableA(name.c_str(), value.c_str());
        }
    }
    ~child_environment()
    {
        for (const std::string &name : set_)
            SetEnvironmentVariableA(name.c_str(), nullptr);
    }
    child_environment(const child_environment &) = delete;
    child_environment &operator=(const child_environment &) = delete;

  private:
    std::vector<std::string> set_;
};

} // namespace

program_run run_program(const std::string &program, const std::vector<std::string> &args,
                        const std::filesystem::path &dir, const std::filesystem::path &scratch,
                        const run_options &options)
{
    const child_environment environment(options);
    const std::string exe = native_path(program);
    std::string command = quote(exe);
    for (const std::string &arg : args)
        command += " " + quote(arg);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritable_file("NUL", false);
    startup.hStdOutput = inheritable_file(scratch / "stdout", true);
    startup.hStdError = inheritable_file(scratch / "stderr", true);
    PROCESS_INFORMATION child{};
    const std::string cwd = dir.string();
    const BOOL started = CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, cwd.c_str(), &startup, &child);
    CloseHandle(startup.hStdInput);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    if (!started)
        throw std::runtime_error("cannot start " + exe);
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return {static_cast<int>(code & 0xFF), read_bytes(scratch / "stdout"),
            read_bytes(scratch / "stderr"), -1};
}

#else

// The peak memory that wait4 reports for a forked child counts the pages it
// shared with this (large) test process before its exec. GNU time, itself
// small after its exec, forks the program afresh and reports the program's
// own peak.
constexpr const char *TIME = "/usr/bin/time";

long peak_rss_from(const std::filesystem::path &file)
{
    std::string text = read_bytes(file);
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    const std::size_t last_line = text.rfind('\n');
    return text.empty()
               ? -1
               : std::stol(text.substr(last_line == std::string::npos ? 0 : last_line + 1));
}

// In the child, before exec: where standard output goes, the limit, and
// the environment.
bool set_up_child(const std::string &out_file, const run_options &options)
{
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        unsetenv(name);
    for (const auto &[name, value] : options.environment)
        if (setenv(name.c_str(), value.c_str(), 1) != 0)
            return false;
    int out = -1;
    if (options.out_to_closed_pipe) {
        int ends[2];
        if (pipe(ends) != 0 || close(ends[0]) != 0)
            return false;
        out = ends[1];
    } else {
        out = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    if (options.file_size_limit >= 0) {
        const rlimit limit{static_cast<rlim_t>(options.file_size_limit),
                           static_cast<rlim_t>(options.file_size_limit)};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return false;
    }
    return out >= 0 && dup2(out, 1) >= 0;
}

program_run run_program(const std::string &program, const std::vector<std::string> &args,
                        const std::filesystem::path &dir, const std::filesystem::path &scratch,
                        const run_options &options)
{
    const std::string out_file = (scratch / "stdout").string();
    const std::string err_file = (scratch / "stderr").string();
    const std::string rss_file = (scratch / "peak-rss").string();
    const bool measure = access(TIME, X_OK) == 0;
    std::vector<std::string> words;
    if (measure)
        words = {TIME, "-f", "%M", "-o", rss_file};
    words.insert(words.end(), options.wrapper.begin(), options.wrapper.end());
    words.push_back(program);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("cannot fork");
    if (pid == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int err = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || err < 0 || dup2(in, 0) < 0 || dup2(err, 2) < 0 ||
            !set_up_child(out_file, options) || chdir(dir.c_str()) != 0)
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int wait_status = 0;
    if (waitpid(pid, &wait_status, 0) != pid)
        throw std::runtime_error("cannot wait for " + program);
    const int status =
        WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
    return {status, read_bytes(out_file), read_bytes(err_file),
            measure ? peak_rss_from(rss_file) : -1};
}

#endif

} // namespace sysorient::test
