// A few short soak runs for every test run; scripts/soak runs long ones.

#include <gtest/gtest.h>

#include "soak/Soak.h"

namespace {

class SoakSeed : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(SoakSeed, RandomPlayKeepsTheWindowRightAndSavesTheChoices) {
  soak::Run run(GetParam());
  const soak::Result result = run.Play(400);
  for (const std::string& fault : result.Faults)
    ADD_FAILURE() << fault;
  EXPECT_GT(result.Events, 0u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SoakSeed, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
