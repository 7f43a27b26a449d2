// The reliability tests' main: the private mount namespace must be entered
// while the process still has one thread (unshare refuses it later), so
// before Qt, the watchdog or anything else starts threads.
#include <gtest/gtest.h>

#include "mounts.h"

int main(int argc, char** argv) {
    EnterPrivateMounts();  // tests that need mounts skip, saying why, when this fails
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
