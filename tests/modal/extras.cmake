# The modal commands are driven by the input tests' events.
target_sources(test_modal PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/input/InputFixture.cpp)
target_include_directories(test_modal PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/input)
