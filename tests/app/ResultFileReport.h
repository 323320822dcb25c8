#pragma once
// The report of a failed result file as the pupil reads it, with the folder
// named after the file's name: ReportInFolder("Не удалось … \"res.txt\":
// причина", "/srv/class") is "Не удалось … \"res.txt\" в папке \"/srv/class\":
// причина". Keeps the expected texts of the tests readable.
#include <filesystem>
#include <string>

inline std::string ReportInFolder(std::string report, const std::filesystem::path& folder) {
  const std::size_t end = report.find("\": ");
  if (end != std::string::npos) report.insert(end + 1, " в папке \"" + folder.string() + "\"");
  return report;
}
