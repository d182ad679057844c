#include "tests/unit/test_support.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "runtime/random.h"
#include "startup/module1.h"

namespace sagelight::testing {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device entropy;
  const auto base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("sagelight-test-" + std::to_string(entropy()) + "-" +
                    std::to_string(counter.fetch_add(1)));
  } while (!std::filesystem::create_directory(path_));
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
