// What a host must have seen after one drag on an editor control.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "TestHost.h"

// The drag left `expected` (within `tolerance`) in parameter `tag`, inside exactly one
// balanced edit gesture of that parameter with at least one automation call.
inline void expectOneDragGesture(testhost::TestHost& host, std::int32_t tag, float expected, float tolerance) {
    EXPECT_NEAR(host.getParameter(tag), expected, tolerance) << "parameter " << tag;
    const auto begins = host.callsWith(audioMasterBeginEdit);
    ASSERT_EQ(begins.size(), 1u) << "parameter " << tag;
    EXPECT_EQ(begins[0].index, tag);
    EXPECT_EQ(host.callsWith(audioMasterEndEdit).size(), 1u) << "parameter " << tag;
    EXPECT_FALSE(host.callsWith(audioMasterAutomate).empty()) << "parameter " << tag;
    EXPECT_TRUE(host.editGesturesBalanced()) << "parameter " << tag;
}
