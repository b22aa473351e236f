# The data-set tests run the generator and read its files back with its own readers.
target_link_libraries(test_assets PRIVATE pindrake_assets)
target_compile_definitions(test_assets PRIVATE
  PINDRAKE_ASSETS_GENERATOR="$<TARGET_FILE:pindrake_assets_generator>")
add_dependencies(test_assets pindrake_assets_generator)
