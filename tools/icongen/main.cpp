// tilebrook-icongen: draws the message dialog's icons and writes them to a
// directory (the repository keeps them in assets/icons).

#include "GeneratorMain.h"
#include "IconGen.h"

int main(int argc, char** argv) {
  return art::RunGenerator(argc, argv, "tilebrook-icongen", icongen::GenerateIcons);
}
