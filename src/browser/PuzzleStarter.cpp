#include "browser/PuzzleStarter.h"

#include <cerrno>
#include <cstring>

#include "platform/sys/Process.h"

namespace {

std::string Reason(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "The file is not executable.\r\rDie Datei ist nicht ausführbar.";
    case ENOEXEC:
      return "The file is not a program this system can run.\r\r"
             "Die Datei ist kein Programm, das dieses System ausführen kann.";
    case ENOENT:
      return "The file or the program it needs is missing.\r\r"
             "Die Datei oder das Programm, das sie benötigt, fehlt.";
    default:
      return std::string(std::strerror(error)) + ".\r\rSystemfehler " + std::to_string(error) + ".";
  }
}

}  // namespace

std::string StartPuzzleProgram(const std::string& Path) {
  int error = 0;
  if (sys::StartProcess(Path, &error) > 0)
    return {};
  return Reason(error);
}

std::string PuzzleNotStartedText(const std::string& Path, const std::string& Reason) {
  return "Puzzle could not be started:\r\rPuzzle konnte nicht gestartet werden:\r\r" + Path +
         "\r\r" + Reason;
}
