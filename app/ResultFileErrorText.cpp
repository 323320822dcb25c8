#include "app/ResultFileErrorText.h"

#include <cerrno>
#include <cstring>

namespace {

const char* StepText(ResultFileStep step) {
  switch (step) {
    case ResultFileStep::Open: return "Не удалось открыть файл результатов";
    case ResultFileStep::Create: return "Не удалось создать файл результатов";
    case ResultFileStep::Write: return "Не удалось записать в файл результатов";
    case ResultFileStep::Flush: return "Не удалось сохранить на диск файл результатов";
    case ResultFileStep::Close: return "Не удалось закрыть файл результатов";
  }
  return "Ошибка файла результатов";
}

}  // namespace

std::string ResultFileErrorText::Cause(ResultFileStep step, int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      // Refused while creating means the folder; refused while opening
      // the existing file means the file itself.
      return step == ResultFileStep::Create ? "нет прав на запись в эту папку"
                                            : "файл только для чтения или нет прав на запись в него";
    case EROFS: return "диск или папка только для чтения";
    case ENOSPC:
    case EDQUOT: return "на диске нет места";
    case EISDIR: return "это папка, а не файл";
    case ENOENT:
    case ENOTDIR: return "папка, в которой он должен лежать, не найдена";
    case ENAMETOOLONG: return "слишком длинное имя файла";
    case EFBIG: return "файл слишком большой";
    case ETXTBSY:
    case EBUSY: return "файл занят другой программой";
    case EMFILE:
    case ENFILE: return "открыто слишком много файлов";
    case EIO: return "ошибка чтения или записи диска";
    default: return std::strerror(error);
  }
}

std::string ResultFileErrorText::Describe(ResultFileStep step, const std::string& path, const std::string& folder,
                                          int error, bool undone) {
  std::string text = std::string(StepText(step)) + " \"" + path + "\"";
  if (!folder.empty()) text += " в папке \"" + folder + "\"";
  text += ": " + Cause(step, error);
  if (!undone) text += ". Часть строки могла остаться в файле";
  return text;
}
