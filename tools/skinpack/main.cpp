// skinpack: the skin pack tool.
//
//   skinpack list PACK               names and sizes of the packed files
//   skinpack unpack PACK DIR         writes every file of the pack into DIR
//   skinpack pack DIR PACK [FILE...] packs DIR ("Options.dat" first, then the
//                                    other files by name) or the listed files
//   skinpack check PACK|DIR          loads the skin with the real loaders and
//                                    reports every problem (exit code 1)
//   skinpack preview PACK|DIR OUT.png  every section painted in states 0-2
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/skinpack/SkinPackCommands.h"
#include "tools/skinpack/SkinPreviewCommand.h"

namespace {

int Usage() {
  std::fputs(
      "usage: skinpack list PACK\n"
      "       skinpack unpack PACK DIR\n"
      "       skinpack pack DIR PACK [FILE...]\n"
      "       skinpack check PACK|DIR\n"
      "       skinpack preview PACK|DIR OUT.png\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  try {
    const std::string& command = args[0];
    if (command == "list" && args.size() == 2) return SkinPackCommands::List(args[1]);
    if (command == "unpack" && args.size() == 3) return SkinPackCommands::Unpack(args[1], args[2]);
    if (command == "pack" && args.size() >= 3)
      return SkinPackCommands::Pack(args[1], args[2], {args.begin() + 3, args.end()});
    if (command == "check" && args.size() == 2) return SkinPackCommands::Check(args[1]);
    if (command == "preview" && args.size() == 3) return SkinPreviewCommand::Run(args[1], args[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpack: %s\n", e.what());
    return 1;
  }
  return Usage();
}
