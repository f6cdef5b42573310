// tilebrook-demogen: draws the demo installation's preview pictures and
// writes them into a demo directory (the repository keeps them in
// assets/demo, beside the packages' definition files).

#include "DemoGen.h"
#include "GeneratorMain.h"

int main(int argc, char** argv) {
  return art::RunGenerator(argc, argv, "tilebrook-demogen", demogen::GenerateDemoPreviews);
}
