#include "tests/unit/test_support.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "runtime/random.h"
#include "startup/module1.h"

namespace sagelight::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "sagelight-test-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ChildResult InChild(const std::function<void()>& prepare, const std::function<void()>& action) {
  int report[2];
  if (pipe(report) != 0) {
    return {};
  }
  const pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    prepare();
    ChildResult result{0, ""};
    try {
      action();
    } catch (const rt::RuntimeError& error) {
      result = {error.Number(), error.File()};
    }
    (void)!write(report[1], &result.number, sizeof result.number);
    (void)!write(report[1], result.file.data(), result.file.size());
    _exit(0);
  }
  close(report[1]);
  std::string bytes;
  char chunk[256];
  for (ssize_t got; (got = read(report[0], chunk, sizeof chunk)) > 0;) {
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
  close(report[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ChildResult result;
  if (WIFEXITED(status) && bytes.size() >= sizeof result.number) {
    std::memcpy(&result.number, bytes.data(), sizeof result.number);
    result.file = bytes.substr(sizeof result.number);
  }
  return result;
}

void LimitFileSize(rlim_t bytes) {
  signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{bytes, bytes};
  setrlimit(RLIMIT_FSIZE, &limit);
}

ProgramTest::ProgramTest()
    : platform_(std::make_unique<headless::HeadlessPlatform>(headless::Options{})),
      runtime_(std::make_unique<rt::Runtime>(rt::RuntimeOptions{drive_.Path().string()})) {}

void ProgramTest::SetUp() { std::filesystem::create_directories(SystemFolder()); }

void ProgramTest::TearDown() { EndProcess(); }

void ProgramTest::EndProcess() {
  runtime_.reset();
  platform_.reset();
}

void ProgramTest::ScriptRandom(std::initializer_list<float> numbers) {
  rt::StartGenerator(rt::kFreshGeneratorState, std::vector<float>(numbers));
}

std::filesystem::path ProgramTest::SystemFolder() const {
  return drive_.Path() / "windows" / "system";
}

std::filesystem::path ProgramTest::QuoteFile() const { return SystemFolder() / "Sagelight.quo"; }

headless::Options ProgramTest::SaverOptions() {
  headless::Options options;
  options.command_line = "/s";
  return options;
}

headless::HeadlessPlatform& ProgramTest::Start(headless::Options options) {
  EndProcess();
  platform_ = std::make_unique<headless::HeadlessPlatform>(std::move(options));
  runtime_ = std::make_unique<rt::Runtime>(rt::RuntimeOptions{drive_.Path().string()});
  start_status_ = platform_->Start(&Module1::Main);
  return *platform_;
}

}  // namespace sagelight::testing
