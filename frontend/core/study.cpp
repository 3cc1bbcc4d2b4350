#include "study.h"

#include <poll.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>
#include <sstream>

#include "engine_library.h"
#include "file_names.h"
#include "input_defaults.h"
#include "input_file.h"
#include "record_fields.h"
#include "report_files.h"
#include "summary_table.h"
#include "run_engine.h"
#include "run_results.h"
#include "run_sequence.h"
#include "validation.h"

namespace fe {

namespace {

class CollectMessages : public MessageSink {
 public:
  explicit CollectMessages(std::vector<std::string>& lines) : lines_(lines) {}
  void show(const std::string& text, bool) override { lines_.push_back(text); }

 private:
  std::vector<std::string>& lines_;
};

int ExitStatus(RunStep step) {
  switch (step) {
    case RunStep::Written:
      return kRunWritten;
    case RunStep::InvalidInput:
    case RunStep::ReportIsInput:
      return kRunBadInput;
    case RunStep::ReportNotWritable:
    case RunStep::SideFileNotWritable:
    case RunStep::NoLibrary:
    case RunStep::ReportMissing:
    case RunStep::ReportIncomplete:
    case RunStep::SideFileIncomplete:
      break;
  }
  return kRunNotWritten;
}

}  // namespace

BatchResult RunBatch(InputRecord& record, const std::string& libraryPath,
                     const std::string& sideName) {
  BatchResult result;
  CollectMessages messages(result.messages);
  const RunOutcome outcome = RunAnalysis(record, messages, {libraryPath, &RunEngine});
  if (outcome.step == RunStep::ReportIncomplete) {
    result.messages.push_back("the report " + outcome.report + " is incomplete: " + outcome.reason);
    if (!outcome.kept.empty())
      result.messages.push_back("what was written is kept as " + outcome.kept);
  } else if (outcome.step == RunStep::SideFileIncomplete) {
    result.messages.push_back("the side file " + sideName + " is incomplete: " + outcome.reason);
    if (!outcome.kept.empty())
      result.messages.push_back("what was written is kept as " + sideName + kIncompleteSuffix);
  } else if (!outcome.message.empty()) {
    result.messages.push_back(outcome.message);
  }
  if (outcome.written()) result.written = "Output written to " + outcome.report;
  result.status = ExitStatus(outcome.step);
  std::string why;
  const EngineLibrary* engine = outcome.ran() ? EngineAt(libraryPath, &why) : nullptr;
  result.summary = SummaryCells(engine ? ReadRunResults(*engine) : RunResults{}, result.status);
  return result;
}

// ---- The varied value ----------------------------------------------------------------

namespace {

bool Number(const std::string& text, double* value) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
  char* end = nullptr;
  errno = 0;
  *value = std::strtod(text.c_str(), &end);
  return errno == 0 && end == text.c_str() + text.size() && std::isfinite(*value);
}

// The number of values of the range; 0 when it has none.
double Count(double from, double to, double step) {
  return std::floor((to - from) / step + 1e-6) + 1.0;
}

}  // namespace

bool ParseVariation(const std::string& text, Variation* variation, std::string* error) {
  const auto fail = [&](const std::string& why) {
    *error = "--vary " + text + ": " + why;
    return false;
  };
  const auto eq = text.find('=');
  if (eq == std::string::npos || eq == 0)
    return fail("give the value's name and its range, as NAME=FROM:TO:STEP.");
  std::string name = text.substr(0, eq);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  InputRecord probe;
  if (FloatField(probe, name) == nullptr)
    return fail("the input has no single value named " + text.substr(0, eq) + ".");
  std::string parts[3];
  std::size_t at = eq + 1;
  for (int k = 0; k < 3; ++k) {
    const auto colon = k < 2 ? text.find(':', at) : std::string::npos;
    if (k < 2 && colon == std::string::npos) return fail("the range is FROM:TO:STEP.");
    parts[k] = text.substr(at, colon == std::string::npos ? std::string::npos : colon - at);
    at = colon + 1;
  }
  double from = 0, to = 0, step = 0;
  if (!Number(parts[0], &from) || !Number(parts[1], &to) || !Number(parts[2], &step))
    return fail("FROM, TO and STEP must be numbers.");
  if (step == 0.0) return fail("the step must not be zero.");
  if ((to - from) * step < 0.0) return fail("the step goes away from TO.");
  const double n = Count(from, to, step);
  if (n > kMaxStudyRuns)
    return fail("the range has " + std::to_string(static_cast<long long>(n)) +
                " values; a study runs at most " + std::to_string(kMaxStudyRuns) + ".");
  *variation = Variation{name, from, to, step};
  return true;
}

