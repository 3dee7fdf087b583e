// Loads the base-layer test plug-in through the test host, as a real host would.
#pragma once

#include <gtest/gtest.h>

#include "TestHost.h"

class TestPluginFixture : public ::testing::Test {
protected:
    testhost::TestHost host{testhost::pluginPath("test-only/orva_testplugin")};
    AEffect* effect = nullptr;

    void SetUp() override {
        ASSERT_TRUE(host.loaded()) << host.error();
        effect = host.instantiate();
        ASSERT_NE(effect, nullptr);
    }

    // Back-door opcodes of the test plug-in (see TestPlugin.cpp).
    std::intptr_t vendor(std::int32_t index, std::intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f) {
        return host.dispatch(effVendorSpecific, index, value, ptr, opt);
    }
};
