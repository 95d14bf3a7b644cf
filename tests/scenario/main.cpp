// SPDX-License-Identifier: GPL-3.0-or-later
// quivalo-scenario: runs a scenario file (or standard input) on the
// deterministic host. Exit status 0, or 2 for bad input or an unreadable file.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

#include "scenario/runner.h"

int main(int argc, char** argv) {
  using quivalo::scenario::runScenario;
  using quivalo::scenario::usageText;
  if (argc > 2) {
    std::cerr << usageText();
    return 2;
  }
  const std::string_view path = argc == 2 ? argv[1] : "-";
  if (path == "--help" || path == "-h") {
    std::cout << usageText();
    return 0;
  }
  if (path == "-") {
    return runScenario(std::cin, std::cout, std::cerr);
  }
  std::error_code ec;
  if (std::filesystem::is_directory(std::filesystem::path(path), ec)) {
    std::cerr << "quivalo-scenario: cannot read '" << path << "': it is a directory\n";
    return 2;
  }
  std::ifstream file{std::string(path)};
  if (!file) {
    std::cerr << "quivalo-scenario: cannot open '" << path << "': " << std::strerror(errno) << '\n';
    return 2;
  }
  return runScenario(file, std::cout, std::cerr);
}
