// The desktop program's command line: --help and --version, answered on standard
// output without opening a window; any other argument (after Qt has taken its own
// options such as -platform) is refused. Used by main().
#pragma once
#include <string>
#include <vector>

struct CommandLineAnswer {
  enum class Kind { Run, Help, Version, Refuse };
  Kind kind = Kind::Run;
  std::string strText;  // what to print: on standard output, or for Refuse on standard error
  int nExitStatus = 0;
};

// Looks for --help or --version among all arguments (program name excluded), before
// any window system is needed.
CommandLineAnswer AnswerInformationOptions(const std::vector<std::string>& arguments);

// The arguments Qt left over: none runs the program, any other is refused (status 2).
CommandLineAnswer CheckRemainingArguments(const std::vector<std::string>& arguments);

std::string HelpText();
std::string VersionText();
