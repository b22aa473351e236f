# The packed game program is the subject of these tests.
target_compile_definitions(test_gamedata PRIVATE PINDRAKE_PROGRAM="${PINDRAKE_PROGRAM}")
add_dependencies(test_gamedata Pindrake)
