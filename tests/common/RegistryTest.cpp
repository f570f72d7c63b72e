#include "classlib/desktop/Registry.h"
#include "RegistryFixture.h"

using TRegistryTest = RegistryFixture;

TEST_F(TRegistryTest, OpensWithoutCreatingOnlyExistingKeys) {
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(Key(), false));
  EXPECT_FALSE(KeyExists());
  EXPECT_TRUE(registry.OpenKey("\\" + Key(), true));
  EXPECT_TRUE(KeyExists());
  EXPECT_TRUE(registry.OpenKey(Key(), false));
}

TEST_F(TRegistryTest, RoundTripsStringsAndIntegers) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(Key(), true));
  registry.WriteString("s", "text");
  registry.WriteInteger("n", 0x7FFFFFFF);
  EXPECT_TRUE(registry.ValueExists("s"));
  EXPECT_EQ(registry.ReadString("s"), "text");
  EXPECT_EQ(registry.ReadInteger("n"), 0x7FFFFFFF);
  EXPECT_EQ(registry.ReadString("missing"), "");
  EXPECT_TRUE(registry.DeleteValue("s"));
  EXPECT_FALSE(registry.DeleteValue("s"));
  EXPECT_FALSE(registry.ValueExists("s"));
}

TEST_F(TRegistryTest, RaisesOnValuesOfTheWrongType) {
  Store("s", REG_SZ, std::string("x\0", 2));
  Store("n", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
  Store("short", REG_BINARY, "\x01");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(Key(), false));
  EXPECT_THROW(registry.ReadString("n"), ERegistryException);
  EXPECT_THROW(registry.ReadInteger("s"), ERegistryException);
  EXPECT_THROW(registry.ReadInteger("short"), ERegistryException);
  EXPECT_THROW(registry.ReadInteger("missing"), ERegistryException);
}

TEST_F(TRegistryTest, RaisesOnWritesWithoutAnOpenKey) {
  TRegistry registry;
  EXPECT_THROW(registry.WriteString("s", "x"), ERegistryException);
  EXPECT_THROW(registry.WriteInteger("n", 1), ERegistryException);
  EXPECT_FALSE(registry.ValueExists("s"));
}
