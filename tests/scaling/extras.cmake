# The scaled screen is checked with the game's own board rules.
target_link_libraries(test_scaling PRIVATE pindrake_game)
target_include_directories(test_scaling PRIVATE ${PROJECT_SOURCE_DIR}/tests/game)
