// tilebrook-skingen: draws the product skin and writes skin.ini and its
// pictures to a directory (the repository keeps them in assets/skin).

#include "GeneratorMain.h"
#include "SkinGen.h"

int main(int argc, char** argv) {
  return art::RunGenerator(argc, argv, "tilebrook-skingen", skingen::GenerateSkin);
}
