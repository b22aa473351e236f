# The drawing tests run again on the fixed-function pipeline, which contexts without
# shaders draw with.
gtest_discover_tests(test_gfx2d TEST_PREFIX "gfx2d-fixed-function." DISCOVERY_TIMEOUT 60
                     PROPERTIES TIMEOUT 300 ENVIRONMENT ZENTOIR_DRAWING=fixed-function)
