#include <gtest/gtest.h>
#include "classlib/desktop/Win32.h"

#include "tips/app/SingleInstance.h"

namespace {

TEST(SingleInstance, OnlyTheFirstAcquireHoldsTheMutex) {
  ASSERT_TRUE(AcquireSingleInstance());
  HANDLE other = OpenMutexA(SYNCHRONIZE, FALSE, "{01AE8920-44F6-41E0-B706-51D0684FE753}");
  EXPECT_NE(other, nullptr);
  CloseHandle(other);
  ReleaseSingleInstance();
  ReleaseSingleInstance();
  EXPECT_EQ(OpenMutexA(SYNCHRONIZE, FALSE, "{01AE8920-44F6-41E0-B706-51D0684FE753}"), nullptr);
}

TEST(SingleInstance, AnExistingMutexMeansAnotherInstance) {
  HANDLE running = CreateMutexA(nullptr, TRUE, "{01AE8920-44F6-41E0-B706-51D0684FE753}");
  ASSERT_NE(running, nullptr);
  EXPECT_FALSE(AcquireSingleInstance());
  ReleaseSingleInstance();
  CloseHandle(running);
}

}  // namespace
