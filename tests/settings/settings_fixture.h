// Each settings test starts from an empty fake machine.
#pragma once
#include <gtest/gtest.h>

#include "platform/fake/fake.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "settings/settings.h"

class SettingsTest : public testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    void TearDown() override { fake::Reset(); }

    static void SetComputerName(const Text& name) {
        fake::SetRegText(RegRoot::LocalMachine,
                         "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName\\ComputerName", name);
    }
};
