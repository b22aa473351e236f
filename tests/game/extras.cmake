#The game's rules are tested through its procedures, without a window.
target_link_libraries(test_game PRIVATE pindrake_game)