std::vector<float> VariationValues(const Variation& v) {
  std::vector<float> values;
  if (!v.given() || v.step == 0.0) return values;
  const double n = Count(v.from, v.to, v.step);
  for (double k = 0; k < n && k < kMaxStudyRuns; ++k)
    values.push_back(static_cast<float>(v.from + k * v.step));
  return values;
}

std::string ValueText(float value) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

// ---- A study ---------------------------------------------------------------------------

namespace {

namespace fs = std::filesystem;

struct StudyRun {
  std::string name;   // in the messages: the input, and the value
  std::size_t input;  // index in the plan's inputs
  bool varied = false;
  float value = 0;
  std::string report, side;
  BatchResult result;
  bool done = false;
};

std::string WithoutOut(const std::string& report) {
  return report.size() > 4 && report.compare(report.size() - 4, 4, ".out") == 0
             ? report.substr(0, report.size() - 4)
             : report;
}

// A path as the same text for every way of naming the same file.
std::string Key(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
  return ec ? path : p.string();
}

std::string Absolute(const std::string& path) {
  std::error_code ec;
  const fs::path p = fs::absolute(path, ec);
  return ec ? path : p.string();
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
}

// Whether the file a run's side file would replace is missing, or a side
// file itself: empty (a review's) or opening with a converged design block.
// Any other file of that name is the user's, and is not written over.
bool IsSideFileOrAbsent(const std::string& path) {
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(path, ec);
  if (ec || !fs::exists(st)) return true;
  if (!fs::is_regular_file(st)) return false;
  static const std::string kStart = "\r\n C O N V E R G E D   D E S I G N\r\n";
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  char head[64];
  const std::size_t n = std::fread(head, 1, kStart.size(), f);
  std::fclose(f);
  return n == 0 || std::string(head, n) == kStart;
}

// ---- One run in a child process ----

// Runs in a folder of its own beside the report, so that no two analyses
// share the side file KELDOR.DAT, then moves the side file beside the report.
BatchResult RunInWorkFolder(InputRecord record, const StudyRun& run,
                            const std::string& libraryPath) {
  BatchResult result;
  std::string why;
  if (!CanWriteFile(run.report, &why)) {
    result.status = kRunNotWritten;
    result.messages.push_back("Cannot write the report " + run.report + ": " + why);
    return result;
  }
  std::string pattern = FolderOf(run.report) + "/.keldor-run-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    result.status = kRunNotWritten;
    result.messages.push_back("Cannot make a working folder beside the report " + run.report +
                              ": " + std::strerror(errno));
    return result;
  }
  const std::string work = Absolute(pattern);
  record.INPATH = Absolute(record.INPATH);
  // From the working folder the report is one folder up: a short path that
  // the engine's 132 characters hold wherever the study writes.
  const std::string fromWork = "../" + FileTitle(run.report);
  const std::string sideFromWork = "../" + FileTitle(run.side);
  if (::chdir(work.c_str()) != 0 || !SetOutputFile(record, fromWork, &why)) {
    result.status = kRunNotWritten;
    result.messages.push_back(why.empty() ? std::string(std::strerror(errno)) : why);
  } else {
    result = RunBatch(record, libraryPath, run.side);
    for (const auto& [from, to] : {std::pair{std::string(kSideFileName), sideFromWork},
                                   std::pair{std::string(kSideFileName) + kIncompleteSuffix,
                                             sideFromWork + kIncompleteSuffix}}) {
      if (::access(from.c_str(), F_OK) != 0) continue;
      if (::rename(from.c_str(), to.c_str()) != 0) {
        result.messages.push_back("Cannot move the side file to " + run.side + ": " +
                                  std::strerror(errno));
        result.status = std::max(result.status, kRunNotWritten);
      }
    }
    for (std::string& m : result.messages) Replace(m, fromWork, run.report);
    Replace(result.written, fromWork, run.report);
  }
  std::error_code ec;
  fs::current_path("/", ec);
  fs::remove_all(work, ec);
  return result;
}

