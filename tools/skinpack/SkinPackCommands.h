#pragma once
// The commands of the skinpack tool. Each returns the process exit code:
// 0 on success, 1 on a failure or (check) on problems found.
#include <string>
#include <vector>

namespace SkinPackCommands {

int List(const std::string& pack);
int Unpack(const std::string& pack, const std::string& dir);
// With an empty file list, "Options.dat" comes first and then every other
// regular file of the folder by name, ignoring case.
int Pack(const std::string& dir, const std::string& pack, const std::vector<std::string>& files);
int Check(const std::string& packOrDir);

}  // namespace SkinPackCommands
