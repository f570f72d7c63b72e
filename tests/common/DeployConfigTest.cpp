#include "common/DeployConfig.h"
#include <gtest/gtest.h>

TEST(DeployConfig, ReadsEveryKnownKey) {
  const TDeployConfig c = ParseDeployConfig(
      "UpdateHost=u.example:8080\r\nTipsHost=t.example\nTipsDomain=example\r\nPartnerDomain=p.example\nTipsRpcHost=r:1");
  EXPECT_EQ(c.UpdateHost, "u.example:8080");
  EXPECT_EQ(c.TipsHost, "t.example");
  EXPECT_EQ(c.TipsDomain, "example");
  EXPECT_EQ(c.PartnerDomain, "p.example");
  EXPECT_EQ(c.TipsRpcHost, "r:1");
}

TEST(DeployConfig, IgnoresWhatItDoesNotKnow) {
  const TDeployConfig c = ParseDeployConfig("junk\n\n=x\nOther=1\n UpdateHost = a=b \nupdatehost=lower\n");
  EXPECT_EQ(c.UpdateHost, "a=b");
  EXPECT_EQ(c.TipsHost, "");
  EXPECT_EQ(ParseDeployConfig("").UpdateHost, "");
}

// The test program carries its own configuration resource (see shared_tests.rc).
TEST(DeployConfig, ComesFromTheRunningProgramsResource) {
  const TDeployConfig c = DeployConfig();
  EXPECT_EQ(c.UpdateHost, "own.test:81");
  EXPECT_EQ(c.TipsRpcHost, "rpc.own.test");
}