// The result through the pipe: the status, the written line and the
// messages, each text after its length.
std::string Encode(const BatchResult& r) {
  std::string bytes = std::to_string(r.status) + "\n" + std::to_string(r.messages.size()) + "\n" +
                      std::to_string(r.summary.size()) + "\n";
  for (const std::string* s : {&r.written}) bytes += std::to_string(s->size()) + "\n" + *s;
  for (const std::string& m : r.messages) bytes += std::to_string(m.size()) + "\n" + m;
  for (const std::string& c : r.summary) bytes += std::to_string(c.size()) + "\n" + c;
  return bytes;
}

bool Decode(const std::string& bytes, BatchResult* r) {
  std::istringstream in(bytes);
  std::size_t count = 0, cells = 0;
  if (!(in >> r->status >> count >> cells) || in.get() != '\n' || count > 100000 || cells > 1000)
    return false;
  const auto text = [&](std::string* s) {
    std::size_t n = 0;
    if (!(in >> n) || in.get() != '\n' || n > bytes.size()) return false;
    s->resize(n);
    return static_cast<bool>(in.read(s->data(), static_cast<std::streamsize>(n)));
  };
  if (!text(&r->written)) return false;
  r->messages.resize(count);
  for (std::string& m : r->messages)
    if (!text(&m)) return false;
  r->summary.resize(cells);
  for (std::string& c : r->summary)
    if (!text(&c)) return false;
  return true;
}

void WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

struct Child {
  pid_t pid = -1;
  int fd = -1;
  std::size_t run = 0;
  std::string bytes;
};

// ---- The study ----

class Study {
 public:
  Study(const StudyPlan& plan, std::ostream& out, std::ostream& err)
      : plan_(plan), out_(out), err_(err), start_(std::chrono::steady_clock::now()) {}

  int run() {
    planRuns();
    if (!plan_.summary.empty()) {
      const int refused = checkSummary();
      if (refused != kRunWritten) return refused;
    }
    loadInputs();
    refuseCollisions();
    std::string ignored;
    EngineAt(plan_.libraryPath, &ignored);  // loaded once, shared by every analysis
    execute();
    clearProgress();
    int worst = kRunWritten;
    for (const StudyRun& r : runs_) worst = std::max(worst, r.result.status);
    if (!plan_.summary.empty()) worst = std::max(worst, writeSummary());
    return worst;
  }

 private:
  void planRuns() {
    const std::vector<float> values = VariationValues(plan_.vary);
    for (std::size_t i = 0; i < plan_.inputs.size(); ++i) {
      const std::string& input = plan_.inputs[i];
      std::string base = ReportBeside(input);
      if (!plan_.outDir.empty()) base = plan_.outDir + "/" + FileTitle(base);
      base = WithoutOut(base);
      const auto add = [&](bool varied, float value) {
        StudyRun r;
        r.input = i, r.varied = varied, r.value = value, r.name = input;
        std::string stem = base;
        if (varied) {
          r.name += " " + plan_.vary.name + "=" + ValueText(value);
          stem += "-" + plan_.vary.name + ValueText(value);
        }
        r.report = stem + ".out";
        r.side = stem + ".dat";
        runs_.push_back(std::move(r));
      };
      if (values.empty()) {
        add(false, 0.0f);
      } else {
        for (float v : values) add(true, v);
      }
    }
  }

