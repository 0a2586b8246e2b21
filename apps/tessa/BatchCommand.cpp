#include "apps/tessa/BatchCommand.h"

#include "apps/tessa/LoadedModule.h"
#include "apps/tessa/MacroEvaluation.h"
#include "apps/tessa/OutputFile.h"
#include "apps/tessa/ProgramText.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/TextFileHelpers.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"
#include "platform/core/settings/DocumentData.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/settings/Vdn_Timer.h"
#include "platform/io/InputLog.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/wait.h>
#include <unistd.h>
#define TESSA_BATCH_WORKERS 1
#endif

namespace app {

namespace {

struct BatchOptions {
    std::string sheet;
    std::string macros;
    std::string target;
    std::vector<std::string> generalVariables;
    std::string library;
    // 0: not given, one job per core.
    int jobs = 0;
    bool jobsGiven = false;
    std::string out;
};

// One macro of the input: its line number (from 1) and its JSON text.
struct MacroLine {
    std::size_t number = 0;
    std::string text;
};

// The result line of one macro: `tessa eval --json`'s object with "line".
std::string evaluateLine(const MacroLine& line, const MacroEvaluation::Request& request) {
    core::MacroReadResult read = Vdn_DbMacro::readFromText(line.text);
    if (!read) {
        nlohmann::json result = {
            {"ok", false}, {"error", shortened(utf8(read.message()))}, {"line", line.number}};
        return result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
    return MacroEvaluation::jsonLine(MacroEvaluation::run(read.macro(), request), line.number);
}

// Whether a result line says ok: the key appears once, at the top level (quotes inside texts
// are escaped).
bool succeeded(const std::string& result) {
    return result.find("\"ok\":true") != std::string::npos;
}

// A progress bar on stderr, drawn only when stderr is a terminal.
class Progress {
public:
    explicit Progress(std::size_t total) : total_(total) {
#if defined(TESSA_BATCH_WORKERS)
        shown_ = total > 0 && ::isatty(2) != 0;
#endif
    }
    ~Progress() {
        if (shown_)
            std::fputc('\n', stderr);
    }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void advance(std::size_t done) {
        if (!shown_)
            return;
        const std::size_t width = 40;
        const std::size_t filled = done * width / total_;
        if (filled == filled_ && done != total_)
            return;
        filled_ = filled;
        std::fprintf(stderr, "\r[%s%s] %zu/%zu", std::string(filled, '#').c_str(),
                     std::string(width - filled, ' ').c_str(), done, total_);
        std::fflush(stderr);
    }

private:
    std::size_t total_;
    std::size_t filled_ = static_cast<std::size_t>(-1);
    bool shown_ = false;
};

#if defined(TESSA_BATCH_WORKERS)
// The module's state (dialog pool, windows, the current user) belongs to one thread, so the
// jobs are worker processes: each inherits the sheets, size lists, tables and mappings that
// the parent has read already (shared copy-on-write, never written), evaluates every jobs-th
// line and sends its results, one line each, through a pipe. The parent puts them back in
// input order.
bool evaluateInWorkers(const std::vector<MacroLine>& lines, std::size_t start, std::size_t jobs,
                       const MacroEvaluation::Request& request, std::vector<std::string>& results,
                       Progress& progress) {
    struct Worker {
        pid_t pid = -1;
        int fd = -1;
    };
    std::vector<Worker> workers;
    std::fflush(stdout);
    std::fflush(stderr);
    for (std::size_t k = 0; k < jobs; ++k) {
        int fds[2];
        if (::pipe(fds) != 0)
            break;
        const pid_t pid = ::fork();
        if (pid < 0) {
            ::close(fds[0]);
            ::close(fds[1]);
            break;
        }
        if (pid == 0) {
            ::close(fds[0]);
            for (const Worker& other : workers)
                ::close(other.fd);
            std::FILE* out = ::fdopen(fds[1], "w");
            for (std::size_t i = start + k; i < lines.size(); i += jobs) {
                const std::string result = evaluateLine(lines[i], request);
                std::fprintf(out, "%zu\t%s\n", i, result.c_str());
            }
            std::fclose(out);
            std::fflush(stderr);
            ::_exit(0);
        }
        ::close(fds[1]);
        workers.push_back({pid, fds[0]});
    }
    if (workers.size() < jobs) {
        for (const Worker& worker : workers) {
            ::close(worker.fd);
            ::waitpid(worker.pid, nullptr, 0);
        }
        return false;
    }
    // One reader thread per pipe, so that no worker blocks on a full pipe.
    std::vector<std::string> received(workers.size());
    std::vector<std::thread> readers;
    for (std::size_t k = 0; k < workers.size(); ++k) {
        readers.emplace_back([&received, &workers, k] {
            char buffer[1 << 16];
            for (;;) {
                const ssize_t n = ::read(workers[k].fd, buffer, sizeof buffer);
                if (n <= 0)
                    break;
                received[k].append(buffer, static_cast<std::size_t>(n));
            }
        });
    }
    for (std::thread& reader : readers)
        reader.join();
    bool complete = true;
    for (const Worker& worker : workers) {
        ::close(worker.fd);
        int status = 0;
        ::waitpid(worker.pid, &status, 0);
        complete = complete && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    std::size_t done = start;
    for (const std::string& text : received) {
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t end = text.find('\n', at);
            const std::size_t stop = end == std::string::npos ? text.size() : end;
            const std::size_t tab = text.find('\t', at);
            if (tab != std::string::npos && tab < stop) {
                const std::size_t index = std::stoul(text.substr(at, tab - at));
                if (index < results.size()) {
                    results[index] = text.substr(tab + 1, stop - tab - 1);
                    progress.advance(++done);
                }
            }
            at = stop + 1;
        }
    }
    return complete;
}
#endif

// The macros file as lines; blank lines carry no macro and give no result.
std::optional<std::vector<MacroLine>> readMacroLines(const std::string& path) {
    const std::optional<std::filesystem::path> resolved =
        core::resolveExistingFile(Vdn_String::fromUtf8(path));
    std::error_code error;
    if (!resolved || !std::filesystem::is_regular_file(*resolved, error))
        return std::nullopt;
    if (std::filesystem::file_size(*resolved, error) > core::kMaxTextFileBytes || error)
        return std::nullopt;
    std::ifstream in(*resolved, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<MacroLine> lines;
    std::string text;
    for (std::size_t number = 1; std::getline(in, text); ++number) {
        if (text.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        lines.push_back({number, std::move(text)});
    }
    if (in.bad())
        return std::nullopt;
    io::InputLog::note(*resolved);
    return lines;
}

int runBatch(const BatchOptions& options) {
    const std::optional<MacroEvaluation::Request> request =
        MacroEvaluation::requestOf(options.sheet, options.target, options.generalVariables);
    if (!request)
        return kExitUsage;
    if (options.jobs < 0 || (options.jobsGiven && options.jobs == 0)) {
        std::fprintf(stderr, "tessa: --jobs %d: expected a number of jobs, 1 or more\n",
                     options.jobs);
        return kExitUsage;
    }
    if (!options.library.empty())
        gSettings.setLibDir(Vdn_String::fromUtf8(options.library));

    const std::optional<std::vector<MacroLine>> lines = readMacroLines(options.macros);
    if (!lines)
        return fail(options.macros + ": cannot be read (a regular file of JSON lines)");
    // The first line is evaluated in this process, so every file an evaluation reads (sheet,
    // child sheets, mapping, lists, tables) is among this run's inputs when the results are
    // written; the macros file is one already.
    std::optional<OutputFile> out;
    if (!options.out.empty()) {
        out.emplace(options.out, "--out", "this evaluation");
        if (auto refused = out->refusal())
            return fail(*refused);
    }

    core::currentDocumentData().spreadsheetMessages = false;
    Vdn_Timer::setClockReading(false); // a batch prints no phase timings
    std::vector<std::string> results(lines->size());
    std::size_t jobs = options.jobs > 0 ? static_cast<std::size_t>(options.jobs)
                                        : std::max(1u, std::thread::hardware_concurrency());
    jobs = std::min(jobs, std::max<std::size_t>(lines->size(), 1));
    {
        const LoadedModule loadedModule(stderr);
        if (!loadedModule.loaded())
            return fail("the module could not be loaded");
        Progress progress(lines->size());
        // The first line is evaluated here: what it reads (sheet, mapping, lists, tables) is
        // then read once for every worker.
        std::size_t start = 0;
        if (!lines->empty()) {
            results[0] = evaluateLine((*lines)[0], *request);
            progress.advance(start = 1);
        }
        bool inWorkers = false;
#if defined(TESSA_BATCH_WORKERS)
        if (jobs > 1 && lines->size() > start + 1)
            inWorkers = evaluateInWorkers(*lines, start, jobs, *request, results, progress);
#endif
        if (!inWorkers) {
            for (std::size_t i = start; i < lines->size(); ++i) {
                if (results[i].empty())
                    results[i] = evaluateLine((*lines)[i], *request);
                progress.advance(i + 1);
            }
        }
    }

    bool allOk = true;
    std::string text;
    for (const std::string& result : results) {
        allOk = allOk && succeeded(result);
        text += result;
        text += '\n';
    }
    if (out) {
        if (auto failed = out->write(text))
            return fail(*failed);
    } else {
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return allOk ? kExitOk : kExitFailed;
}

} // namespace

void addBatchCommand(CLI::App& program, CommandRun& run) {
    const auto options = std::make_shared<BatchOptions>();
    CLI::App* batch = program.add_subcommand(
        "batch", "Evaluate a standards sheet for every macro of a JSON-lines file, on every "
                 "core; one JSON result a line, in input order");
    batch
        ->add_option("SHEET", options->sheet,
                     "The standards sheet: a .tfs or .csv path, or a name in the library's "
                     "\"Connection Standards\" folder")
        ->required();
    batch
        ->add_option("--macros", options->macros,
                     "The macros, one macro file's JSON a line (JSON lines)")
        ->required();
    batch->add_option("--target", options->target,
                      "The mapping target: \"Module.\" + a module group, or a mapping name "
                      "(default: each macro's name)");
    batch->add_option("--gen", options->generalVariables,
                      "A general variable NAME=VALUE (repeatable, in order) besides each "
                      "macro's own");
    batch->add_option("--library", options->library, "The library folder");
    batch
        ->add_option("--jobs", options->jobs,
                     "Evaluations at once (default: one per core); the results are the same")
        ->each([options](const std::string&) { options->jobsGiven = true; });
    batch->add_option("--out", options->out, "Write the results here instead of stdout")
        ->check(outputPathCheck());
    batch->callback([options, &run] { run = [options] { return runBatch(*options); }; });
}

} // namespace app
