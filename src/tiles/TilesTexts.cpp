#include "tiles/TilesTexts.h"

#include "catalogue/Puzzle.h"

namespace {

std::string ResultEnglish(const TScore& Score) {
  return FormatElapsed(static_cast<std::uint32_t>(Score.Seconds) * 1000) + " with " +
         std::to_string(Score.Moves) + (Score.Moves == 1 ? " move" : " moves");
}

std::string ResultGerman(const TScore& Score) {
  return FormatElapsed(static_cast<std::uint32_t>(Score.Seconds) * 1000) + " mit " +
         std::to_string(Score.Moves) + (Score.Moves == 1 ? " Zug" : " Zügen");
}

}  // namespace

std::string DoubleAmpersands(const std::string& Text) {
  std::string result;
  for (char c : Text) {
    result += c;
    if (c == '&')
      result += '&';
  }
  return result;
}

std::string FormatElapsed(std::uint32_t Milliseconds) {
  const std::uint32_t total = Milliseconds / 1000;
  const std::uint32_t hours = total / 3600, minutes = total / 60 % 60, seconds = total % 60;
  auto two = [](std::uint32_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  if (hours > 0)
    return std::to_string(hours) + ":" + two(minutes) + ":" + two(seconds);
  return std::to_string(minutes) + ":" + two(seconds);
}

std::string MovesText(int Moves) {
  return "Moves / Züge: " + std::to_string(Moves);
}

std::string TimeText(std::uint32_t Milliseconds) {
  return "Time / Zeit: " + FormatElapsed(Milliseconds);
}

std::string WinNotice(const TScore& Result, const TRecordOutcome& Outcome,
                      const std::string& ScoresPath) {
  std::string english = "Puzzle solved in " + ResultEnglish(Result) + ".";
  std::string german = "Puzzle gelöst in " + ResultGerman(Result) + ".";
  if (!Outcome.Previous) {
    english += "\rThis is your first result here, and so your best so far.";
    german += "\rDies ist Ihr erstes Ergebnis hier und damit Ihr bisher bestes.";
  } else if (Outcome.NewBest) {
    english += "\rA new best! Before it: " + ResultEnglish(*Outcome.Previous) + ".";
    german += "\rEin neues Bestes! Bisher: " + ResultGerman(*Outcome.Previous) + ".";
  } else {
    english += "\rBest so far: " + ResultEnglish(*Outcome.Previous) + ".";
    german += "\rBisher bestes Ergebnis: " + ResultGerman(*Outcome.Previous) + ".";
  }
  if (!Outcome.Saved) {
    const std::string path =
        DoubleAmpersands(ScoresPath.empty() ? "(no home directory)" : ScoresPath);
    english += "\r\rThe result could not be saved in:\r" + path;
    german += "\r\rDas Ergebnis konnte nicht gespeichert werden in:\r" + path;
  }
  return english + "\r\r" + german;
}

std::string TilesCaption(const std::string& PuzzleTitle, int Severity) {
  return PuzzleTitle + " - " + std::string(SeverityName(Severity)) + " - " + TilesTitle;
}