  // The summary replaces no input and no file of a run, and can be written.
  int checkSummary() {
    const std::string key = Key(plan_.summary);
    bool clash = false;
    for (const std::string& in : plan_.inputs) clash = clash || Key(in) == key;
    for (const StudyRun& r : runs_) clash = clash || Key(r.report) == key || Key(r.side) == key;
    if (clash) {
      err_ << "Keldor: The summary " << plan_.summary
           << " would replace an input or a file of a run of this study.\n";
      return kRunBadInput;
    }
    std::string why;
    if (!CanWriteFile(plan_.summary, &why)) {
      err_ << "Keldor: Cannot write the summary " << plan_.summary << ": " << why << '\n';
      return kRunNotWritten;
    }
    return kRunWritten;
  }

  int writeSummary() {
    std::vector<SummaryRow> rows;
    for (const StudyRun& r : runs_) {
      SummaryRow row{plan_.inputs[r.input], r.varied ? ValueText(r.value) : "", r.result.summary};
      if (row.cells.empty()) row.cells = SummaryCells(RunResults{}, r.result.status);
      rows.push_back(std::move(row));
    }
    std::string why;
    if (!WriteSummary(plan_.summary, plan_.vary.name, rows, &why)) {
      err_ << "Keldor: Cannot write the summary " << plan_.summary << ": " << why << '\n';
      return kRunNotWritten;
    }
    out_ << "Summary written to " << plan_.summary << '\n';
    return kRunWritten;
  }

  void loadInputs() {
    records_.resize(plan_.inputs.size());
    loaded_.resize(plan_.inputs.size());
    for (std::size_t i = 0; i < plan_.inputs.size(); ++i) {
      InitialiseInput(records_[i], KELDOR_ENGLISH);
      std::string error;
      if (LoadInputFile(records_[i], plan_.inputs[i], &error)) {
        loaded_[i] = true;
      } else {
        loadErrors_[i] = error;
      }
    }
    for (StudyRun& r : runs_)
      if (!loaded_[r.input]) finish(r, kRunBadInput, loadErrors_[r.input]);
  }

  // No run writes over an input of the study or over what another run
  // writes; the first run to claim a file keeps it.
  void refuseCollisions() {
    std::set<std::string> inputs;
    for (const std::string& in : plan_.inputs) inputs.insert(Key(in));
    std::set<std::string> claimed;
    for (StudyRun& r : runs_) {
      if (r.done) continue;
      for (const std::string* file : {&r.report, &r.side}) {
        const std::string key = Key(*file);
        const std::string kind = file == &r.report ? "report " : "side file ";
        if (inputs.count(key) != 0 && !r.done) {
          finish(r, kRunBadInput, "The " + kind + *file + " would replace an input file of this study.");
        } else if (claimed.count(key) != 0 && !r.done) {
          finish(r, kRunBadInput,
                 "The " + kind + *file + " would replace a file of another run of this study.");
        }
      }
      if (!r.done && !IsSideFileOrAbsent(r.side))
        finish(r, kRunBadInput,
               "The file " + r.side + " is not a side file of an earlier run; it is kept, "
               "and this run is not made.");
      if (!r.done) {
        claimed.insert(Key(r.report));
        claimed.insert(Key(r.side));
      }
    }
  }

  void finish(StudyRun& r, int status, const std::string& message) {
    r.result.status = status;
    r.result.messages.push_back(message);
    r.done = true;
  }

  void execute() {
    std::vector<Child> running;
    std::size_t next = 0;
    const std::size_t jobs = plan_.jobs < 1 ? 1 : static_cast<std::size_t>(plan_.jobs);
    while (printed_ < runs_.size()) {
      while (running.size() < jobs && next < runs_.size()) {
        StudyRun& r = runs_[next++];
        if (r.done) continue;
        Child c;
        if (start(r, next - 1, &c)) running.push_back(std::move(c));
      }
      printFinished();
      if (running.empty()) continue;
      wait(running);
    }
  }

