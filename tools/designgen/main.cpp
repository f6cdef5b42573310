// tilebrook-designgen: draws the browser window's background picture and
// severity stars and writes them to a directory (the repository keeps them
// in assets/design).

#include "DesignGen.h"
#include "GeneratorMain.h"

int main(int argc, char** argv) {
  return art::RunGenerator(argc, argv, "tilebrook-designgen", designgen::GenerateDesign);
}
