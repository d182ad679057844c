#include "tests/unit/test_support.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "platform/quote_path.h"
#include "platform/random.h"
#include "platform/record_file.h"
#include "platform/ui.h"
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

void ProgramTest::SetUp() {
  Module1::ResetProcessState();
  rt::QueueRandomNumbers({});
  rt::SetDriveRoot(drive_.Path().string());
  std::filesystem::create_directories(SystemFolder());
}

void ProgramTest::TearDown() {
  Module1::ResetProcessState();
  platform_.reset();
  rt::QueueRandomNumbers({});
  rt::SetDriveRoot("");
  ui::Install(nullptr);
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
  platform_ = std::make_unique<headless::HeadlessPlatform>(std::move(options));
  start_status_ = platform_->Start(&Module1::Main);
  return *platform_;
}

}  // namespace sagelight::testing
