#pragma once

// The texts the tile puzzle shows: bilingual like every notice of the
// product, the English text, an empty line, then the German one, with
// single CR line breaks.

#include <cstdint>
#include <string>

#include "tiles/Scores.h"

// Every "&" doubled, for texts from file names shown where "&" marks an
// accelerator.
std::string DoubleAmpersands(const std::string& Text);

// "0:07", "12:34", "1:02:03".
std::string FormatElapsed(std::uint32_t Milliseconds);

std::string MovesText(int Moves);
std::string TimeText(std::uint32_t Milliseconds);

// The notice after the last correct tile: the result, how it compares with
// the best so far, and whether a new best could not be saved.
std::string WinNotice(const TScore& Result, const TRecordOutcome& Outcome,
                      const std::string& ScoresPath);

// The application's title, the caption of every notice.
inline constexpr const char* TilesTitle = "Tilebrook(tm) Tiles";

// The window's caption: the puzzle's title and its severity.
std::string TilesCaption(const std::string& PuzzleTitle, int Severity);
