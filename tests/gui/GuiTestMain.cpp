#include "TolvanekApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // CTest lists the tests at build time, where no display is needed; only create the
    // application (the editor's own, with its exception display) when tests really run.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    TolvanekApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