  bool start(StudyRun& r, std::size_t index, Child* c) {
    InputRecord record = records_[r.input];
    if (r.varied) *FloatField(record, plan_.vary.name) = r.value;
    int fds[2];
    if (::pipe(fds) != 0) {
      finish(r, kRunNotWritten, std::string("Cannot start the analysis: ") + std::strerror(errno));
      return false;
    }
    out_.flush();
    err_.flush();
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) {
      ::close(fds[0]);
      ::close(fds[1]);
      finish(r, kRunNotWritten, std::string("Cannot start the analysis: ") + std::strerror(errno));
      return false;
    }
    if (pid == 0) {
      ::close(fds[0]);
      const BatchResult result = RunInWorkFolder(record, r, plan_.libraryPath);
      WriteAll(fds[1], Encode(result));
      ::_exit(result.status);
    }
    ::close(fds[1]);
    c->pid = pid, c->fd = fds[0], c->run = index;
    return true;
  }

  // Reads what the running analyses send, and collects those that ended.
  void wait(std::vector<Child>& running) {
    std::vector<pollfd> polls;
    polls.reserve(running.size());
    for (const Child& c : running) polls.push_back({c.fd, POLLIN, 0});
    const int ready = ::poll(polls.data(), polls.size(), showProgress() ? 250 : -1);
    if (ready <= 0) {
      progress();
      return;
    }
    for (std::size_t k = running.size(); k-- > 0;) {
      if (polls[k].revents == 0) continue;
      Child& c = running[k];
      char buf[4096];
      const ssize_t n = ::read(c.fd, buf, sizeof buf);
      if (n > 0) {
        c.bytes.append(buf, static_cast<std::size_t>(n));
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      ::close(c.fd);
      int status = 0;
      while (::waitpid(c.pid, &status, 0) < 0 && errno == EINTR) {
      }
      StudyRun& r = runs_[c.run];
      if (!Decode(c.bytes, &r.result)) {
        r.result = BatchResult{};
        finish(r, kRunNotWritten,
               WIFSIGNALED(status)
                   ? "The analysis stopped on signal " + std::to_string(WTERMSIG(status)) + "."
                   : std::string("The analysis stopped without its results."));
      }
      r.done = true;
      running.erase(running.begin() + static_cast<std::ptrdiff_t>(k));
    }
    printFinished();
  }

  // Writes the finished runs, in the order of the runs, as far as each one
  // before them has finished.
  void printFinished() {
    bool any = false;
    while (printed_ < runs_.size() && runs_[printed_].done) {
      if (!any) clearProgress();
      any = true;
      const StudyRun& r = runs_[printed_++];
      for (const std::string& m : r.result.messages) {
        std::istringstream lines(m);
        std::string line;
        bool first = true;
        while (std::getline(lines, line)) {
          err_ << "Keldor: " << (first ? r.name + ": " : std::string()) << line << '\n';
          first = false;
        }
      }
      err_.flush();
      if (!r.result.written.empty()) out_ << r.result.written << '\n';
      out_.flush();
    }
    if (any) progress();
  }

  bool showProgress() const { return plan_.progress && runs_.size() > 1; }

  void progress() {
    if (!showProgress() || printed_ == runs_.size()) return;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char line[96];
    std::snprintf(line, sizeof line, "\rKeldor: %zu of %zu runs done, %.1f s", printed_,
                  runs_.size(), seconds);
    err_ << line << std::flush;
    progressShown_ = true;
  }

  void clearProgress() {
    if (!progressShown_) return;
    err_ << "\r\033[K" << std::flush;
    progressShown_ = false;
  }

  const StudyPlan& plan_;
  std::ostream& out_;
  std::ostream& err_;
  std::chrono::steady_clock::time_point start_;
  std::vector<StudyRun> runs_;
  std::vector<InputRecord> records_;
  std::vector<bool> loaded_;
  std::map<std::size_t, std::string> loadErrors_;
  std::size_t printed_ = 0;
  bool progressShown_ = false;
};

}  // namespace

int RunStudy(const StudyPlan& plan, std::ostream& out, std::ostream& err) {
  return Study(plan, out, err).run();
}

}  // namespace fe
